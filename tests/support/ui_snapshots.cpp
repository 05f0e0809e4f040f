// Saves pictures of the windows as a user sees them, for a person to look
// at: `ui_snapshots DIR` under Xvfb or with the offscreen platform.
#include "EventLoop.h"
#include "ModalDriver.h"
#include "StandInInstallation.h"
#include "TestChildHost.h"
#include "VURChildEditSyn.h"
#include "VMIZChildEdit.h"
#include "VMIZDetectors.h"
#include "VMIZHelpContext.h"
#include "VURSearchConfirm.h"
#include "VURSearchIncremental.h"
#include "VURSearchLine.h"
#include "VURSearchReplace.h"
#include "VURSearchState.h"
#include "ZOKChildEdit.h"
#include "VMIZHighlighter.h"
#include "VMIZRun.h"
#include "VUREditorSettings.h"
#include "VURSynEdit.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURStatusbar.h"
#include "VMIZMainForm.h"
#include "VMIZApp.h"
#include "ZOKApp.h"
#include <QFileInfo>
#include "VURAppMDIForm.h"
#include "VURToolbarImages.h"
#include "ZOKPrefsDialog.h"
#include <QPainter>
#include <QMdiArea>
#include <QMenuBar>

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString g_dir;

void Save(QWidget *widget, const QString &name)
{
    widget->grab().save(g_dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void MessageBoxes()
{
    for (const char *language : {"enu", "plk"}) {
        LangManager()->SetLanguage(QString::fromLatin1(language));
        {
            ModalDriver driver([language](QWidget *box) {
                RunEventLoopFor(100);
                Save(box, QStringLiteral("error-box-") + QString::fromLatin1(language));
                box->close();
            });
            ShowError(QStringLiteral("<PLK>Nie znaleziono programu %s\\nw %s.<ENU>Program %s not found\\nin %s."));
        }
        {
            ModalDriver driver([language](QWidget *box) {
                RunEventLoopFor(100);
                Save(box, QStringLiteral("confirm-box-") + QString::fromLatin1(language));
                box->close();
            });
            AskYesNoCancel(QStringLiteral("<PLK>Zapisać zmiany w pliku \"ring_1.miz\"?<ENU>Save changes to \"ring_1.miz\"?"));
        }
        {
            ModalDriver driver([language](QWidget *box) {
                RunEventLoopFor(100);
                Save(box, QStringLiteral("write-protected-box-") + QString::fromLatin1(language));
                box->close();
            });
            ShowError(FormatArgumentsFromRight(
                TranslateText(QStringLiteral(
                    "<PLK>Artykuł jest chroniony przed zapisem:\\n\"%s\".\\n\\nMizar zapisuje w nim znalezione "
                    "błędy, więc nie można go sprawdzić.<ENU>The article is write-protected:\\n\"%s\".\\n\\nMizar "
                    "writes the issues it finds into the article, so it cannot be checked.")),
                {QStringLiteral("/home/author/mizar/articles/ring_1.miz")}));
        }
    }
}

void RunWindow()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    QByteArray article;
    for (int i = 0; i < 400; ++i)
        article += "  x in A1;\n";
    folder.Write(QStringLiteral("ring_1.miz"), article);
    folder.Script(QStringLiteral("ring_1"), "verifier issue 12 5 4\nverifier issue 100 3 144\nverifier wait\n");
    for (const char *language : {"enu", "plk"}) {
        LangManager()->SetLanguage(QString::fromLatin1(language));
        auto form = MakeForm<TVMIZRunForm>();
        form->SetMizarDir(mizar.Dir());
        form->SetProgramFile(QStringLiteral("verifier"));
        form->SetWorkingDirectory(folder.Path());
        form->SetArguments({QStringLiteral("ring_1")});
        QTimer::singleShot(1200, form.get(), [&form, language] {
            Save(form.get(), QStringLiteral("run-window-") + QString::fromLatin1(language));
            form->CancelButton()->click();
        });
        form->ShowModal();
    }
}

void StatusBar()
{
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QMainWindow window;
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("article window area")), 1);
    auto *pane = NewForm<TVURStatusbarPane>();
    layout->addWidget(pane);
    window.setCentralWidget(central);
    window.resize(640, 120);
    window.show();
    RunEventLoopFor(200);
    pane->SetInfoText(QStringLiteral("12: 5"));
    pane->ShowMessage(QStringLiteral("3 issues found"), VURColors::kDarkRed, true, false);
    RunEventLoopFor(100);
    Save(&window, QStringLiteral("statusbar-held"));
    pane->ShowMessage(QStringLiteral("Program verifier not found\r\nin /usr/local/share/mizar/ -- please check the "
                                     "MIZFILES setting and the PATH of this session"),
                      VURColors::kDarkRed, true, false);
    RunEventLoopFor(100);
    Save(&window, QStringLiteral("statusbar-long"));
}

void HighlightedSample()
{
    TVMIZHighlighter highlighter;
    QsciScintilla editor;
    editor.setUtf8(true);
    QString sample = ExpandSample(highlighter.GetSampleText(), EditorSettings().tabWidth);
    sample.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    editor.setText(sample);
    ApplyEditorSettings(&editor, EditorSettings(), &highlighter);
    editor.resize(560, 300);
    editor.show();
    RunEventLoopFor(200);
    Save(&editor, QStringLiteral("editor-sample"));
}

void EditorWindows()
{
    LangManager()->SetLanguage(QStringLiteral("enu"));
    TVMIZHighlighter highlighter;
    TestChildHost host;
    host.resize(900, 560);
    host.Area()->resize(900, 560);
    host.show();
    ArticleFolder folder;
    TVMIZHighlighter sampleSource;
    QString sample = ExpandSample(sampleSource.GetSampleText(), 2);
    sample.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    folder.Write(QStringLiteral("ring_1.miz"), sample.toUtf8());

    auto *untitled = NewForm<TVURChildEditSynForm>(&host);
    untitled->InitUntitled(host.NextUntitledNumber());
    untitled->SetText(QStringLiteral("environ\n\nbegin\n\n:: a new article\n"));
    ApplyEditorSettings(untitled->SynEdit(), EditorSettings(), &highlighter);

    auto *named = NewForm<TVURChildEditSynForm>(&host);
    named->OpenFile(folder.File(QStringLiteral("ring_1.miz")));
    ApplyEditorSettings(named->SynEdit(), EditorSettings(), &highlighter);
    for (int n : {1, 2}) {
        named->SynEdit()->setCursorPosition(n == 1 ? 3 : 8, 0);
        named->ChildAction(QStringLiteral("BookmarkInsert%1Action").arg(n))->trigger();
    }
    named->SynEdit()->insert(QStringLiteral(" "));
    named->SetSelectionMode(TVURChildEditSynForm::SelectionMode::Column);
    named->SynEdit()->SendScintilla(QsciScintilla::SCI_SETRECTANGULARSELECTIONANCHOR,
                                    named->SynEdit()->positionFromLineIndex(4, 7));
    named->SynEdit()->SendScintilla(QsciScintilla::SCI_SETRECTANGULARSELECTIONCARET,
                                    named->SynEdit()->positionFromLineIndex(7, 17));
    host.Area()->tileSubWindows();
    RunEventLoopFor(300);
    Save(&host, QStringLiteral("editor-windows"));
}

void ArticleWithIssues()
{
    LangManager()->SetLanguage(QStringLiteral("enu"));
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
    TestChildHost host;
    host.resize(700, 460);
    host.Area()->resize(700, 460);
    host.show();
    QString text;
    for (int i = 1; i <= 120; ++i) {
        text += QStringLiteral("  hence x%1 in A%1 by A2, TARSKI:def 3;\n").arg(i);
        if (i % 23 == 0)
            text += QStringLiteral("::>                      *4,144\n");
    }
    text += QStringLiteral("end;\n::>\n::> 4: This inference is not accepted\n::> 144: Unknown label\n");
    auto *article = NewForm<TZOKChildEditForm>(&host);
    article->InitUntitled(1);
    article->SetText(text);
    article->SetModified(false);
    article->SynEdit()->setCursorPosition(20, 0);
    article->ProcessMsgNextActionExecute();
    RunEventLoopFor(300);
    Save(&host, QStringLiteral("article-issues"));
    ReleaseSharedHighlighter();
}

// A host with a status bar, so the chain's messages can be seen.
class StatusChildHost : public TestChildHost
{
public:
    StatusChildHost() : m_status(NewForm<TVURStatusbarPane>(this)) {}
    void ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority) override
    {
        TestChildHost::ShowStatusMessage(text, color, hold, lowPriority);
        m_status->ShowMessage(text, color, hold, lowPriority);
    }
    void ShowStatusInfo(const QString &text) override { m_status->SetInfoText(text); }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        const int barHeight = m_status->sizeHint().height();
        Area()->setGeometry(0, 0, width(), height() - barHeight);
        m_status->setGeometry(0, height() - barHeight, width(), barHeight);
    }

private:
    TVURStatusbarPane *m_status;
};

// An article before the verifier runs, the run window while it runs, and
// the article with its issues and the count afterwards.
void VerificationSequence()
{
    LangManager()->SetLanguage(QStringLiteral("enu"));
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
    StandInInstallation mizar;
    ArticleFolder folder;
    QByteArray text = "environ\n vocabularies XBOOLE_0, TARSKI;\nbegin\n";
    for (int i = 1; i <= 30; ++i) {
        text += "theorem Th" + QByteArray::number(i) + ":\n  for X being set holds X c= X\nproof\n"
                "  let X be set;\n  thus thesis by A" + QByteArray::number(i) + ", TARSKI:def 3;\nend;\n";
    }
    folder.Write(QStringLiteral("ring_1.miz"), text);
    folder.Script(QStringLiteral("ring_1"), "verifier issue 8 33 144\nverifier issue 14 20 4\n"
                                            "verifier issue 14 33 144\nverifier delay 400\n");
    StatusChildHost host;
    // The status routines reach the host as the program's main window.
    auto *app = static_cast<TVURAppGUI *>(GetApp());
    app->SetMainWindow(&host);
    host.resize(760, 480);
    host.show();
    auto *article = NewForm<TVMIZChildEditForm>(&host);
    article->OpenFile(folder.File(QStringLiteral("ring_1.miz")));
    ApplyEditorSettings(article->SynEdit(), EditorSettings(), SharedHighlighter());
    RunEventLoopFor(300);
    Save(&host, QStringLiteral("chain-1-before"));
    ModalDriver runWindow([](QWidget *modal) {
        auto *form = qobject_cast<TVMIZRunForm *>(modal);
        if (!form || !form->ProgramPath().endsWith(QStringLiteral("/verifier")))
            return false;
        RunEventLoopFor(1000);
        Save(form, QStringLiteral("chain-2-run-window"));
        return true;
    });
    article->MizarRunVerifierActionExecute();
    RunEventLoopFor(300);
    Save(&host, QStringLiteral("chain-3-after"));
    app->SetMainWindow(nullptr);
    ReleaseSharedHighlighter();
}

void ShowAndSave(QWidget *dialog, const QString &name)
{
    dialog->show();
    RunEventLoopFor(150);
    Save(dialog, name);
    dialog->hide();
}

// The search, help and detector dialogs in both languages.
void Dialogs()
{
    TVURSearchState state;
    state.searchText = QStringLiteral("A1");
    state.findHistory = {QStringLiteral("A1"), QStringLiteral("TARSKI:def 3")};
    state.replaceText = QStringLiteral("A2");
    for (const char *code : {"enu", "plk"}) {
        const QString language = QString::fromLatin1(code);
        LangManager()->SetLanguage(language);
        auto find = MakeForm<TVURSearchFindForm>();
        find->LoadState(state);
        ShowAndSave(find.get(), QStringLiteral("find-") + language);
        auto replace = MakeForm<TVURSearchReplaceForm>();
        replace->LoadState(state);
        ShowAndSave(replace.get(), QStringLiteral("replace-") + language);
        auto confirm = MakeForm<TVURSearchConfirmForm>();
        confirm->SetSearchText(QStringLiteral("x & y"));
        ShowAndSave(confirm.get(), QStringLiteral("confirm-") + language);
        auto topics = MakeForm<TVMIZHelpContextDialog>(nullptr, QStringLiteral("end"));
        topics->AddTopic(QStringLiteral("structure.html#end"));
        topics->AddTopic(QStringLiteral("proofs.html#end"));
        ShowAndSave(topics.get(), QStringLiteral("topics-") + language);
        auto line = MakeForm<TVURSearchLineForm>(nullptr, 1, 1405);
        ShowAndSave(line.get(), QStringLiteral("goto-line-") + language);
        auto incremental = MakeForm<TVURSearchIncrementalForm>();
        ShowAndSave(incremental.get(), QStringLiteral("incremental-") + language);
        VMIZDetectors::Selection().fill(true);
        auto detectors = MakeForm<TVMIZDetectorsDialog>();
        ShowAndSave(detectors.get(), QStringLiteral("detectors-") + language);
    }
}

void SaveModal(const QString &name)
{
    // Waits for the next modal window, pictures it and closes it.
    auto *driver = new ModalDriver([name](QWidget *modal) {
        RunEventLoopFor(300);
        Save(modal, name);
        modal->close();
    });
    QTimer::singleShot(5000, [driver] { delete driver; });
}

// The program's main window with three articles, their tabs, the Window
// menu, the window list and the about window, in both languages.
void MainWindow()
{
    ArticleFolder folder;
    TVMIZHighlighter source;
    QString sample = ExpandSample(source.GetSampleText(), 2);
    sample.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    folder.Write(QStringLiteral("ring_1.miz"), sample.toUtf8());
    folder.Write(QStringLiteral("xboole_0.miz"), "environ\nbegin\n");
    folder.Write(QStringLiteral("card_fil.miz"), "environ\nbegin\n");
    for (const char *language : {"enu", "plk"}) {
        const QString suffix = QLatin1Char('-') + QLatin1String(language);
        LangManager()->SetLanguage(QString::fromLatin1(language));
        TVMIZMainForm form;
        static_cast<TVURAppGUI *>(GetApp())->SetMainWindow(&form);
        form.FormCreate();
        LangManager()->SetLanguage(QString::fromLatin1(language));
        form.LanguageChanged();
        form.showNormal();
        form.resize(900, 600);
        RunEventLoopFor(200);
        for (const char *name : {"xboole_0.miz", "card_fil.miz", "ring_1.miz"})
            form.OpenFileInNewWindow(folder.File(QString::fromLatin1(name)));
        if (auto *article = qobject_cast<TVMIZChildEditForm *>(form.ChildWindows().value(2)))
            article->SetModified(true);
        RunEventLoopFor(300);
        Save(&form, QStringLiteral("main-window") + suffix);
        const QList<std::pair<QMenu *, const char *>> menus = {
            {form.FileMenu(), "file-menu"},     {form.EditMenu(), "edit-menu"},
            {form.SearchMenu(), "search-menu"}, {form.MacroMenu(), "macro-menu"},
            {form.ProcessMenu(), "process-menu"}, {form.WindowMenu(), "window-menu"}};
        for (const auto &[menu, name] : menus) {
            const QString file = QLatin1String(name) + suffix;
            QTimer::singleShot(300, [menu, file] {
                if (menu->isVisible()) {
                    Save(menu, file);
                    menu->close();
                }
            });
            menu->exec(form.mapToGlobal(QPoint(200, 30)));
        }
        SaveModal(QStringLiteral("window-list") + suffix);
        form.MainAction("WindowListAction")->trigger();
        SaveModal(QStringLiteral("about") + suffix);
        form.MainAction("HelpAboutAction")->trigger();
        for (QMdiSubWindow *sub : form.ClientArea()->subWindowList()) {
            if (auto *article = qobject_cast<TVMIZChildEditForm *>(sub->widget()))
                article->SetModified(false);
        }
        static_cast<TVURAppGUI *>(GetApp())->SetMainWindow(nullptr);
    }
}

// Every page of the preferences in both languages.
void Preferences()
{
    CreateSharedHighlighter();
    for (const char *language : {"enu", "plk"}) {
        LangManager()->SetLanguage(QString::fromLatin1(language));
        auto dialog = MakeForm<TZOKPrefsDialogForm>(nullptr);
        dialog->show();
        for (int page = 0; page < dialog->MasterPane()->GetPaneCount(); ++page) {
            dialog->MasterPane()->SetActivePageIndex(page);
            RunEventLoopFor(150);
            Save(dialog.get(), QStringLiteral("prefs-%1-%2").arg(page + 1).arg(QLatin1String(language)));
        }
        dialog->hide();
    }
}

// Every drawn toolbar picture at 16, 24 and 32 pixels, at twice the scale,
// and disabled.
void ToolbarIcons()
{
    const QStringList commands = VURToolbarImages::DrawnCommands();
    const int cell = 40;
    QImage sheet(cell * 5, cell * int(commands.size()), QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int row = 0; row < commands.size(); ++row) {
        const QIcon icon = VURToolbarImages::DrawnIcon(commands.at(row));
        int column = 0;
        for (int size : {16, 24, 32})
            painter.drawPixmap(column++ * cell + 4, row * cell + 4, icon.pixmap(QSize(size, size)));
        QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
        sharp.setDevicePixelRatio(1.0);
        painter.drawPixmap(column++ * cell + 4, row * cell + 4, sharp);
        painter.drawPixmap(column * cell + 4, row * cell + 4, icon.pixmap(QSize(16, 16), QIcon::Disabled));
    }
    painter.end();
    sheet.save(g_dir + QStringLiteral("/toolbar-icons.png"));
}

} // namespace

int main(int argc, char **argv)
{
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    // The main window opens the command line's files; the folder is none.
    int appArgc = 1;
    TVMIZApp app(appArgc, argv);
    SetCurrentApp(&app);
    QApplication::setWindowIcon(VURToolbarImages::DrawnIcon(QStringLiteral("Application")));
    LangManager()->SetCommandLineOverride(QStringList());
    MessageBoxes();
    RunWindow();
    StatusBar();
    HighlightedSample();
    EditorWindows();
    ArticleWithIssues();
    VerificationSequence();
    Dialogs();
    MainWindow();
    ToolbarIcons();
    Preferences();
    SetCurrentApp(nullptr);
    return 0;
}
