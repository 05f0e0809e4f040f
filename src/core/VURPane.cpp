#include "VURPane.h"

TVURPaneForm::TVURPaneForm(QWidget *parent)
    : QWidget(parent)
    , TVURFormForm(this)
{
}

QString TVURDetailPane::GetPaneTitle() const
{
    return QString();
}

void TVURPrefsDetailPane::ApplyPrefs()
{
}
