#include "EventLoop.h"
#include "FileDialogDriver.h"
#include "MessageBoxRecorder.h"
#include "ModalDriver.h"
#include "StandInInstallation.h"
#include "TestChildHost.h"
#include "VMIZChildEdit.h"
#include "VMIZDetectors.h"
#include "VMIZFiles.h"
#include "VMIZHighlighter.h"
#include "VMIZRun.h"
#include "VUREditorSettings.h"
#include "VURKernel.h"
#include "VURLang.h"
#include "VURMsgBar.h"
#include "VURSynEdit.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VMIZChildEdit";
char *g_argv[] = {g_arg0, nullptr};

const QByteArray kArticle = "environ\n"
                            " vocabularies XBOOLE_0;\n"
                            "begin\n"
                            "theorem\n"
                            "  x in A1 by A2;\n"
                            "  y in B;\n"
                            "end;\n";


// Cancels the run window of one program once the program is under way.
class RunCanceller
{
public:
    // `before` runs just before the click, while the chain waits.
    RunCanceller(const QString &program, const std::function<void()> &before)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, program, before] {
            auto *form = qobject_cast<TVMIZRunForm *>(QApplication::activeModalWidget());
            if (!form || !form->ProgramPath().endsWith(QLatin1Char('/') + program) || !form->Output()
                || form->Output()->Lines().isEmpty() || !form->Output()->Lines().last().startsWith(QLatin1String("Parser")))
                return;
            m_timer.stop();
            before();
            form->CancelButton()->click();
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

// Answers the detector dialog: ticks the given entries and presses OK, or
// presses All when `all` is set.
std::unique_ptr<ModalDriver> ChooseDetectors(const QList<int> &ticked, bool all)
{
    return std::make_unique<ModalDriver>([ticked, all](QWidget *modal) {
        auto *dialog = qobject_cast<TVMIZDetectorsDialog *>(modal);
        if (!dialog)
            return false;
        for (int i = 0; i < dialog->ChecksListBox()->count(); ++i)
            dialog->ChecksListBox()->item(i)->setCheckState(ticked.contains(i) ? Qt::Checked : Qt::Unchecked);
        (all ? dialog->AllButton() : dialog->AcceptButton())->click();
        return true;
    });
}

QString Lines(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

class tst_VMIZChildEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void commandTexts_data();
    void commandTexts();
    void cleanArticle_data();
    void cleanArticle();
    void environmentErrorsStopTheChain();
    void issuesWrittenIntoTheArticle();
    void blankLinesCount();
    void invalidNames_data();
    void invalidNames();
    void untitledArticleCancelled();
    void modifiedArticleSavedFirst();
    void missingProgram();
    void viewKept();
    void allChecksOrder_data();
    void allChecksOrder();
    void allChecksCancelled();
    void cancelledRun();
    void missingErrFile();
    void markingProgramsMissing();
    void misbehavingProgram_data();
    void misbehavingProgram();
    void mizfilesNamesAFile();
    void writeProtectedArticle();

private:
    TVMIZChildEditForm *OpenArticle(const QString &name, const QByteArray &text = kArticle)
    {
        m_folder->Write(name, text);
        auto *article = NewForm<TVMIZChildEditForm>(m_host.get());
        article->OpenFile(m_folder->File(name));
        return article;
    }
    QString Log(const QString &article) const
    {
        return QString::fromUtf8(m_folder->Read(article + QStringLiteral(".standin.log")));
    }

    std::unique_ptr<StandInInstallation> m_mizar;
    std::unique_ptr<ArticleFolder> m_folder;
    std::unique_ptr<TestChildHost> m_host;
    std::unique_ptr<TestHostApp> m_app;
};

void tst_VMIZChildEdit::initTestCase()
{
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
}

void tst_VMIZChildEdit::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    EditorSettings() = TVUREditorSettings();
    VMIZDetectors::Selection().fill(true);
    m_mizar = std::make_unique<StandInInstallation>();
    m_folder = std::make_unique<ArticleFolder>();
    m_host = std::make_unique<TestChildHost>();
    m_app = std::make_unique<TestHostApp>(g_argc, g_argv, m_host.get());
    m_host->show();
}

void tst_VMIZChildEdit::cleanup()
{
    m_app.reset();
    m_host.reset();
    m_folder.reset();
    m_mizar.reset();
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void tst_VMIZChildEdit::commandTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("verifier");
    QTest::addColumn<QString>("irrths");
    QTest::newRow("English") << "enu" << "Run &verifier" << "Detect irrelevant \"t&heorems\" and \"schemes\" directives";
    QTest::newRow("Polish") << "plk" << "Uruchom &weryfikator" << "Znajdź nieistotne dyrektywy \"t&heorems\" i \"schemes\"";
}

void tst_VMIZChildEdit::commandTexts()
{
    QFETCH(QString, language);
    QFETCH(QString, verifier);
    QFETCH(QString, irrths);
    LangManager()->SetLanguage(language);
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    QCOMPARE(article->Action("MizarRunVerifierAction")->text(), verifier);
    QCOMPARE(article->Action("MizarRunVerifierAction")->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(article->Action("MizarRunAllChecksAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F9));
    QCOMPARE(article->Action("MizarIrrThsAction")->text(), irrths);
    QStringList names;
    for (const TVMIZChainCommand &command : MizarChainCommands()) {
        names.append(QString::fromLatin1(command.name));
        QCOMPARE(article->Action(command.name)->property("category").toString(), QStringLiteral("Process"));
    }
    QCOMPARE(names, QStringList({"MizarRunVerifierAction", "MizarRunAllChecksAction", "MizarInaccAction",
                                 "MizarRelInferAction", "MizarRelItersAction", "MizarRelPremAction",
                                 "MizarTrivDemoAction", "MizarChkLabAction", "MizarIrrVocAction",
                                 "MizarIrrThsAction"}));
}

void tst_VMIZChildEdit::cleanArticle_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain folder") << QString();
    QTest::newRow("blanks and national letters") << QStringLiteral("mój katalog 'ż\"");
}

void tst_VMIZChildEdit::cleanArticle()
{
    QFETCH(QString, folder);
    QString name = QStringLiteral("ring_1.miz");
    if (!folder.isEmpty()) {
        QVERIFY(QDir(m_folder->Path()).mkdir(folder));
        name = folder + QStringLiteral("/ring_1.miz");
    }
    TVMIZChildEditForm *article = OpenArticle(name);
    article->Action("MizarRunVerifierAction")->trigger();
    const QString stem = name.chopped(4);
    QCOMPARE(Log(stem), QStringLiteral("remflags ring_1.miz\nmakeenv ring_1\nverifier ring_1\n"));
    QCOMPARE(m_folder->Read(stem + QStringLiteral(".err")), QByteArray());
    QCOMPARE(m_host->statusText, QStringLiteral("THANKS, O.K."));
    QCOMPARE(m_host->statusColor, VURColors::kDarkGreen);
    QCOMPARE(article->Text().toUtf8(), kArticle);
    QVERIFY(!article->GetModified());
}

void tst_VMIZChildEdit::environmentErrorsStopTheChain()
{
    m_folder->Script(QStringLiteral("ring_1"), "makeenv issue 2 22 801\nmakeenv issue 2 22 803\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(Log(QStringLiteral("ring_1")),
             Lines({"remflags ring_1.miz", "makeenv ring_1", "errflag ring_1.miz",
                    "addfmsg ring_1.miz " + m_mizar->Dir() + "mizar"}));
    QCOMPARE(m_folder->Read(QStringLiteral("ring_1.err")), QByteArray("2 22 801\n2 22 803\n"));
    QCOMPARE(m_host->statusText, QStringLiteral("SORRY, issues found: 2"));
    QCOMPARE(m_host->statusColor, VURColors::kDarkRed);
    QVERIFY(article->Text().contains(QStringLiteral("\n::>                  *801,803\n")));
}

void tst_VMIZChildEdit::issuesWrittenIntoTheArticle()
{
    m_folder->Script(QStringLiteral("ring_1"), "verifier issue 5 16 4\nverifier issue 6 8 144\nverifier issue 5 16 4\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(m_host->statusText, QStringLiteral("SORRY, issues found: 3"));
    const QString expected = QStringLiteral("environ\n"
                                            " vocabularies XBOOLE_0;\n"
                                            "begin\n"
                                            "theorem\n"
                                            "  x in A1 by A2;\n"
                                            "::>            *4,4\n"
                                            "  y in B;\n"
                                            "::>    *144\n"
                                            "end;\n"
                                            "::>\n"
                                            "::> 4: This inference is not accepted\n"
                                            "::> 144: Unknown label\n");
    QCOMPARE(article->Text(), expected);
    QCOMPARE(m_folder->Read(QStringLiteral("ring_1.miz")), expected.toUtf8());
    QVERIFY(!article->GetModified());

    // The bar marks the two marker lines, and the issue commands step to them.
    RunEventLoopUntil([article] { return article->MsgBar()->LineMarks().size() == 13; });
    const std::vector<quint8> &marks = article->MsgBar()->LineMarks();
    QCOMPARE(marks.size(), size_t(13));
    QCOMPARE(marks[5], quint8(TVURMsgBarPane::IssueMark));
    QCOMPARE(marks[7], quint8(TVURMsgBarPane::IssueMark));
    QCOMPARE(marks[4], quint8(TVURMsgBarPane::NoMark));
    article->SynEdit()->setCursorPosition(0, 0);
    article->Action("ProcessMsgNextAction")->trigger();
    int line = 0, index = 0;
    article->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(line, 5);
    article->Action("ProcessMsgNextAction")->trigger();
    article->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(line, 7);

    // A click on the error number of an explanation shows its message.
    VMIZFiles::LoadMizarMessages();
    QsciScintilla *editor = article->SynEdit();
    const long position = editor->positionFromLineIndex(10, 4);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                      QPoint(int(editor->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, position)) + 2,
                             int(editor->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, position)) + 4));
    QCOMPARE(m_host->statusText, QStringLiteral("#4: This inference is not accepted"));

    // A second run cleans the article first, so the flags are not doubled.
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(article->Text(), expected);
}

void tst_VMIZChildEdit::blankLinesCount()
{
    m_folder->Script(QStringLiteral("ring_1"), "verifier issue 5 16 4\nverifier issue 6 8 144\nverifier blank\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(m_host->statusText, QStringLiteral("SORRY, issues found: 3"));
    QCOMPARE(m_folder->Read(QStringLiteral("ring_1.err")), QByteArray("5 16 4\n6 8 144\n\n"));
}

void tst_VMIZChildEdit::invalidNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("digit first") << "1st.miz";
    QTest::newRow("hyphen") << "my-art.miz";
    QTest::newRow("other extension") << "ring_1.txt";
}

void tst_VMIZChildEdit::invalidNames()
{
    QFETCH(QString, name);
    TVMIZChildEditForm *article = OpenArticle(name);
    MessageBoxRecorder boxes;
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Invalid file name.")));
    QVERIFY(boxes.texts.first().contains(QStringLiteral("Mizar file names must start with a letter,")));
    QVERIFY(!boxes.texts.first().contains(QLatin1Char('\r')));
    QCOMPARE(m_host->statusMessages, 0);
    QCOMPARE(QDir(m_folder->Path()).entryList(QDir::Files), QStringList{name});
}

void tst_VMIZChildEdit::untitledArticleCancelled()
{
    auto *article = NewForm<TVMIZChildEditForm>(m_host.get());
    article->InitUntitled(1);
    article->SetText(QString::fromUtf8(kArticle));
    const auto dialog = ChooseFile(QString());
    article->Action("MizarRunVerifierAction")->trigger();
    QVERIFY(dialog->Done());
    QVERIFY(article->GetUntitled());
    QCOMPARE(m_host->statusMessages, 0);
    QVERIFY(QDir(m_folder->Path()).isEmpty());
}

void tst_VMIZChildEdit::modifiedArticleSavedFirst()
{
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    article->SynEdit()->append(QStringLiteral("theorem\n  z in C;\n"));
    QVERIFY(article->GetModified());
    m_folder->Script(QStringLiteral("ring_1"), "verifier issue 9 3 4\n");
    article->Action("MizarRunVerifierAction")->trigger();
    QVERIFY(!article->GetModified());
    QVERIFY(article->Text().contains(QStringLiteral("  z in C;\n::>*4\n")));
}

void tst_VMIZChildEdit::missingProgram()
{
    QVERIFY(QFile::remove(m_mizar->Program(QStringLiteral("accom"))));
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    MessageBoxRecorder boxes;
    article->Action("MizarIrrVocAction")->trigger();
    qputenv("PATH", path);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Program accom not found\nin %1.").arg(m_mizar->Dir())});
    QCOMPARE(Log(QStringLiteral("ring_1")), QStringLiteral("remflags ring_1.miz\n"));
    QCOMPARE(m_host->statusText, QStringLiteral("THANKS, O.K."));
}

void tst_VMIZChildEdit::viewKept()
{
    QByteArray text = kArticle;
    for (int i = 0; i < 120; ++i)
        text += "  a" + QByteArray::number(i) + " in B;\n";
    m_folder->Script(QStringLiteral("ring_1"), "verifier issue 5 16 4\nverifier issue 20 3 144\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"), text);
    RunEventLoopFor(20);
    article->SetTopLine(30);
    article->SynEdit()->setSelection(40, 3, 41, 2);
    const int offset = int(article->SynEdit()->positionFromLineIndex(40, 3));
    QCOMPARE(article->CaretOffset(), offset);
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(m_host->statusText, QStringLiteral("SORRY, issues found: 2"));
    QCOMPARE(article->TopLine(), 30);
    QCOMPARE(article->CaretOffset(), offset);
    QVERIFY(!article->SynEdit()->hasSelectedText());
}

void tst_VMIZChildEdit::allChecksOrder_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<bool>("all");
    QTest::addColumn<QStringList>("programs");
    QTest::newRow("relprem") << QList<int>{3} << false << QStringList{"remflags", "makeenv", "relprem"};
    QTest::newRow("irrths") << QList<int>{7} << false << QStringList{"remflags", "accom", "irrths"};
    QTest::newRow("chklab and irrvoc") << QList<int>{6, 5} << false
                                       << QStringList{"remflags", "accom", "chklab", "irrvoc"};
    QTest::newRow("All") << QList<int>{1} << true
                         << QStringList{"remflags", "accom", "inacc", "relinfer", "reliters", "relprem",
                                        "trivdemo", "chklab", "irrvoc", "irrths"};
}

void tst_VMIZChildEdit::allChecksOrder()
{
    QFETCH(QList<int>, ticked);
    QFETCH(bool, all);
    QFETCH(QStringList, programs);
    m_folder->Script(QStringLiteral("ring_1"), "relprem issue 5 16 602\nirrths issue 2 22 706\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    const auto dialog = ChooseDetectors(ticked, all);
    article->Action("MizarRunAllChecksAction")->trigger();
    QVERIFY(dialog->Done());
    QStringList ran;
    for (const QString &line : Log(QStringLiteral("ring_1")).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ran.append(line.section(QLatin1Char(' '), 0, 0));
    const int issues = int(programs.contains(QStringLiteral("relprem"))) + int(programs.contains(QStringLiteral("irrths")));
    if (issues > 0)
        programs << QStringLiteral("errflag") << QStringLiteral("addfmsg");
    QCOMPARE(ran, programs);
    QCOMPARE(m_host->statusText, issues ? QStringLiteral("SORRY, issues found: %1").arg(issues)
                                        : QStringLiteral("THANKS, O.K."));
}

void tst_VMIZChildEdit::allChecksCancelled()
{
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    const auto dialog = std::make_unique<ModalDriver>([](QWidget *modal) {
        auto *detectors = qobject_cast<TVMIZDetectorsDialog *>(modal);
        if (detectors)
            detectors->CancelButton()->click();
        return detectors != nullptr;
    });
    article->Action("MizarRunAllChecksAction")->trigger();
    QVERIFY(dialog->Done());
    QCOMPARE(Log(QStringLiteral("ring_1")), QString());
    QCOMPARE(m_host->statusMessages, 0);
}

void tst_VMIZChildEdit::cancelledRun()
{
    m_folder->Script(QStringLiteral("ring_1"), "verifier wait\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    QString statusWhileRunning;
    Qt::CursorShape cursorWhileRunning = Qt::ArrowCursor;
    RunCanceller canceller(QStringLiteral("verifier"), [&] {
        statusWhileRunning = m_host->statusText;
        if (const QCursor *cursor = QApplication::overrideCursor())
            cursorWhileRunning = cursor->shape();
    });
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(statusWhileRunning, QStringLiteral("Checking..."));
    QCOMPARE(cursorWhileRunning, Qt::BusyCursor);
    QCOMPARE(Log(QStringLiteral("ring_1")), QStringLiteral("remflags ring_1.miz\nmakeenv ring_1\nverifier ring_1\n"));
    QCOMPARE(m_host->statusText, QStringLiteral("THANKS, O.K."));
    QCOMPARE(article->Text().toUtf8(), kArticle);
}

void tst_VMIZChildEdit::missingErrFile()
{
    // A flag line left in the file: remflags removes it on disk, and the
    // window keeps it because the chain ends before the reload.
    m_folder->Script(QStringLiteral("ring_1"), "verifier no-err\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"), kArticle + "::> old\n");
    MessageBoxRecorder boxes;
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(boxes.texts.size(), 1);
    const QString errFile = m_folder->File(QStringLiteral("ring_1.err"));
    QCOMPARE(boxes.texts.first(), QStringLiteral("Cannot read file:\n\"%1\".\n\nFile not found.").arg(errFile));
    QCOMPARE(m_host->statusText, QStringLiteral("THANKS, O.K."));
    QVERIFY(article->Text().endsWith(QStringLiteral("::> old\n")));
    QVERIFY(!m_folder->Read(QStringLiteral("ring_1.miz")).contains("::> old"));
}

void tst_VMIZChildEdit::markingProgramsMissing()
{
    QVERIFY(QFile::remove(m_mizar->Program(QStringLiteral("errflag"))));
    QVERIFY(QFile::remove(m_mizar->Program(QStringLiteral("addfmsg"))));
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    m_folder->Script(QStringLiteral("ring_1"), "verifier issue 5 16 4\nverifier issue 6 8 144\n");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    MessageBoxRecorder boxes;
    article->Action("MizarRunVerifierAction")->trigger();
    qputenv("PATH", path);
    QCOMPARE(boxes.texts, QStringList());
    QCOMPARE(m_host->statusText, QStringLiteral("SORRY, issues found: 2"));
    QCOMPARE(m_folder->Read(QStringLiteral("ring_1.err")), QByteArray("5 16 4\n6 8 144\n"));
    QCOMPARE(article->Text().toUtf8(), kArticle);
}

void tst_VMIZChildEdit::misbehavingProgram_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("annotated");
    QTest::addColumn<bool>("reported");
    QTest::newRow("crashes") << QByteArray("verifier issue 5 16 4\nverifier crash\n") << true << false;
    QTest::newRow("prints 100 MB") << QByteArray("verifier flood 100\nverifier issue 5 16 4\n") << true << false;
    QTest::newRow("deletes the article") << QByteArray("verifier delete\nverifier issue 5 16 4\n") << false << true;
}

void tst_VMIZChildEdit::misbehavingProgram()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, annotated);
    QFETCH(bool, reported);
    m_folder->Script(QStringLiteral("ring_1"), script);
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    MessageBoxRecorder boxes;
    article->Action("MizarRunVerifierAction")->trigger();
    // Nothing of the article is lost, whatever the program did.
    QString withoutIssues;
    for (const QString &line : article->Text().split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("::>")))
            withoutIssues += line + QLatin1Char('\n');
    }
    withoutIssues.chop(1);
    QCOMPARE(withoutIssues.toUtf8(), kArticle);
    QCOMPARE(article->Text().contains(QStringLiteral("::>")), annotated);
    if (reported) {
        // The window keeps the only copy, and says which file went away.
        QCOMPARE(boxes.texts, QStringList({QStringLiteral("Cannot read file:\n\"%1\".\n\nFile not found.")
                                               .arg(m_folder->File(QStringLiteral("ring_1.miz")))}));
        QVERIFY(article->GetModified());
    } else {
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(m_host->statusText, QStringLiteral("SORRY, issues found: 1"));
        QVERIFY(!article->GetModified());
    }
}

void tst_VMIZChildEdit::mizfilesNamesAFile()
{
    const QString file = m_folder->File(QStringLiteral("not-a-folder"));
    m_folder->Write(QStringLiteral("not-a-folder"), "x");
    const QByteArray previous = qgetenv("MIZFILES");
    qputenv("MIZFILES", file.toLocal8Bit());
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    MessageBoxRecorder boxes;
    article->Action("MizarRunVerifierAction")->trigger();
    qputenv("MIZFILES", previous);
    QCOMPARE(boxes.texts, QStringList({QStringLiteral("Program remflags not found\nin %1/.").arg(file)}));
    QCOMPARE(article->Text().toUtf8(), kArticle);
    QCOMPARE(m_folder->Read(QStringLiteral("ring_1.miz")), kArticle);
}

void tst_VMIZChildEdit::writeProtectedArticle()
{
    if (geteuid() == 0)
        QSKIP("permissions do not bind root (the unprivileged test entry runs this)");
    TVMIZChildEditForm *article = OpenArticle(QStringLiteral("ring_1.miz"));
    const QString file = m_folder->File(QStringLiteral("ring_1.miz"));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
    m_folder->Script(QStringLiteral("ring_1"), "verifier issue 9 3 4\n");
    MessageBoxRecorder boxes;
    article->Action("MizarRunVerifierAction")->trigger();
    QCOMPARE(boxes.texts, QStringList({QStringLiteral("The article is write-protected:\n\"%1\".\n\nMizar writes the "
                                                      "issues it finds into the article, so it cannot be checked.")
                                           .arg(file)}));
    QVERIFY(!QFile::exists(m_folder->File(QStringLiteral("ring_1.standin.log"))));
    QCOMPARE(m_folder->Read(QStringLiteral("ring_1.miz")), kArticle);
    QVERIFY(!article->GetModified());
    QCOMPARE(m_host->statusMessages, 0);
}

int main(int argc, char **argv)
{
    // The framework's application object, which shows what escapes a handler.
    TVURApplication application(argc, argv);
    tst_VMIZChildEdit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_VMIZChildEdit.moc"
