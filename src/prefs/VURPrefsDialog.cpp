#include "VURPrefsDialog.h"

#include "VURMasterTabs.h"

#include <QShowEvent>
#include <QVBoxLayout>

int &LastPrefsPage()
{
    static int page = 0;
    return page;
}

QString &ChosenLanguage()
{
    static QString language;
    return language;
}

TVURPrefsDialogForm::TVURPrefsDialogForm(QWidget *owner)
    : TVURDialogForm(owner)
    , m_masterPane(new TVURMasterTabsPane(MainPanel()))
{
    setObjectName(QStringLiteral("VURPrefsDialogForm"));
    MainPanel()->layout()->addWidget(m_masterPane);
    SetHelpKeyword(QStringLiteral("Prefs"));
}

TVURPrefsDialogForm::~TVURPrefsDialogForm()
{
    StoreLastPage();
}

void TVURPrefsDialogForm::StoreLastPage()
{
    if (m_pageShown && m_masterPane)
        LastPrefsPage() = m_masterPane->GetActivePageIndex();
    m_pageShown = false;
}

void TVURPrefsDialogForm::showEvent(QShowEvent *event)
{
    if (!m_pageShown) {
        m_pageShown = true;
        m_masterPane->SetActivePageIndex(LastPrefsPage());
    }
    TVURDialogForm::showEvent(event);
}

void TVURPrefsDialogForm::AcceptActionExecute()
{
    ApplyAllPrefs();
    TVURDialogForm::AcceptActionExecute();
}

void TVURPrefsDialogForm::ApplyAllPrefs()
{
    for (int i = 0; m_masterPane && i < m_masterPane->GetPaneCount(); ++i) {
        if (auto *pane = qobject_cast<TVURPrefsDetailPane *>(m_masterPane->GetPane(i)))
            pane->ApplyPrefs();
    }
}

void TVURPrefsDialogForm::UpdateHelpKeyword()
{
    TVURDetailPane *active = m_masterPane ? m_masterPane->GetActivePane() : nullptr;
    SetHelpKeyword(active ? active->HelpKeyword() : QStringLiteral("Prefs"));
}

void TVURPrefsDialogForm::ShowHelp()
{
    UpdateHelpKeyword();
    TVURDialogForm::ShowHelp();
}
