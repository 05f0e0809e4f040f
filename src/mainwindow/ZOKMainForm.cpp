#include "ZOKMainForm.h"

#include "VURChildFile.h"
#include "VURDialogs.h"
#include "VURChildEditSyn.h"
#include "VURKernel.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURShell.h"
#include "VURSynEdit.h"
#include "ZOKApp.h"
#include "ZOKChildEdit.h"
#include "ZOKPrefsDialog.h"
#include "ZOKToolbar.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <memory>

TZOKMainForm::TZOKMainForm(QWidget *parent)
    : TVURAppScriptForm(parent)
{
    QAction *verifier = AddChildProxy("MizarRunVerifierAction", "Process");
    verifier->setShortcut(QKeySequence(Qt::Key_F9));
    AddChildProxy("EditBlockCommentAction", "Edit")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period));
    AddChildProxy("EditBlockUncommentAction", "Edit")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Comma));
    AddChildProxy("HelpContextAction", "")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    AddMainAction("HelpMizarhttpAction", "Help");
    const auto guarded = [this](void (TZOKMainForm::*handler)()) {
        return [this, handler] { TVURApplication::RunReportingErrors([this, handler] { (this->*handler)(); }); };
    };
    connect(MainAction("FileNewAction"), &QAction::triggered, this, guarded(&TZOKMainForm::FileNewActionExecute));
    connect(MainAction("FileOpenAction"), &QAction::triggered, this, guarded(&TZOKMainForm::FileOpenActionExecute));
    connect(MainAction("HelpMizarhttpAction"), &QAction::triggered, this,
            guarded(&TZOKMainForm::HelpMizarhttpActionExecute));
    connect(MainAction("EditPrefsAction"), &QAction::triggered, this, guarded(&TZOKMainForm::EditPrefsActionExecute));
}

TZOKMainForm::~TZOKMainForm()
{
    WriteSettingsOnce();
}

QString TZOKMainForm::MizarHomePage()
{
    return QStringLiteral("http://mizar.org/");
}

void TZOKMainForm::FormCreate()
{
    CreateSharedHighlighter();
    TVURAppScriptForm::FormCreate();

    // Mizar menu: the verifier first, the issue commands after a separator.
    QMenu *mizar = ProcessMenu();
    QAction *first = mizar->actions().value(0);
    mizar->insertAction(first, Command("MizarRunVerifierAction"));
    m_mizarSeparator = mizar->insertSeparator(first);

    // Edit menu: the comment commands after the block unindent entry.
    QMenu *edit = EditMenu();
    const QList<QAction *> entries = edit->actions();
    const qsizetype unindent = entries.indexOf(Command("EditBlockUnindentAction"));
    QAction *after = entries.value(unindent + 1);
    edit->insertSeparator(after);
    edit->insertAction(after, Command("EditBlockCommentAction"));
    edit->insertAction(after, Command("EditBlockUncommentAction"));

    TranslateTexts();
    PadMenuCaptions(mizar);
    PadMenuCaptions(edit);
}

void TZOKMainForm::BuildHelpMenu()
{
    TVURAppScriptForm::BuildHelpMenu();
    // After the first separator, before the one in front of the company entries.
    QMenu *help = HelpMenu();
    QAction *secondSeparator = nullptr;
    int separators = 0;
    for (QAction *entry : help->actions()) {
        if (entry->isSeparator() && ++separators == 2) {
            secondSeparator = entry;
            break;
        }
    }
    help->insertAction(secondSeparator, Command("HelpContextAction"));
    help->insertAction(secondSeparator, MainAction("HelpMizarhttpAction"));
    TranslateTexts();
    PadMenuCaptions(help);
}

void TZOKMainForm::TranslateTexts()
{
    TVURAppScriptForm::TranslateTexts();
    if (QMenu *mizar = ProcessMenu()) {
        mizar->setTitle(TranslateText(QStringLiteral("<PLK>Mi&zar<ENU>Mi&zar")));
        mizar->menuAction()->setStatusTip(TranslateText(QStringLiteral("<PLK>Funkcje przetwarzania Mizara<ENU>Mizar processing functions")));
    }
    SetCommandTexts(Command("MizarRunVerifierAction"), "<PLK>Uruchom &weryfikator<ENU>Run &verifier",
                    "<PLK>Uruchom weryfikator<ENU>Run verifier");
    SetCommandTexts(Command("EditBlockCommentAction"), "<PLK>Ko&mentuj blok<ENU>Comment &block",
                    "<PLK>Komentuj blok<ENU>Comment block");
    SetCommandTexts(Command("EditBlockUncommentAction"), "<PLK>O&dkomentuj blok<ENU>Uncomment bloc&k",
                    "<PLK>Odkomentuj blok<ENU>Uncomment block");
    SetCommandTexts(MainAction("HelpMizarhttpAction"), "<PLK>Strona domowa Mi&zara...<ENU>Mi&zar home page...",
                    "<PLK>Otwiera domyślną przeglądarkę internetową na stronie domowej Mizara<ENU>Opens the default "
                    "internet browser on Mizar's home page");
}

QWidget *TZOKMainForm::CreateToolbar()
{
    return NewForm<TZOKToolbarPane>(this);
}

void TZOKMainForm::OpenFileInNewWindow(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        ShowError(FormatArgumentsFromRight(
            TranslateText(QStringLiteral("<PLK>Plik\\n\"%s\"\\nnie istnieje.<ENU>File\\n\"%s\"\\ndoesn't exist.")),
            {fileName}));
        return;
    }
    VURDialogs::RememberDirectory(fileName);
    TZOKApp *app = GetZOKApp();
    if (!app)
        return;
    TVURChildFileForm *article = app->CreateChildEditForm(this);
    // No empty window stays behind a file that could not be read.
    const auto dropWindow = [article] {
        QObject *window = article->parentWidget() ? static_cast<QObject *>(article->parentWidget()) : article;
        delete window;
    };
    try {
        article->OpenFile(fileName);
    } catch (const std::exception &error) {
        dropWindow();
        // Several files may be opened at once: the reason alone would not say which one failed.
        throw TVURChildFileForm::ReadFailure(fileName, error);
    } catch (...) {
        dropWindow();
        throw;
    }
    NoteRecentOpened(fileName);
}

void TZOKMainForm::FileNewActionExecute()
{
    TZOKApp *app = GetZOKApp();
    if (!app)
        return;
    TVURChildFileForm *article = app->CreateChildEditForm(this);
    article->InitUntitled(NextUntitledNumber());
    if (auto *editor = qobject_cast<TVURChildEditSynForm *>(article)) {
        editor->SetText(QStringLiteral("environ\n\nbegin\n"));
        editor->SetModified(false);
    }
}

void TZOKMainForm::FileOpenActionExecute()
{
    TZOKApp *app = GetZOKApp();
    if (!app)
        return;
    std::unique_ptr<QStringList> files;
    if (!VURDialogs::OpenFileDialog(TranslateText(QStringLiteral("<PLK>Otwórz plik<ENU>Open file")), app->GetFilter(),
                                    app->GetDefaultExt(), QString(), nullptr, &files,
                                    VURDialogs::ofAllowMultiSelect | VURDialogs::ofPathMustExist
                                        | VURDialogs::ofFileMustExist))
        return;
    if (!files)
        return;
    for (const QString &file : *files) {
        bool stop = false;
        OpenOrActivateFile(file, stop);
        if (stop)
            break;
    }
}

void TZOKMainForm::EditPrefsActionExecute()
{
    if (ShowDialog<TZOKPrefsDialogForm>(this) != TVURDialogForm::mrOk)
        return;
    const QString chosen = ChosenLanguage();
    if (chosen != LangManager()->CurrentLanguage() && IsLanguageAvailable(chosen))
        LangManager()->SetLanguage(chosen);
    // Texts and settings reach every window, whether the language changed or not.
    LanguageChanged();
}

void TZOKMainForm::HelpMizarhttpActionExecute()
{
    VURShell::ShellOpen(this, MizarHomePage());
}

void TZOKMainForm::LoadSettings(IVURSettings &reader)
{
    TVURAppScriptForm::LoadSettings(reader);
    LoadMiscSettings(reader, GetSettingsRoot());
}

void TZOKMainForm::SaveSettings(IVURSettings &writer)
{
    TVURAppScriptForm::SaveSettings(writer);
    SaveMiscSettings(writer, GetSettingsRoot());
}
