#include "VURMasterPane.h"

void TVURMasterPane::LanguageChanged()
{
    TVURPaneForm::LanguageChanged();
    for (int i = 0; i < GetPaneCount(); ++i) {
        if (TVURDetailPane *pane = GetPane(i))
            pane->LanguageChanged();
    }
}
