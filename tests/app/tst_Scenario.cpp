// A working session with the whole program, as main() starts it: an article
// from the command line, the verifier on the stand-in Mizar, the first
// issue, clearing the issues, saving, preferences in Polish with other
// colours, a detector run with one detector, a moved window, and exit. Then
// the article on disk, the settings written at exit, and a second start
// that brings everything back.
#include "EventLoop.h"
#include "ModalDriver.h"
#include "StandInInstallation.h"
#include "VMIZApp.h"
#include "VMIZDetectors.h"
#include "VMIZFiles.h"
#include "VMIZMainForm.h"
#include "VURChildEditSyn.h"
#include "VURLang.h"
#include "VURRecents.h"
#include "VURRegistry.h"
#include "VURSynEdit.h"
#include "ZOKPrefsDialog.h"

#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");
const QRect kPlacement(60, 50, 700, 480);

const QByteArray kArticle = "environ\n"
                            " vocabularies XBOOLE_0;\n"
                            "begin\n"
                            "theorem Th1: for X being set holds X c= X\n"
                            "proof\n"
                            "  let X be set;\n"
                            "  thus thesis;\n"
                            "end;\n";

TVMIZMainForm *MainForm()
{
    auto *app = dynamic_cast<TVURAppGUI *>(GetApp());
    return app ? qobject_cast<TVMIZMainForm *>(app->MainWindow()) : nullptr;
}

// Runs the program as main() does, with the steps run once it is idle.
int RunProgram(const QStringList &arguments, const std::function<void(TVMIZMainForm *)> &steps)
{
    static QList<QByteArray> storage;
    storage.clear();
    storage.append(QByteArrayLiteral("quill-miz"));
    for (const QString &argument : arguments)
        storage.append(argument.toLocal8Bit());
    static std::vector<char *> argv;
    argv.clear();
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    static int argc;
    argc = int(storage.size());
    VMIZFiles::LoadMizarMessages();
    return RunApp([&steps] {
        auto app = std::make_unique<TVMIZApp>(argc, argv.data());
        QTimer::singleShot(0, [&steps] {
            TVMIZMainForm *form = MainForm();
            RunEventLoopFor(200);
            steps(form);
            if (TVMIZMainForm *still = MainForm())
                still->MainAction("ProgramExitAction")->trigger();
        });
        return app;
    });
}

QStringList IssueLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("::>")))
            lines.append(line);
    }
    return lines;
}

} // namespace

class tst_Scenario : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workingSessionAndRestart();
};

void tst_Scenario::workingSessionAndRestart()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), kArticle);
    folder.Script(QStringLiteral("ring_1"), "verifier issue 7 8 4\n");
    const QString article = folder.File(QStringLiteral("ring_1.miz"));
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));

    QStringList withIssues;
    int firstIssueLine = -1;
    QString afterClear;
    bool saved = false;
    QString polishMenu;
    const int firstExit = RunProgram({article}, [&](TVMIZMainForm *form) {
        QVERIFY(form);
        QVERIFY(RunEventLoopUntil([form] { return form->ChildWindows().size() == 1; }));
        auto *editor = qobject_cast<TVURChildEditSynForm *>(form->ActiveChildForm());
        QVERIFY(editor);
        RunEventLoopFor(50);
        form->ChildProxy("MizarRunVerifierAction")->trigger();
        QVERIFY(RunEventLoopUntil([editor] { return !IssueLines(editor->Text()).isEmpty(); }, 20000));
        withIssues = IssueLines(editor->Text());
        editor->SynEdit()->setCursorPosition(0, 0);
        RunEventLoopFor(30);
        form->ChildProxy("ProcessMsgFirstAction")->trigger();
        int index = 0;
        editor->SynEdit()->getCursorPosition(&firstIssueLine, &index);
        {
            const auto yes = AnswerBox(QMessageBox::Yes);
            form->ChildProxy("ProcessMsgClearAction")->trigger();
        }
        afterClear = editor->Text();
        RunEventLoopFor(30);
        form->ChildProxy("FileSaveAction")->trigger();
        saved = !editor->GetModified();

        // A detector run with only "relprem" chosen.
        {
            const ModalDriver choose([](QWidget *modal) {
                auto *dialog = qobject_cast<TVMIZDetectorsDialog *>(modal);
                if (!dialog)
                    return false;
                auto *list = dialog->findChild<QListWidget *>(QStringLiteral("ChecksListBox"));
                for (int i = 0; i < list->count(); ++i)
                    list->item(i)->setCheckState(VMIZDetectors::DetectorName(i) == QStringLiteral("relprem") ? Qt::Checked : Qt::Unchecked);
                dialog->AcceptButton()->click();
                return true;
            });
            form->ChildProxy("MizarRunAllChecksAction")->trigger();
            RunEventLoopFor(300);
        }

        // Preferences: Polish, reserved words without bold.
        {
            const ModalDriver prefs([](QWidget *modal) {
                auto *dialog = qobject_cast<TZOKPrefsDialogForm *>(modal);
                if (!dialog)
                    return false;
                auto *languages = dialog->findChild<QListWidget *>(QStringLiteral("AppLangsListBox"));
                languages->setCurrentRow(int(LangManager()->Languages().indexOf(QStringLiteral("plk"))));
                auto *colors = dialog->findChild<QListWidget *>(QStringLiteral("ColorsListBox"));
                colors->setCurrentItem(colors->findItems(QStringLiteral("Reserved words"), Qt::MatchExactly).value(0));
                dialog->findChild<QCheckBox *>(QStringLiteral("BoldCheckBox"))->click();
                dialog->AcceptButton()->click();
                return true;
            });
            form->MainAction("EditPrefsAction")->trigger();
        }
        polishMenu = form->FileMenu()->title();

        form->showNormal();
        form->setGeometry(kPlacement);
        RunEventLoopFor(100);
    });
    QCOMPARE(firstExit, 0);
    // The marker under line 7, then the explanation at the end.
    QCOMPARE(withIssues.size(), 3);
    QVERIFY(withIssues.last().contains(QStringLiteral("4:")));
    QVERIFY(withIssues.first().contains(QStringLiteral("*4")));
    QCOMPARE(firstIssueLine, 7);
    QVERIFY(IssueLines(afterClear).isEmpty());
    QVERIFY(saved);
    QCOMPARE(polishMenu, QStringLiteral("&Plik"));

    // The article on disk is the original again.
    QCOMPARE(folder.Read(QStringLiteral("ring_1.miz")), kArticle);

    // The settings tree written at exit.
    TVURRegistry store;
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), false));
    QCOMPARE(store.ReadString(QStringLiteral("Current"), QString()), QStringLiteral("plk"));
    store.CloseSection();
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("MainWindow"), false));
    QVERIFY(!store.ReadBool(QStringLiteral("Maximized"), true));
    QCOMPARE(store.ReadInteger(QStringLiteral("Width"), 0), kPlacement.width());
    store.CloseSection();
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Recents"), false));
    QCOMPARE(store.ReadString(QStringLiteral("File0"), QString()), article);
    store.CloseSection();
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Colors\\Reserved Word"), false));
    QVERIFY(!store.ReadBool(QStringLiteral("Bold"), true));
    store.CloseSection();
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Detectors"), false));
    QVERIFY(store.ReadBool(QStringLiteral("relprem"), false));
    QVERIFY(!store.ReadBool(QStringLiteral("chklab"), true));
    store.CloseSection();

    // A second start brings it all back.
    VMIZDetectors::Selection().fill(true);
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QString language;
    QRect placement;
    bool maximized = true;
    QString recent;
    bool bold = true;
    std::array<bool, VMIZDetectors::kDetectorCount> detectors{};
    const int secondExit = RunProgram({}, [&](TVMIZMainForm *form) {
        QVERIFY(form);
        language = LangManager()->CurrentLanguage();
        placement = form->normalGeometry();
        maximized = form->isMaximized();
        recent = form->Recents()->List().Count() > 0 ? form->Recents()->List().At(0)->FileName() : QString();
        bold = SharedHighlighter()->AttributeByName(QStringLiteral("Reserved Word"))->FontStyle().testFlag(TSynHighlighterAttributes::Bold);
        detectors = VMIZDetectors::Selection();
    });
    QCOMPARE(secondExit, 0);
    QCOMPARE(language, QStringLiteral("plk"));
    QVERIFY(!maximized);
    QCOMPARE(placement.size(), kPlacement.size());
    QCOMPARE(recent, article);
    QVERIFY(!bold);
    for (int i = 0; i < VMIZDetectors::kDetectorCount; ++i)
        QCOMPARE(detectors[i], VMIZDetectors::DetectorName(i) == QStringLiteral("relprem"));
}

int main(int argc, char **argv)
{
    // The program makes its own application objects; this one only hosts
    // the test.
    tst_Scenario test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Scenario.moc"
