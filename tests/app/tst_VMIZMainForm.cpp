// The program's main window over the real article windows: the Mizar and
// Help menus, the toolbar groups, File New with the template and the open
// rules.
#include "EventLoop.h"
#include "MessageBoxRecorder.h"
#include "FileDialogDriver.h"
#include "ModalDriver.h"
#include "ZOKPrefsDialog.h"
#include "VMIZApp.h"
#include "VMIZMainForm.h"
#include "VURAppGUI.h"
#include "VURChildEditSyn.h"
#include "VURLang.h"
#include "VURRecents.h"
#include "VURToolbarScript.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <unistd.h>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VMIZMainForm";
char *g_argv[] = {g_arg0, nullptr};

QStringList Entries(QMenu *menu)
{
    QStringList entries;
    for (QAction *action : menu->actions()) {
        if (action->isVisible())
            entries.append(action->isSeparator() ? QStringLiteral("-") : action->text().trimmed());
    }
    return entries;
}

} // namespace

class tst_VMIZMainForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void mizarMenu();
    void editAndHelpMenus();
    void toolbarGroups();
    void fileNew();
    void missingFile();
    void unreadableFile();
    void openSeveralWithOneAlreadyOpen();
    void preferencesSwitchTheLanguage();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TVMIZApp> m_app;
    std::unique_ptr<TVMIZMainForm> m_form;
};

void tst_VMIZMainForm::init()
{
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QStringLiteral("/quill-miz/settings.json"));
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_app = std::make_unique<TVMIZApp>(g_argc, g_argv);
    SetCurrentApp(m_app.get());
    m_form = std::make_unique<TVMIZMainForm>();
    m_app->SetMainWindow(m_form.get());
    m_form->FormCreate();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    RunEventLoopFor(50);
}

void tst_VMIZMainForm::cleanup()
{
    m_form.reset();
    SetCurrentApp(nullptr);
    m_app.reset();
}

void tst_VMIZMainForm::mizarMenu()
{
    QMenu *mizar = m_form->ProcessMenu();
    QCOMPARE(mizar->title(), QStringLiteral("Mi&zar"));
    QCOMPARE(Entries(mizar),
             QStringList({"Run &verifier", "Run &detectors...", "-", "Detect inaccessible ite&ms",
                          "Detect irrelevant inf&erences", "Detect irrelevant iter&ative steps",
                          "Detect &irrelevant premises", "Detect &trivial proofs", "Detect irrelevant la&bels",
                          "Detect irrelevant \"v&ocabularies\" directives",
                          "Detect irrelevant \"t&heorems\" and \"schemes\" directives", "-", "&First issue",
                          "&Previous issue", "&Next issue", "&Last issue", "-", "Clea&r issues"}));
    QCOMPARE(mizar->actions().at(0)->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(mizar->actions().at(1)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F9));
    // Nothing to run without an article window.
    RunEventLoopFor(30);
    for (QAction *action : mizar->actions())
        QVERIFY2(action->isSeparator() || !action->isEnabled(), qPrintable(action->text()));
    // With one, the commands are its own.
    QAction *verifier = mizar->actions().at(0);
    m_form->MainAction("FileNewAction")->trigger();
    RunEventLoopFor(30);
    QVERIFY(verifier->isEnabled());
    QCOMPARE(m_form->BoundAction(verifier), m_form->ActiveChildForm()->ChildAction(QStringLiteral("MizarRunVerifierAction")));
    QVERIFY(m_form->BoundAction(m_form->ChildProxy("MizarIrrThsAction")));
    // Polish names the menu the same.
    LangManager()->SetLanguage(QStringLiteral("plk"));
    m_form->LanguageChanged();
    QCOMPARE(mizar->title(), QStringLiteral("Mi&zar"));
    QCOMPARE(mizar->actions().at(0)->text().trimmed(), QStringLiteral("Uruchom &weryfikator"));
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VMIZMainForm::editAndHelpMenus()
{
    const QStringList edit = Entries(m_form->EditMenu());
    const qsizetype unindent = edit.indexOf(QStringLiteral("U&nindent block"));
    QCOMPARE(edit.mid(unindent, 5), QStringList({"U&nindent block", "-", "Comment &block", "Uncomment bloc&k", "-"}));
    QCOMPARE(edit.at(unindent + 5), QStringLiteral("Nor&mal blocks"));
    QCOMPARE(Entries(m_form->HelpMenu()).mid(0, 6),
             QStringList({"&Contents...", "&Index...", "-", "Synta&x Help", "Mi&zar home page...", "-"}));
    QCOMPARE(m_form->ChildProxy("HelpContextAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    QCOMPARE(m_form->ChildProxy("EditBlockCommentAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period));
}

void tst_VMIZMainForm::toolbarGroups()
{
    auto *pane = qobject_cast<TVURToolbarScriptPane *>(m_form->ToolbarPane());
    QVERIFY(pane);
    const QStringList order = pane->ButtonOrder();
    const qsizetype comment = order.indexOf(QStringLiteral("CommentBarToolButton"));
    QCOMPARE(order.mid(comment, 4), QStringList({"CommentBarToolButton", "CommentToolButton", "UncommentToolButton", "-"}));
    QCOMPARE(order.at(comment + 4), QStringLiteral("EditFindToolButton"));
    const qsizetype mizar = order.indexOf(QStringLiteral("MizarBarToolButton"));
    QCOMPARE(order.mid(mizar, 5),
             QStringList({"MizarBarToolButton", "MizarToolButton", "DetectorsToolButton", "-", "ProcessMsgFirstToolButton"}));
    QCOMPARE(pane->Button(QStringLiteral("MizarToolButton"))->toolTip(), QStringLiteral("Run verifier"));
}

void tst_VMIZMainForm::fileNew()
{
    m_form->MainAction("FileNewAction")->trigger();
    m_form->MainAction("FileNewAction")->trigger();
    RunEventLoopFor(30);
    const QList<TVURChildMDIForm *> windows = m_form->ChildWindows();
    QCOMPARE(windows.size(), 2);
    for (int i = 0; i < 2; ++i) {
        auto *article = qobject_cast<TVURChildEditSynForm *>(windows.at(i));
        QVERIFY(article);
        QVERIFY(article->GetUntitled());
        QVERIFY(!article->GetModified());
        QVERIFY(article->GetFileName().contains(QString::number(i + 1)));
        QCOMPARE(article->SynEdit()->text(0).trimmed(), QStringLiteral("environ"));
        QCOMPARE(article->SynEdit()->text(1).trimmed(), QString());
        QCOMPARE(article->SynEdit()->text(2).trimmed(), QStringLiteral("begin"));
    }
}

void tst_VMIZMainForm::missingFile()
{
    const QString missing = m_dir.filePath(QStringLiteral("gone.miz"));
    MessageBoxRecorder boxes;
    bool stop = false;
    m_form->OpenOrActivateFile(missing, stop);
    QCOMPARE(boxes.texts, QStringList({"File\n\"" + missing + "\"\ndoesn't exist."}));
    QVERIFY(m_form->ChildWindows().isEmpty());
    QCOMPARE(m_form->Recents()->List().Count(), 0);
}

void tst_VMIZMainForm::unreadableFile()
{
    if (geteuid() == 0)
        QSKIP("permissions do not bind root (the unprivileged test entry runs this)");
    const QString secret = m_dir.filePath(QStringLiteral("secret.miz"));
    QFile file(secret);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("environ\nbegin\n");
    file.close();
    QVERIFY(QFile::setPermissions(secret, QFile::WriteOwner));
    MessageBoxRecorder boxes;
    bool stop = false;
    // As a command does it: the error ends in the program's error box.
    TVURApplication::RunReportingErrors([&] { m_form->OpenOrActivateFile(secret, stop); });
    QCOMPARE(boxes.texts, QStringList({"Cannot read file:\n\"" + secret + "\".\n\nAccess denied."}));
    QVERIFY(m_form->ChildWindows().isEmpty());
    QCOMPARE(m_form->Recents()->List().Count(), 0);
}

void tst_VMIZMainForm::openSeveralWithOneAlreadyOpen()
{
    for (const char *name : {"a.miz", "b.miz"}) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("environ\nbegin\n");
    }
    bool stop = false;
    m_form->OpenOrActivateFile(m_dir.filePath(QStringLiteral("a.miz")), stop);
    QCOMPARE(m_form->ChildWindows().size(), 1);
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::No}) {
        const auto files = ChooseFile(QStringLiteral("\"a.miz\" \"b.miz\""));
        QString question;
        const auto box = AnswerBox(answer, &question);
        m_form->FileOpenActionExecute();
        QVERIFY(files->Done());
        QCOMPARE(question, QStringLiteral("Selected file is already opened.\nSwitch to its window?"));
        // Cancel stops before b.miz; No goes on to it.
        QCOMPARE(m_form->ChildWindows().size(), answer == QMessageBox::Cancel ? 1 : 2);
    }
}

void tst_VMIZMainForm::preferencesSwitchTheLanguage()
{
    m_form->MainAction("FileNewAction")->trigger();
    RunEventLoopFor(30);
    const auto choosePolish = [](bool accept) {
        return std::make_unique<ModalDriver>([accept](QWidget *modal) {
            auto *dialog = qobject_cast<TZOKPrefsDialogForm *>(modal);
            if (!dialog)
                return false;
            auto *languages = dialog->findChild<QListWidget *>(QStringLiteral("AppLangsListBox"));
            languages->setCurrentRow(int(LangManager()->Languages().indexOf(QStringLiteral("plk"))));
            (accept ? dialog->AcceptButton() : dialog->CancelButton())->click();
            return true;
        });
    };
    {
        const auto cancel = choosePolish(false);
        m_form->MainAction("EditPrefsAction")->trigger();
        QVERIFY(cancel->Done());
    }
    QCOMPARE(m_form->FileMenu()->title(), QStringLiteral("&File"));
    {
        const auto accept = choosePolish(true);
        m_form->MainAction("EditPrefsAction")->trigger();
        QVERIFY(accept->Done());
    }
    QCOMPARE(LangManager()->CurrentLanguage(), QStringLiteral("plk"));
    QCOMPARE(m_form->FileMenu()->title(), QStringLiteral("&Plik"));
    QCOMPARE(m_form->ProcessMenu()->actions().at(0)->text().trimmed(), QStringLiteral("Uruchom &weryfikator"));
    // The article windows were told too.
    QCOMPARE(m_form->ChildWindows().first()->ChildAction(QStringLiteral("ProcessMsgNextAction"))->text().remove(QLatin1Char('&')).trimmed(),
             QStringLiteral("Następna uwaga"));
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

int main(int argc, char **argv)
{
    // The program opens its command-line arguments as files: the test
    // functions named there are for QtTest alone.
    int applicationArgc = 1;
    QApplication application(applicationArgc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    tst_VMIZMainForm test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_VMIZMainForm.moc"
