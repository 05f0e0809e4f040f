#include "EventLoop.h"
#include "ModalDriver.h"
#include "TestChildHost.h"
#include "VMIZHighlighter.h"
#include "VUREditorSettings.h"
#include "VURLang.h"
#include "VURMsgBar.h"
#include "VURSynEdit.h"
#include "ZOKChildEdit.h"
#include "VURRegistry.h"

#include <QStyle>
#include <QTemporaryDir>

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VURChildEditScript";
char *g_argv[] = {g_arg0, nullptr};

// An article with marker lines below lines 2 and 5 (1-based) and the
// explanations at the end.
const QString kArticle = QStringLiteral(
    "begin\n"                 // 0
    "  x in A1 by A2;\n"      // 1
    "::>         *4\n"        // 2
    "  y in B;\n"             // 3
    "  z in C by A3;\n"       // 4
    "::>         *144,4\n"    // 5
    "end;\n"                  // 6
    "::>\n"                   // 7
    "::> 4: This inference is not accepted\n" // 8
    "::> 144: Unknown label\n"); // 9

std::unique_ptr<ModalDriver> Answer(QMessageBox::StandardButton button, int *asked = nullptr)
{
    return std::make_unique<ModalDriver>([button, asked](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        if (asked)
            ++*asked;
        box->button(button)->click();
        return true;
    });
}

int CaretLine(TVURChildEditSynForm *editor)
{
    int line = 0, index = 0;
    editor->SynEdit()->getCursorPosition(&line, &index);
    return line;
}

} // namespace

class tst_VURChildEditScript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void commandTexts_data();
    void commandTexts();
    void navigation_data();
    void navigation();
    void nothingToNavigateInEmptyText();
    void clearAllIssues();
    void clearKeepsCaretOnItsText();
    void clearDeclinedChangesNothing();
    void nothingToClear();
    void highlightingOffStillClassifies();
    void barMarksAndPositions();
    void barHiddenByVisibleMargin();
    void barFollowsEdits();
    void comment_data();
    void comment();
    void labelAwareIndent();
    void indentWithoutLabels();
    void labelColumn_data();
    void labelColumn();
    void issueCountReport_data();
    void issueCountReport();
    void contextHelpMessage();
    void miscSetting();

private:
    TZOKChildEditForm *NewArticle(const QString &text)
    {
        auto *article = NewForm<TZOKChildEditForm>(m_host.get());
        article->SetText(text);
        article->SetModified(false);
        return article;
    }
    std::unique_ptr<TestChildHost> m_host;
    std::unique_ptr<TestHostApp> m_app;
};

void tst_VURChildEditScript::initTestCase()
{
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
}

void tst_VURChildEditScript::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    EditorSettings() = TVUREditorSettings();
    IndentLabels() = true;
    m_host = std::make_unique<TestChildHost>();
    m_app = std::make_unique<TestHostApp>(g_argc, g_argv, m_host.get());
    m_host->show();
}

void tst_VURChildEditScript::cleanup()
{
    m_app.reset();
    m_host.reset();
}

void tst_VURChildEditScript::commandTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("clearTip");
    QTest::newRow("English") << "enu" << "&Next issue" << "Clear issues";
    QTest::newRow("Polish") << "plk" << "&Następna uwaga" << "Czyść uwagi";
}

void tst_VURChildEditScript::commandTexts()
{
    QFETCH(QString, language);
    QFETCH(QString, next);
    QFETCH(QString, clearTip);
    LangManager()->SetLanguage(language);
    TZOKChildEditForm *article = NewArticle(QString());
    QCOMPARE(article->Action("ProcessMsgNextAction")->text(), next);
    QCOMPARE(article->Action("ProcessMsgNextAction")->shortcut(), QKeySequence(Qt::Key_F8));
    QCOMPARE(article->Action("ProcessMsgFirstAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
    QCOMPARE(article->Action("ProcessMsgClearAction")->toolTip(), clearTip);
    QCOMPARE(article->Action("ProcessMsgNextAction")->property("category").toString(), QStringLiteral("Process"));
    QCOMPARE(article->Action("EditBlockCommentAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period));
    QCOMPARE(article->Action("HelpContextAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    QCOMPARE(article->SynEdit()->edgeColumn(), 79);
}

void tst_VURChildEditScript::navigation_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("target"); // -1: "No more issues."
    QTest::newRow("first") << "ProcessMsgFirstAction" << 8 << 2;
    QTest::newRow("last") << "ProcessMsgLastAction" << 0 << 5;
    QTest::newRow("next from the top") << "ProcessMsgNextAction" << 0 << 2;
    QTest::newRow("next skips the caret's own marker line") << "ProcessMsgNextAction" << 2 << 5;
    QTest::newRow("next after the last marker") << "ProcessMsgNextAction" << 5 << -1;
    QTest::newRow("next on the last line") << "ProcessMsgNextAction" << 10 << -1;
    QTest::newRow("previous") << "ProcessMsgPrevAction" << 9 << 5;
    QTest::newRow("previous skips the caret's own marker line") << "ProcessMsgPrevAction" << 5 << 2;
    QTest::newRow("previous from line 1") << "ProcessMsgPrevAction" << 0 << -1;
}

void tst_VURChildEditScript::navigation()
{
    QFETCH(QString, command);
    QFETCH(int, caret);
    QFETCH(int, target);
    TZOKChildEditForm *article = NewArticle(kArticle);
    article->SynEdit()->setCursorPosition(caret, 0);
    article->Action(qPrintable(command))->trigger();
    if (target < 0) {
        QCOMPARE(m_host->statusText, QStringLiteral("No more issues."));
        QCOMPARE(m_host->statusColor, VURColors::kDarkRed);
        QVERIFY(m_host->statusHeld);
        QCOMPARE(CaretLine(article), caret);
    } else {
        QCOMPARE(CaretLine(article), target);
        int line = 0, index = -1;
        article->SynEdit()->getCursorPosition(&line, &index);
        QCOMPARE(index, 0);
        QCOMPARE(m_host->statusText, QString());
        QVERIFY(!m_host->statusHeld);
    }
}

void tst_VURChildEditScript::nothingToNavigateInEmptyText()
{
    TZOKChildEditForm *article = NewArticle(QString());
    for (const char *command : {"ProcessMsgFirstAction", "ProcessMsgPrevAction", "ProcessMsgNextAction", "ProcessMsgLastAction"}) {
        m_host->statusText.clear();
        article->Action(command)->trigger();
        QCOMPARE(m_host->statusText, QStringLiteral("No more issues."));
    }
}

void tst_VURChildEditScript::clearAllIssues()
{
    TZOKChildEditForm *article = NewArticle(kArticle);
    int asked = 0;
    const auto driver = Answer(QMessageBox::Yes, &asked);
    article->Action("ProcessMsgClearAction")->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(article->Text(), QStringLiteral("begin\n  x in A1 by A2;\n  y in B;\n  z in C by A3;\nend;\n"));
    QVERIFY(article->GetModified());
    // One undo brings every removed line back, in place.
    article->SynEdit()->undo();
    QCOMPARE(article->Text(), kArticle);
}

void tst_VURChildEditScript::clearKeepsCaretOnItsText()
{
    TZOKChildEditForm *article = NewArticle(kArticle);
    article->SynEdit()->setCursorPosition(4, 5); // "  z in C by A3;", two marker lines above... one
    {
        const auto driver = Answer(QMessageBox::Yes);
        article->Action("ProcessMsgClearAction")->trigger();
    }
    int line = 0, index = 0;
    article->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(article->LineBreak(), QStringLiteral("\n"));
    QCOMPARE(article->SynEdit()->text(line), QStringLiteral("  z in C by A3;\n"));
    QCOMPARE(index, 5);

    // The caret on a removed line goes to column 1 of the line taking its place.
    article->SetText(kArticle);
    article->SynEdit()->setCursorPosition(5, 4);
    {
        const auto driver = Answer(QMessageBox::Yes);
        article->Action("ProcessMsgClearAction")->trigger();
    }
    article->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(article->SynEdit()->text(line), QStringLiteral("end;\n"));
    QCOMPARE(index, 0);

    // Only explanation lines at the end: removed, caret on the last line.
    article->SetText(QStringLiteral("begin\nend;\n::>\n::> 4: This inference is not accepted"));
    article->SynEdit()->setCursorPosition(3, 3);
    {
        const auto driver = Answer(QMessageBox::Yes);
        article->Action("ProcessMsgClearAction")->trigger();
    }
    QCOMPARE(article->Text(), QStringLiteral("begin\nend;\n"));
    QCOMPARE(CaretLine(article), article->SynEdit()->lines() - 1);
}

void tst_VURChildEditScript::clearDeclinedChangesNothing()
{
    TZOKChildEditForm *article = NewArticle(kArticle);
    const auto driver = Answer(QMessageBox::No);
    article->Action("ProcessMsgClearAction")->trigger();
    QCOMPARE(article->Text(), kArticle);
    QVERIFY(!article->GetModified());
}

void tst_VURChildEditScript::nothingToClear()
{
    TZOKChildEditForm *article = NewArticle(QStringLiteral("begin\nend;\n"));
    article->Action("ProcessMsgClearAction")->trigger();
    QCOMPARE(m_host->statusText, QStringLiteral("No issues to clear."));
    QCOMPARE(m_host->statusColor, VURColors::kDarkRed);
    NewArticle(QString())->Action("ProcessMsgClearAction")->trigger();
    QCOMPARE(m_host->statusText, QStringLiteral("No issues to clear."));
}

void tst_VURChildEditScript::highlightingOffStillClassifies()
{
    EditorSettings().syntaxHighlighting = false;
    TZOKChildEditForm *article = NewArticle(kArticle);
    QCOMPARE(article->SynEdit()->lexer(), nullptr);
    article->SynEdit()->setCursorPosition(0, 0);
    article->Action("ProcessMsgNextAction")->trigger();
    QCOMPARE(CaretLine(article), 2);
    QVERIFY(article->MsgBar()->Highlighter());
}

void tst_VURChildEditScript::barMarksAndPositions()
{
    QCOMPARE(TVURMsgBarPane::MarkY(10, 100.0, 1000, 500), 60);
    QCOMPARE(TVURMsgBarPane::MarkY(0, 100.0, 1000, 5), 0);   // 0.5: to the even 0
    QCOMPARE(TVURMsgBarPane::MarkY(0, 100.0, 1000, 15), 2);  // 1.5: to the even 2
    TZOKChildEditForm *article = NewArticle(kArticle);
    TVURMsgBarPane *bar = article->MsgBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->width(), bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QVERIFY(RunEventLoopUntil([bar] { return bar->LineMarks().size() == 11; }));
    std::vector<quint8> expected(11, 0);
    expected[2] = expected[5] = TVURMsgBarPane::IssueMark;
    QCOMPARE(bar->LineMarks(), expected);
    // Idle with nothing changed: no more painting.
    const int painted = bar->Repaints();
    RunEventLoopFor(100);
    QCOMPARE(bar->Repaints(), painted);
}

void tst_VURChildEditScript::barHiddenByVisibleMargin()
{
    EditorSettings().visibleMargin = false;
    TZOKChildEditForm *article = NewArticle(kArticle);
    QVERIFY(!article->MsgBar()->isVisible());
    RunEventLoopFor(50);
    QCOMPARE(article->MsgBar()->Repaints(), 0);
    EditorSettings().visibleMargin = true;
    article->LanguageChanged();
    QVERIFY(article->MsgBar()->isVisible());
}

void tst_VURChildEditScript::barFollowsEdits()
{
    TZOKChildEditForm *article = NewArticle(kArticle);
    TVURMsgBarPane *bar = article->MsgBar();
    QVERIFY(RunEventLoopUntil([bar] { return bar->LineMarks().size() == 11; }));
    // A new marker line typed at the top, and one marker line broken.
    article->SynEdit()->setCursorPosition(0, 0);
    article->SynEdit()->insert(QStringLiteral("::> *7\n"));
    article->SynEdit()->setCursorPosition(3, 3);
    article->SynEdit()->insert(QStringLiteral(":"));
    QVERIFY(RunEventLoopUntil([bar] { return bar->LineMarks().size() == 12; }));
    std::vector<quint8> expected(12, 0);
    expected[0] = expected[6] = TVURMsgBarPane::IssueMark;
    QCOMPARE(bar->LineMarks(), expected);
}

void tst_VURChildEditScript::comment_data()
{
    QTest::addColumn<int>("fromLine");
    QTest::addColumn<int>("fromIndex");
    QTest::addColumn<int>("toLine");
    QTest::addColumn<int>("toIndex");
    QTest::addColumn<QString>("commented");
    const QString lines = QStringLiteral("l1\nl2\nl3\nl4\nl5\n");
    QTest::newRow("ends in column 1: that line is left out") << 1 << 0 << 3 << 0 << "l1\n::l2\n::l3\nl4\nl5\n";
    QTest::newRow("ends in column 2") << 1 << 1 << 3 << 1 << "l1\n::l2\n::l3\n::l4\nl5\n";
    QTest::newRow("no selection: the caret's line") << -1 << -1 << -1 << -1 << "l1\nl2\n::l3\nl4\nl5\n";
}

void tst_VURChildEditScript::comment()
{
    QFETCH(int, fromLine);
    QFETCH(int, fromIndex);
    QFETCH(int, toLine);
    QFETCH(int, toIndex);
    QFETCH(QString, commented);
    const QString text = QStringLiteral("l1\nl2\nl3\nl4\nl5\n");
    TZOKChildEditForm *article = NewArticle(text);
    if (fromLine < 0)
        article->SynEdit()->setCursorPosition(2, 1);
    else
        article->SynEdit()->setSelection(fromLine, fromIndex, toLine, toIndex);
    article->Action("EditBlockCommentAction")->trigger();
    QCOMPARE(article->Text(), commented);
    QVERIFY(article->GetModified());
    article->Action("EditBlockUncommentAction")->trigger();
    QCOMPARE(article->Text(), text);
    // One undo takes back one command.
    article->SynEdit()->undo();
    QCOMPARE(article->Text(), commented);
    // Uncommenting lines without comments changes nothing but marks modified.
    article->SetText(text);
    article->SetModified(false);
    article->Action("EditBlockUncommentAction")->trigger();
    QCOMPARE(article->Text(), text);
    QVERIFY(article->GetModified());
}

void tst_VURChildEditScript::labelAwareIndent()
{
    EditorSettings().tabWidth = 2;
    TZOKChildEditForm *article = NewArticle(QStringLiteral("A1: x = y;\n\n::> *4\nthus z;\n"));
    article->SynEdit()->setSelection(0, 0, 4, 0);
    article->Action("EditBlockIndentAction")->trigger();
    QCOMPARE(article->Text(), QStringLiteral("A1:   x = y;\n\n::> *4\n  thus z;\n"));
    QVERIFY(article->GetModified());
    // The selection stays as it was.
    int lineFrom, indexFrom, lineTo, indexTo;
    article->SynEdit()->getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
    QCOMPARE(QList<int>({lineFrom, indexFrom, lineTo, indexTo}), QList<int>({0, 0, 4, 0}));
    article->Action("EditBlockUnindentAction")->trigger();
    QCOMPARE(article->Text(), QStringLiteral("A1: x = y;\n\n::> *4\nthus z;\n"));
}

void tst_VURChildEditScript::indentWithoutLabels()
{
    IndentLabels() = false;
    EditorSettings().tabWidth = 2;
    TZOKChildEditForm *article = NewArticle(QStringLiteral("A1: x = y;\nthus z;\n"));
    article->SynEdit()->setSelection(0, 0, 2, 0);
    article->Action("EditBlockIndentAction")->trigger();
    QCOMPARE(article->Text(), QStringLiteral("  A1: x = y;\n  thus z;\n"));
}

void tst_VURChildEditScript::labelColumn_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::newRow("A1:") << "A1: x" << 4;
    QTest::newRow("apostrophe") << "'a:b" << 4;
    QTest::newRow("digits") << "12: x" << 4;
    QTest::newRow("blank first") << " A1: x" << 1;
    QTest::newRow("comment") << ":: x" << 1;
    QTest::newRow("equals") << "=x" << 1;
    QTest::newRow("only word characters") << "abc" << 1;
}

void tst_VURChildEditScript::labelColumn()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QCOMPARE(TZOKChildEditForm::LabelColumn(line), column);
}

void tst_VURChildEditScript::issueCountReport_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("color");
    QTest::newRow("none") << 0 << "enu" << "THANKS, O.K." << VURColors::kDarkGreen;
    QTest::newRow("three") << 3 << "enu" << "SORRY, issues found: 3" << VURColors::kDarkRed;
    QTest::newRow("three, Polish") << 3 << "plk" << "SORKI, znalezionych uwag: 3" << VURColors::kDarkRed;
    QTest::newRow("none, Polish") << -1 << "plk" << "DZIĘKI, O.K." << VURColors::kDarkGreen;
}

void tst_VURChildEditScript::issueCountReport()
{
    QFETCH(int, count);
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(quint32, color);
    LangManager()->SetLanguage(language);
    NewArticle(QString())->ReportIssueCount(count);
    QCOMPARE(m_host->statusText, text);
    QCOMPARE(m_host->statusColor, color);
    QVERIFY(m_host->statusHeld);
}

void tst_VURChildEditScript::contextHelpMessage()
{
    TZOKChildEditForm *article = NewArticle(QStringLiteral("proof\n"));
    article->Action("HelpContextAction")->trigger();
    QCOMPARE(m_host->statusText, QStringLiteral("Help is not available for this context."));
    m_host->statusMessages = 0;
    NewArticle(QString())->Action("HelpContextAction")->trigger();
    QCOMPARE(m_host->statusMessages, 0);
}

void tst_VURChildEditScript::miscSetting()
{
    QTemporaryDir dir;
    const QString root = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");
    {
        TVURRegistry store(dir.filePath(QStringLiteral("s.json")));
        LoadMiscSettings(store, root);
        QVERIFY(IndentLabels());
        IndentLabels() = false;
        SaveMiscSettings(store, root);
    }
    IndentLabels() = true;
    TVURRegistry store(dir.filePath(QStringLiteral("s.json")));
    LoadMiscSettings(store, root);
    QVERIFY(!IndentLabels());
}

QTEST_MAIN(tst_VURChildEditScript)
#include "tst_VURChildEditScript.moc"
