#include "EventLoop.h"
#include "MessageBoxRecorder.h"
#include "ModalDriver.h"
#include "VURKernel.h"
#include "VURAppGUI.h"
#include "VURAppGUIForm.h"
#include "VURLang.h"
#include "VURRecents.h"
#include "VURRegistry.h"
#include "VURStatusbar.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VURAppGUIForm";
char *g_argv[] = {g_arg0, nullptr};

const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");

class IdentityApp : public TVURAppGUI
{
public:
    IdentityApp() : TVURAppGUI(g_argc, g_argv) { SetCurrentApp(this); }
    ~IdentityApp() override { SetCurrentApp(nullptr); }
    QString GetInfo(int kind) const override
    {
        switch (kind) {
        case 1: return QStringLiteral("Quill::MIZ");
        case 2: return QStringLiteral("0.34.a");
        case 5: return company;
        case 8: return QStringLiteral("www.vur-software.eu");
        case 11: return QStringLiteral("quill-miz@vur-software.eu");
        default: return QString();
        }
    }
    QString company = QStringLiteral("VUR Software");
};

// A frame that records what it is asked to open; it cancels at `stopAt`.
class Frame : public TVURAppGUIForm
{
public:
    void OpenOrActivateFile(const QString &fileName, bool &stop) override
    {
        opened.append(fileName);
        stop = QFileInfo(fileName).fileName() == stopAt;
    }
    bool AcceptsDroppedFiles() const override { return true; }
    QStringList opened;
    QString stopAt;
};

QString SettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/quill-miz/settings.json");
}

QStringList MenuCaptions(QMenu *menu)
{
    QStringList captions;
    for (QAction *action : menu->actions()) {
        if (action->isVisible())
            captions.append(action->isSeparator() ? QStringLiteral("-") : action->text().trimmed());
    }
    return captions;
}

class Browser : public QObject
{
    Q_OBJECT
public:
    Browser() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~Browser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList opened;
public Q_SLOTS:
    void Open(const QUrl &url) { opened.append(url.toLocalFile()); }
};

} // namespace

class tst_VURAppGUIForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstStart();
    void maximizedKeepsItsNormalPlacement();
    void normalPlacementRestored();
    void barsRemembered();
    void texts_data();
    void texts();
    void companyEntryNeedsACompany();
    void aboutWindow();
    void noLanguages();
    void commandLine();
    void laterStart();
    void drops();
    void statusHint();
    void helpPages();
    void recentFilesKept();

private:
    std::unique_ptr<Frame> NewFrame()
    {
        auto frame = std::make_unique<Frame>();
        frame->FormCreate();
        return frame;
    }
    std::unique_ptr<IdentityApp> m_app;
};

void tst_VURAppGUIForm::init()
{
    QFile::remove(SettingsFile());
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_app = std::make_unique<IdentityApp>();
}

void tst_VURAppGUIForm::cleanup()
{
    m_app.reset();
}

void tst_VURAppGUIForm::firstStart()
{
    QRect designed;
    {
        auto frame = NewFrame();
        designed = frame->geometry();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QVERIFY(RunEventLoopUntil([&frame] { return frame->isMaximized(); }));
        QVERIFY(frame->StatusbarPane()->isVisible());
        QVERIFY(frame->ToolbarPane()->isVisibleTo(frame.get()));
        QVERIFY(frame->MainAction("StatusbarToggleAction")->isChecked());
    }
    TVURRegistry store(SettingsFile());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("MainWindow"), false));
    QCOMPARE(QRect(store.ReadInteger(QStringLiteral("Left"), -1), store.ReadInteger(QStringLiteral("Top"), -1),
                   store.ReadInteger(QStringLiteral("Width"), -1), store.ReadInteger(QStringLiteral("Height"), -1)),
             designed);
    QVERIFY(store.ReadBool(QStringLiteral("Maximized"), false));
}

void tst_VURAppGUIForm::maximizedKeepsItsNormalPlacement()
{
    {
        auto frame = NewFrame();
        frame->show();
        QVERIFY(RunEventLoopUntil([&frame] { return frame->isMaximized(); }));
        frame->showNormal();
        QVERIFY(RunEventLoopUntil([&frame] { return !frame->isMaximized(); }));
        frame->setGeometry(60, 70, 500, 400);
        RunEventLoopFor(50);
        frame->showMaximized();
        QVERIFY(RunEventLoopUntil([&frame] { return frame->isMaximized(); }));
    }
    auto frame = NewFrame();
    QCOMPARE(frame->geometry(), QRect(60, 70, 500, 400));
    QVERIFY(frame->StartsMaximized());
}

void tst_VURAppGUIForm::normalPlacementRestored()
{
    {
        TVURRegistry store(SettingsFile());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("MainWindow"), true));
        store.WriteInteger(QStringLiteral("Left"), 40);
        store.WriteInteger(QStringLiteral("Top"), 50);
        store.WriteInteger(QStringLiteral("Width"), 640);
        store.WriteInteger(QStringLiteral("Height"), 480);
        store.WriteBool(QStringLiteral("Maximized"), false);
        store.CloseSection();
    }
    auto frame = NewFrame();
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    RunEventLoopFor(50);
    QVERIFY(!frame->isMaximized());
    QCOMPARE(frame->geometry(), QRect(40, 50, 640, 480));
}

void tst_VURAppGUIForm::barsRemembered()
{
    {
        auto frame = NewFrame();
        frame->show();
        frame->MainAction("StatusbarToggleAction")->trigger();
        frame->MainAction("ToolbarToggleAction")->trigger();
        QVERIFY(!frame->StatusbarPane()->isVisible());
        QVERIFY(!frame->ToolbarPane()->isVisible());
    }
    TVURRegistry store(SettingsFile());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Views"), false));
    QCOMPARE(store.ReadBool(QStringLiteral("Statusbar"), true), false);
    QCOMPARE(store.ReadBool(QStringLiteral("Toolbar"), true), false);
    store.CloseSection();
    auto frame = NewFrame();
    frame->show();
    QVERIFY(!frame->StatusbarPane()->isVisible());
    QVERIFY(!frame->ToolbarPane()->isVisible());
    QVERIFY(!frame->MainAction("ToolbarToggleAction")->isChecked());
}

void tst_VURAppGUIForm::texts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("helpTitle");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("English") << "enu" << "&Help"
                             << QStringList{"&Contents...", "&Index...", "-", "-", "VUR Software on the internet...",
                                            "Mail product support...", "-", "&About..."};
    QTest::newRow("Polish") << "plk" << "Pomo&c"
                            << QStringList{"Z&awartość...", "&Indeks...", "-", "-", "VUR Software w internecie...",
                                           "Wyślij e-mail do pomocy technicznej...", "-", "&O programie..."};
}

void tst_VURAppGUIForm::texts()
{
    QFETCH(QString, language);
    QFETCH(QString, helpTitle);
    QFETCH(QStringList, entries);
    LangManager()->SetLanguage(language);
    {
        // The stored language is the one in force.
        TVURRegistry store(SettingsFile());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), true));
        store.WriteString(QStringLiteral("Current"), language);
        store.CloseSection();
    }
    auto frame = NewFrame();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Quill::MIZ 0.34.a"));
    QCOMPARE(frame->HelpMenu()->title(), helpTitle);
    QCOMPARE(frame->MainMenu()->actions().last(), frame->HelpMenu()->menuAction());
    QCOMPARE(MenuCaptions(frame->HelpMenu()), entries);
    // Padded: ten blanks after each caption.
    QVERIFY(frame->MainAction("HelpAboutAction")->text().endsWith(QStringLiteral("          ")));
    QCOMPARE(frame->MainAction("ProgramExitAction")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QCOMPARE(frame->MainAction("HelpContentsAction")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(frame->MainAction("StatusbarToggleAction")->property("category").toString(), QStringLiteral("Views"));
}

void tst_VURAppGUIForm::companyEntryNeedsACompany()
{
    m_app->company.clear();
    auto frame = NewFrame();
    QVERIFY(!frame->MainAction("HelpCompanyhttpAction")->isVisible());
    QVERIFY(frame->MainAction("HelpSupportmailtoAction")->isVisible());
    QCOMPARE(MenuCaptions(frame->HelpMenu()).mid(4), QStringList({"Mail product support...", "-", "&About..."}));
}

void tst_VURAppGUIForm::aboutWindow()
{
    auto frame = NewFrame();
    QStringList shown;
    bool modal = false;
    {
        const ModalDriver close([&](QWidget *window) {
            modal = window->isModal();
            for (QLabel *label : window->findChildren<QLabel *>())
                shown.append(label->text());
            qobject_cast<QDialog *>(window)->accept();
        });
        frame->MainAction("HelpAboutAction")->trigger();
        QVERIFY(close.Done());
    }
    QVERIFY(modal);
    QVERIFY(shown.contains(QStringLiteral("Quill::MIZ 0.34.a")));
    QVERIFY(shown.contains(QStringLiteral("www.vur-software.eu\nquill-miz@vur-software.eu")));
}

void tst_VURAppGUIForm::noLanguages()
{
    // A manager that knows no language: the window never comes up.
    InstallLangManager(std::make_unique<TVURLangManager>());
    MessageBoxRecorder boxes;
    int exitCode = -1;
    try {
        auto frame = NewFrame();
    } catch (const EVURTerminate &terminate) {
        exitCode = terminate.ExitCode();
    }
    auto restored = std::make_unique<TVURLangManager>();
    restored->RegisterLanguages();
    InstallLangManager(std::move(restored));
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QCOMPARE(exitCode, 6);
    QCOMPARE(boxes.texts, QStringList({"Error in application language support (no language files found)."}));
    QVERIFY(!QFile::exists(SettingsFile()));
}

void tst_VURAppGUIForm::commandLine()
{
    auto frame = NewFrame();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    frame->stopAt = QStringLiteral("b.miz");
    frame->OpenCommandLine({QStringLiteral("-lang:plk"), QStringLiteral("a.miz"), QStringLiteral("sub/../b.miz"),
                            QStringLiteral("c.miz")});
    QCOMPARE(frame->opened, QStringList({dir.filePath("a.miz"), dir.filePath("b.miz")}));
}

void tst_VURAppGUIForm::laterStart()
{
    auto frame = NewFrame();
    QTemporaryDir dir;
    for (const char *name : {"a.miz", "c.miz"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    frame->JvAppInstancesCmdLineReceived({dir.filePath("a.miz"), dir.filePath("b.miz"), dir.filePath("c.miz")});
    QCOMPARE(frame->opened, QStringList({dir.filePath("a.miz"), dir.filePath("c.miz")}));
}

void tst_VURAppGUIForm::drops()
{
    auto frame = NewFrame();
    QVERIFY(frame->acceptDrops());
    frame->stopAt = QStringLiteral("2.miz");
    frame->OpenDroppedFiles({QStringLiteral("/x/1.miz"), QStringLiteral("/x/2.miz"), QStringLiteral("/x/3.miz")});
    QCOMPARE(frame->opened, QStringList({"/x/1.miz", "/x/2.miz"}));
}

void tst_VURAppGUIForm::statusHint()
{
    auto frame = NewFrame();
    frame->show();
    QStatusTipEvent hint(QStringLiteral("Find next|Repeat last search / replace operation"));
    QApplication::sendEvent(frame.get(), &hint);
    QCOMPARE(frame->StatusbarPane()->MessageText(), QStringLiteral("Repeat last search / replace operation"));
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(frame.get(), &none);
    QCOMPARE(frame->StatusbarPane()->MessageText(), QStringLiteral("Ready"));
    // A held message survives the ready text for a while.
    frame->ShowStatusMessage(QStringLiteral("SORRY, issues found: 2"), VURColors::kDarkRed, true, false);
    frame->ShowStatusHint();
    QCOMPARE(frame->StatusbarPane()->MessageText(), QStringLiteral("SORRY, issues found: 2"));
}

void tst_VURAppGUIForm::helpPages()
{
    const QStringList english = TVURAppGUIForm::HelpFolderCandidates(QStringLiteral("enu"));
    const QString programDir = QCoreApplication::applicationDirPath();
    QCOMPARE(english.mid(0, 2), QStringList({programDir + "/tst_VURAppGUIForm_enu.help", programDir + "/tst_VURAppGUIForm.help"}));
    // The language's own folder when it exists, the common one otherwise.
    QDir(programDir).mkdir(QStringLiteral("tst_VURAppGUIForm_plk.help"));
    auto frame = NewFrame();
    QCOMPARE(frame->HelpFolder(), programDir + "/tst_VURAppGUIForm_enu.help");
    LangManager()->SetLanguage(QStringLiteral("plk"));
    frame->LanguageChanged();
    QCOMPARE(frame->HelpFolder(), programDir + "/tst_VURAppGUIForm_plk.help");
    Browser browser;
    frame->ShowHelpKeyword(QStringLiteral("SearchFind"));
    frame->MainAction("HelpIndexAction")->trigger();
    frame->MainAction("HelpContentsAction")->trigger();
    QCOMPARE(browser.opened, QStringList({programDir + "/tst_VURAppGUIForm_plk.help/SearchFind.html",
                                          programDir + "/tst_VURAppGUIForm_plk.help/index.html",
                                          programDir + "/tst_VURAppGUIForm_plk.help/contents.html"}));
    QDir(programDir).rmdir(QStringLiteral("tst_VURAppGUIForm_plk.help"));
}

void tst_VURAppGUIForm::recentFilesKept()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.miz"));
    {
        auto frame = NewFrame();
        frame->NoteRecentOpened(a);
        frame->NoteRecentClosed(a);
    }
    auto frame = NewFrame();
    QCOMPARE(frame->Recents()->List().Count(), 1);
    QCOMPARE(frame->Recents()->List().At(0)->FileName(), a);
}

QTEST_MAIN(tst_VURAppGUIForm)
#include "tst_VURAppGUIForm.moc"
