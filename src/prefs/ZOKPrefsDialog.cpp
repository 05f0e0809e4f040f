#include "ZOKPrefsDialog.h"

#include "VURLang.h"
#include "VURMasterPane.h"
#include "VURPrefsDisplay.h"
#include "VURPrefsEditor.h"
#include "VURPrefsExtensions.h"
#include "VURPrefsLang.h"
#include "VURPrefsSynEditColors.h"
#include "VURSynEdit.h"
#include "ZOKApp.h"
#include "ZOKPrefsMisc.h"

TZOKPrefsDialogForm::TZOKPrefsDialogForm(QWidget *owner)
    : TVURPrefsDialogForm(owner)
{
    setObjectName(QStringLiteral("ZOKPrefsDialogForm"));
    SetHelpKeyword(QStringLiteral("EditPrefs"));
    resize(640, 440);
}

TZOKPrefsDialogForm::~TZOKPrefsDialogForm()
{
    // The pages show text through the working highlighter: they go first.
    StoreLastPage();
    delete MasterPane();
}

void TZOKPrefsDialogForm::FormCreate()
{
    TVURPrefsDialogForm::FormCreate();
    if (TZOKApp *app = GetZOKApp())
        m_highlighter.reset(app->CreateHighlighter(nullptr));
    if (m_highlighter && SharedHighlighter())
        CopyHighlighterSettings(*SharedHighlighter(), *m_highlighter);

    TVURMasterPane *master = MasterPane();
    master->AddPane(NewForm<TVURPrefsLangPane>(this));
    master->AddPane(NewForm<TVURPrefsEditorPane>(this));
    auto *display = NewForm<TVURPrefsDisplayPane>(this);
    master->AddPane(display);
    auto *colors = NewForm<TVURPrefsSynEditColorsPane>(this);
    master->AddPane(colors);
    master->AddPane(NewForm<TVURPrefsExtensionsPane>(this));
    master->AddPane(NewForm<TZOKPrefsMiscForm>(this));
    colors->SetHighlighter(m_highlighter.get());
    display->SetColorsPane(colors);
    display->SetHighlighter(m_highlighter.get());
}

void TZOKPrefsDialogForm::TranslateTexts()
{
    TVURPrefsDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Preferencje<ENU>Preferences")));
}

void TZOKPrefsDialogForm::ApplyAllPrefs()
{
    TVURPrefsDialogForm::ApplyAllPrefs();
    if (m_highlighter && SharedHighlighter())
        CopyHighlighterSettings(*m_highlighter, *SharedHighlighter());
}
