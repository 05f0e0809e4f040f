#include "EventLoop.h"
#include "FileDialogDriver.h"
#include "FileHelpers.h"
#include "ModalDriver.h"
#include "TestChildHost.h"
#include "VURChildEditSyn.h"
#include "VURDialogs.h"
#include "VURLang.h"
#include "VURMacroRecorder.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {


} // namespace

class tst_VURChildEditSyn : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void byteExactRoundTrip_data();
    void byteExactRoundTrip();
    void editMarksModified();
    void deletedWhileOpen();
    void fiftyMegabyteArticle();
    void enablingOnEmptyText();
    void selectionModes();
    void bookmarks();
    void macros();
    void blockSaveAndAppend();
    void appendToMissingFileFails();
    void insertFileIsOneUndo();
    void positionText();
    void blockIndent();
    void caretFollowsScrolling();
    void clipboardCommands();

private:
    TVURChildEditSynForm *NewEditor() { return NewForm<TVURChildEditSynForm>(m_host.get()); }
    QAction *Act(TVURChildEditSynForm *editor, const char *name) { return editor->Action(name); }
    std::unique_ptr<TestChildHost> m_host;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_VURChildEditSyn::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_dir = std::make_unique<QTemporaryDir>();
    VURDialogs::SetLastDir(m_dir->path());
    m_host = std::make_unique<TestChildHost>();
    m_host->show();
}

void tst_VURChildEditSyn::cleanup()
{
    m_host.reset();
}

void tst_VURChildEditSyn::byteExactRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("LF") << QByteArray("begin\n  x in A;\n");
    QTest::newRow("CR LF") << QByteArray("begin\r\n  x in A;\r\n");
    QTest::newRow("invalid UTF-8") << QByteArray(":: Za\xbf\xf3\xb3\xe6\n");
    QTest::newRow("NUL bytes") << QByteArray("a\0b\nc\0", 6);
    QTest::newRow("no final line break") << QByteArray("end;");
    QByteArray binary;
    for (int round = 0; round < 64; ++round)
        for (int byte = 0; byte < 256; ++byte)
            binary.append(char((byte * 7 + round) & 0xff));
    QTest::newRow("every byte value, a binary file") << binary;
    QTest::newRow("a line of 1 000 000 characters") << QByteArray(1000000, 'x') + "\n";
    QTest::newRow("lone CR") << QByteArray("a\rb\r\nc\n");
}

void tst_VURChildEditSyn::byteExactRoundTrip()
{
    QFETCH(QByteArray, bytes);
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, bytes);
    TVURChildEditSynForm *editor = NewEditor();
    editor->OpenFile(file);
    QVERIFY(!editor->GetModified());
    QVERIFY(!Act(editor, "EditUndoAction")->isEnabled());
    editor->SaveFile();
    QCOMPARE(ReadBytes(file), bytes);
}

void tst_VURChildEditSyn::fiftyMegabyteArticle()
{
    QByteArray article;
    const QByteArray line = "  for x being Element of X holds x in A1 by A2, TARSKI:def 3; :: \xe6\n";
    while (article.size() < 50 * 1024 * 1024)
        article += line;
    const QString file = m_dir->filePath(QStringLiteral("big.miz"));
    WriteBytes(file, article);
    TVURChildEditSynForm *editor = NewEditor();
    editor->OpenFile(file);
    QCOMPARE(editor->SynEdit()->lines(), int(article.size() / line.size()) + 1);
    editor->SynEdit()->setCursorPosition(editor->SynEdit()->lines() - 1, 0);
    editor->SynEdit()->insert(QStringLiteral("end;"));
    editor->SaveFile();
    QCOMPARE(ReadBytes(file), article + "end;");
}

void tst_VURChildEditSyn::deletedWhileOpen()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "begin\n");
    TVURChildEditSynForm *editor = NewEditor();
    editor->OpenFile(file);
    QVERIFY(QFile::remove(file));
    editor->SynEdit()->append(QStringLiteral("end;\n"));
    // Saving asks before writing over what changed on disk, then writes
    // the window's text anew.
    QString question;
    {
        const auto yes = AnswerBox(QMessageBox::Yes, &question);
        editor->SaveFile();
    }
    QVERIFY(!question.isEmpty());
    QCOMPARE(ReadBytes(file), QByteArray("begin\nend;\n"));
    QVERIFY(!editor->GetModified());
}

void tst_VURChildEditSyn::editMarksModified()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "begin\n");
    TVURChildEditSynForm *editor = NewEditor();
    editor->OpenFile(file);
    editor->SynEdit()->setCursorPosition(0, 5);
    editor->SynEdit()->insert(QStringLiteral(" x"));
    QVERIFY(editor->GetModified());
    QCOMPARE(editor->windowTitle(), file + QStringLiteral(" (modified)"));
    QVERIFY(Act(editor, "EditUndoAction")->isEnabled());
    Act(editor, "EditUndoAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral("begin\n"));
    QVERIFY(Act(editor, "EditRedoAction")->isEnabled());
}

void tst_VURChildEditSyn::enablingOnEmptyText()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->InitUntitled(1);
    QVERIFY(!Act(editor, "EditSelectAllAction")->isEnabled());
    QVERIFY(!Act(editor, "SearchLineAction")->isEnabled());
    QVERIFY(!Act(editor, "EditFindNextAction")->isEnabled());
    QVERIFY(!Act(editor, "EditCutAction")->isEnabled());
    QVERIFY(!Act(editor, "MacroPauseAction")->isEnabled());
    QVERIFY(!Act(editor, "MacroPlaybackAction")->isEnabled());
    QVERIFY(!Act(editor, "BookmarkClearAllAction")->isEnabled());
    editor->SetText(QStringLiteral("x"));
    editor->Child_ActionListUpdate();
    QVERIFY(Act(editor, "EditSelectAllAction")->isEnabled());
    QVERIFY(Act(editor, "SearchLineAction")->isEnabled());
    Act(editor, "EditSelectAllAction")->trigger();
    QVERIFY(Act(editor, "EditCopyAction")->isEnabled() && Act(editor, "EditBlockSaveAction")->isEnabled());
}

void tst_VURChildEditSyn::selectionModes()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->SetText(QStringLiteral("abc\ndef\nghi\n"));
    QVERIFY(Act(editor, "EditSelectNormalAction")->isChecked());
    Act(editor, "EditSelectLineAction")->trigger();
    QVERIFY(Act(editor, "EditSelectLineAction")->isChecked());
    QVERIFY(!Act(editor, "EditSelectNormalAction")->isChecked());
    Act(editor, "EditSelectAllAction")->trigger();
    QCOMPARE(editor->GetSelectionMode(), TVURChildEditSynForm::SelectionMode::Normal);
    QVERIFY(Act(editor, "EditSelectNormalAction")->isChecked());
    // Alt+Shift+arrow switches to column blocks.
    editor->SynEdit()->setCursorPosition(0, 1);
    editor->SynEdit()->setFocus();
    QTest::keyClick(editor->SynEdit()->viewport(), Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    QCOMPARE(editor->GetSelectionMode(), TVURChildEditSynForm::SelectionMode::Column);
    QVERIFY(Act(editor, "EditSelectColumnAction")->isChecked());
    QVERIFY(editor->SynEdit()->SendScintilla(QsciScintilla::SCI_SELECTIONISRECTANGLE));
}

void tst_VURChildEditSyn::bookmarks()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->SetText(QStringLiteral("line 1\nline 2\nline 3\n"));
    for (int n = 0; n < 10; ++n)
        QVERIFY(!editor->ChildAction(QStringLiteral("BookmarkGoto%1Action").arg(n))->isEnabled());
    editor->SynEdit()->setCursorPosition(1, 3);
    editor->ChildAction(QStringLiteral("BookmarkInsert3Action"))->trigger();
    QCOMPARE(editor->BookmarkPosition(3), qMakePair(1, 3));
    QVERIFY(editor->ChildAction(QStringLiteral("BookmarkGoto3Action"))->isEnabled());
    QVERIFY(Act(editor, "BookmarkClearAllAction")->isEnabled());
    // Setting it again moves it.
    editor->SynEdit()->setCursorPosition(2, 1);
    editor->ChildAction(QStringLiteral("BookmarkInsert3Action"))->trigger();
    QCOMPARE(editor->BookmarkPosition(3), qMakePair(2, 1));
    QCOMPARE(editor->SynEdit()->markersAtLine(1), 0u);
    editor->SynEdit()->setCursorPosition(0, 0);
    editor->ChildAction(QStringLiteral("BookmarkGoto3Action"))->trigger();
    int line = 0, index = 0;
    editor->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(line, 2);
    QCOMPARE(index, 1);
    for (int n = 0; n < 10; ++n) {
        editor->SynEdit()->setCursorPosition(n % 3, 0);
        editor->ChildAction(QStringLiteral("BookmarkInsert%1Action").arg(n))->trigger();
    }
    Act(editor, "BookmarkClearAllAction")->trigger();
    for (int n = 0; n < 10; ++n)
        QVERIFY(!editor->ChildAction(QStringLiteral("BookmarkGoto%1Action").arg(n))->isEnabled());
    QVERIFY(!Act(editor, "BookmarkClearAllAction")->isEnabled());
}

void tst_VURChildEditSyn::macros()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    editor->SynEdit()->setFocus();
    QCOMPARE(Act(editor, "MacroRecordAction")->text(), QStringLiteral("&Record"));
    Act(editor, "MacroRecordAction")->trigger();
    QCOMPARE(Act(editor, "MacroRecordAction")->text(), QStringLiteral("&Stop"));
    QVERIFY(Act(editor, "MacroPauseAction")->isEnabled());
    QTest::keyClicks(editor->SynEdit()->viewport(), QStringLiteral("ab"));
    Act(editor, "MacroPauseAction")->trigger();
    QCOMPARE(Act(editor, "MacroPauseAction")->text(), QStringLiteral("Res&ume"));
    QVERIFY(!Act(editor, "MacroPlaybackAction")->isEnabled());
    QTest::keyClicks(editor->SynEdit()->viewport(), QStringLiteral("zz")); // not recorded
    Act(editor, "MacroPauseAction")->trigger();
    QTest::keyClicks(editor->SynEdit()->viewport(), QStringLiteral("c"));
    Act(editor, "MacroRecordAction")->trigger();
    QCOMPARE(Act(editor, "MacroRecordAction")->text(), QStringLiteral("&Record"));
    QCOMPARE(Act(editor, "MacroPauseAction")->text(), QStringLiteral("&Pause"));
    QVERIFY(Act(editor, "MacroPlaybackAction")->isEnabled());
    QCOMPARE(editor->Text(), QStringLiteral("abzzc"));
    Act(editor, "MacroPlaybackAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral("abzzcabc"));
    // Polish captions follow the language.
    LangManager()->SetLanguage(QStringLiteral("plk"));
    editor->LanguageChanged();
    QCOMPARE(Act(editor, "MacroRecordAction")->text().trimmed(), QStringLiteral("&Rejestruj"));
}

void tst_VURChildEditSyn::blockSaveAndAppend()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->InitUntitled(1);
    editor->SetText(QStringLiteral("one\ntwo\nthree\n"));
    editor->SynEdit()->setSelection(1, 0, 2, 0);
    const QString target = m_dir->filePath(QStringLiteral("block.miz"));
    {
        const auto dialog = ChooseFile(target);
        Act(editor, "EditBlockSaveAction")->trigger();
    }
    QCOMPARE(ReadBytes(target), QByteArray("two\n"));
    {
        const auto dialog = ChooseFile(target);
        Act(editor, "EditBlockAppendAction")->trigger();
    }
    QCOMPARE(ReadBytes(target), QByteArray("two\ntwo\n"));
    QCOMPARE(ReadBytes(m_dir->filePath(QStringLiteral("block.~miz"))), QByteArray("two\n"));
    QCOMPARE(editor->SynEdit()->selectedText(), QStringLiteral("two\n"));
}

void tst_VURChildEditSyn::appendToMissingFileFails()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->SetText(QStringLiteral("one\n"));
    editor->SynEdit()->selectAll();
    QString shown;
    const auto dialog = ChooseFile(m_dir->filePath(QStringLiteral("missing.miz")));
    QTimer later;
    std::unique_ptr<ModalDriver> box;
    later.setSingleShot(true);
    connect(&later, &QTimer::timeout, [&] {
        box = std::make_unique<ModalDriver>([&shown](QWidget *modal) {
            auto *messageBox = qobject_cast<QMessageBox *>(modal);
            if (!messageBox)
                return false;
            shown = messageBox->text();
            messageBox->accept();
            return true;
        });
    });
    later.start(300);
    Act(editor, "EditBlockAppendAction")->trigger();
    QVERIFY(RunEventLoopUntil([&shown] { return !shown.isEmpty(); }));
    QCOMPARE(shown, QStringLiteral("Error saving block to file:\nFile not found."));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("missing.miz"))));
}

void tst_VURChildEditSyn::insertFileIsOneUndo()
{
    WriteBytes(m_dir->filePath(QStringLiteral("part.miz")), "inserted 1\ninserted 2");
    TVURChildEditSynForm *editor = NewEditor();
    editor->SetText(QStringLiteral("a\r\nb\r\n"));
    editor->SynEdit()->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    editor->SynEdit()->setCursorPosition(1, 0);
    bool stop = false;
    editor->InsertFile(m_dir->filePath(QStringLiteral("part.miz")), stop);
    QVERIFY(!stop);
    QCOMPARE(editor->Text(), QStringLiteral("a\r\ninserted 1\r\ninserted 2\r\nb\r\n"));
    editor->SynEdit()->undo();
    QCOMPARE(editor->Text(), QStringLiteral("a\r\nb\r\n"));
}

void tst_VURChildEditSyn::positionText()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->SetText(QStringLiteral("abc\ndefgh\n"));
    editor->SynEdit()->setCursorPosition(1, 4);
    QCOMPARE(editor->GetPositionText(), QStringLiteral("Position 2 : 5"));
    LangManager()->SetLanguage(QStringLiteral("plk"));
    QCOMPARE(editor->GetPositionText(), QStringLiteral("Pozycja 2 : 5"));
    QCOMPARE(editor->GetNotFoundText(), QStringLiteral("Tekstu nie znaleziono."));
}

void tst_VURChildEditSyn::blockIndent()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->SetText(QStringLiteral("a\nb\nc\n"));
    editor->SynEdit()->setIndentationWidth(2);
    editor->SynEdit()->setSelection(0, 0, 2, 0);
    Act(editor, "EditBlockIndentAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral("  a\n  b\nc\n"));
    Act(editor, "EditBlockUnindentAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral("a\nb\nc\n"));
}

void tst_VURChildEditSyn::caretFollowsScrolling()
{
    TVURChildEditSynForm *editor = NewEditor();
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    editor->SetText(text);
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    editor->SynEdit()->setCursorPosition(0, 2);
    // The user drags the scroll bar far below the caret.
    editor->SynEdit()->verticalScrollBar()->setValue(150);
    int line = 0, index = 0;
    editor->SynEdit()->getCursorPosition(&line, &index);
    const long first = editor->SynEdit()->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    QCOMPARE(line, int(first));
    QCOMPARE(index, 2);
    // And back above it: the caret goes to the last visible line.
    editor->SynEdit()->verticalScrollBar()->setValue(0);
    editor->SynEdit()->getCursorPosition(&line, &index);
    const long shown = editor->SynEdit()->SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
    QCOMPARE(line, int(shown - 1));
}

void tst_VURChildEditSyn::clipboardCommands()
{
    TVURChildEditSynForm *editor = NewEditor();
    editor->SetText(QStringLiteral("alpha beta\n"));
    editor->SynEdit()->setSelection(0, 0, 0, 5);
    Act(editor, "EditCopyAction")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alpha"));
    QVERIFY(RunEventLoopUntil([&] { return Act(editor, "EditPasteAction")->isEnabled(); }));
    Act(editor, "EditCutAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral(" beta\n"));
    QVERIFY(!Act(editor, "EditCutAction")->isEnabled());
    editor->SynEdit()->setCursorPosition(0, 5);
    Act(editor, "EditPasteAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral(" betaalpha\n"));
    editor->SynEdit()->setSelection(0, 0, 0, 1);
    Act(editor, "EditClearAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral("betaalpha\n"));
}

QTEST_MAIN(tst_VURChildEditSyn)
#include "tst_VURChildEditSyn.moc"
