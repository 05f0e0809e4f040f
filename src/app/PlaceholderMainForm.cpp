#include "PlaceholderMainForm.h"

#include "VURApp.h"
#include "VURLang.h"

#include <QLabel>

PlaceholderMainForm::PlaceholderMainForm(QWidget *parent)
    : QMainWindow(parent)
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("MainForm"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    setCentralWidget(m_label);
    resize(800, 560);
    ReadAllSettings();
    TranslateTexts();
}

PlaceholderMainForm::~PlaceholderMainForm()
{
    try {
        WriteAllSettings();
    } catch (const std::exception &exception) {
        if (TVURApp *app = GetApp())
            app->HandleException(exception);
    }
}

void PlaceholderMainForm::TranslateTexts()
{
    const TVURApp *app = GetApp();
    setWindowTitle(app ? app->GetInfo(1) + QLatin1Char(' ') + app->GetInfo(2) : QString());
    m_label->setText(TranslateText(QStringLiteral(
        "<PLK>Tu pojawią się okna artykułów Mizara.<ENU>The windows of Mizar articles will appear here.")));
}
