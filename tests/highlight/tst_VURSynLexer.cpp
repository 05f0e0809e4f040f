#include "EventLoop.h"
#include "VMIZHighlighter.h"
#include "VURSynEdit.h"
#include "VURSynLexer.h"

#include <Qsci/qsciscintilla.h>

#include <QFontInfo>
#include <QTest>

namespace {

long Send(QsciScintilla &editor, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return editor.SendScintilla(message, wParam, lParam);
}

// The attribute name of the style at a character of a line.
QString AttributeAt(QsciScintilla &editor, TVURHighlighter &highlighter, int line, int index)
{
    const long position = editor.positionFromLineIndex(line, index);
    const int style = int(Send(editor, QsciScintilla::SCI_GETSTYLEAT, position));
    const TSynHighlighterAttributes *attribute = highlighter.Attribute(style - 1);
    return attribute ? attribute->Name() : QStringLiteral("<style %1>").arg(style);
}

void ApplyDefaults(QsciScintilla &editor, TVURHighlighter *highlighter)
{
    ApplyEditorSettings(&editor, true, true, 9, QStringLiteral("Courier New"), false, 30, true, 2, highlighter);
}

} // namespace

class tst_VURSynLexer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsApplied();
    void gutterWithLineNumbers();
    void stylesFollowTokens_data();
    void stylesFollowTokens();
    void attributeChangeRepaints();
    void oneHighlighterManyEditors();
    void detachGivesPlainText();
    void onlyNeededLinesStyled();
    void smartTabs_data();
    void smartTabs();
};

void tst_VURSynLexer::defaultsApplied()
{
    QsciScintilla editor;
    TVMIZHighlighter highlighter;
    ApplyDefaults(editor, &highlighter);
    const QFont font = editor.lexer()->defaultFont(0);
    QCOMPARE(font.pointSize(), 9);
    QVERIFY(QFontInfo(font).fixedPitch());
    QCOMPARE(editor.marginWidth(0), 30);
    QCOMPARE(editor.marginType(0), QsciScintilla::SymbolMargin);
    QCOMPARE(editor.tabWidth(), 2);
    QCOMPARE(editor.indentationWidth(), 2);
    QVERIFY(!editor.indentationsUseTabs());
    QVERIFY(editor.autoIndent());
    QVERIFY(qobject_cast<TVURSynLexer *>(editor.lexer()));
    QVERIFY(editor.findChild<QObject *>(QStringLiteral("SmartTabs")));
    // Switched off again.
    ApplyEditorSettings(&editor, false, false, 12, QStringLiteral("Courier New"), false, 30, false, 4, &highlighter);
    QVERIFY(!editor.autoIndent());
    QVERIFY(!editor.findChild<QObject *>(QStringLiteral("SmartTabs")));
    QCOMPARE(editor.marginWidth(0), 0);
    QCOMPARE(editor.tabWidth(), 4);
    QCOMPARE(editor.lexer()->defaultFont(0).pointSize(), 12);
}

void tst_VURSynLexer::gutterWithLineNumbers()
{
    QsciScintilla editor;
    QString text;
    for (int i = 0; i < 12000; ++i)
        text += QStringLiteral("x\n");
    editor.setText(text);
    ApplyEditorSettings(&editor, true, true, 9, QStringLiteral("Courier New"), true, 10, true, 2, nullptr);
    QCOMPARE(editor.marginType(0), QsciScintilla::NumberMargin);
    // Wide enough for "12001" in the text font.
    QVERIFY(editor.marginWidth(0) >= QFontMetrics(editor.font()).horizontalAdvance(QStringLiteral("12001")));
}

void tst_VURSynLexer::stylesFollowTokens_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("attribute");
    QTest::newRow("comment") << 0 << 5 << "Comment";
    QTest::newRow("reserved word") << 2 << 0 << "Reserved Word";
    QTest::newRow("identifier") << 3 << 6 << "Identifier";
    QTest::newRow("space") << 3 << 1 << "Space";
    QTest::newRow("label colon") << 4 << 32 << "Symbol";
    QTest::newRow("label") << 4 << 33 << "Identifier";
    QTest::newRow("number") << 6 << 8 << "Number";
    QTest::newRow("marker line") << 10 << 4 << "Error";
    QTest::newRow("explanation line") << 14 << 20 << "Error";
    QTest::newRow("national letter") << 15 << 5 << "Symbol";
    QTest::newRow("between national letters") << 15 << 2 << "Identifier";
    QTest::newRow("after a national letter") << 15 << 6 << "Identifier";
}

void tst_VURSynLexer::stylesFollowTokens()
{
    QFETCH(int, line);
    QFETCH(int, index);
    QFETCH(QString, attribute);
    QsciScintilla editor;
    editor.setUtf8(true);
    TVMIZHighlighter highlighter;
    QString sample = ExpandSample(highlighter.GetSampleText(), 2);
    sample.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    editor.setText(sample + QStringLiteral("\nłódź żaba"));
    ApplyDefaults(editor, &highlighter);
    Send(editor, QsciScintilla::SCI_COLOURISE, 0, -1);
    QCOMPARE(AttributeAt(editor, highlighter, line, index), attribute);
}

void tst_VURSynLexer::attributeChangeRepaints()
{
    QsciScintilla editor;
    TVMIZHighlighter highlighter;
    editor.setText(QStringLiteral("x = 12;"));
    ApplyDefaults(editor, &highlighter);
    const int numberStyle = TVURSynLexer::StyleOf(highlighter.IndexOfAttribute(highlighter.NumberAttri()));
    QCOMPARE(Send(editor, QsciScintilla::SCI_STYLEGETFORE, numberStyle), 0x008000L);
    highlighter.NumberAttri()->SetForeground(0x0000FF);
    QCOMPARE(Send(editor, QsciScintilla::SCI_STYLEGETFORE, numberStyle), 0x0000FFL);
    highlighter.NumberAttri()->SetFontStyle(TSynHighlighterAttributes::Bold | TSynHighlighterAttributes::Underline);
    // QScintilla passes Qt's weight as a negative Scintilla weight.
    QVERIFY(qAbs(Send(editor, QsciScintilla::SCI_STYLEGETWEIGHT, numberStyle)) >= 600);
    QVERIFY(Send(editor, QsciScintilla::SCI_STYLEGETUNDERLINE, numberStyle));
    const int commentStyle = TVURSynLexer::StyleOf(highlighter.IndexOfAttribute(highlighter.CommentAttri()));
    QVERIFY(Send(editor, QsciScintilla::SCI_STYLEGETITALIC, commentStyle));
}

void tst_VURSynLexer::oneHighlighterManyEditors()
{
    TVMIZHighlighter highlighter;
    QsciScintilla first;
    QsciScintilla second;
    first.setText(QStringLiteral("proof\n"));
    second.setText(QStringLiteral(":: note\n"));
    ApplyDefaults(first, &highlighter);
    ApplyDefaults(second, &highlighter);
    Send(first, QsciScintilla::SCI_COLOURISE, 0, -1);
    Send(second, QsciScintilla::SCI_COLOURISE, 0, -1);
    QCOMPARE(AttributeAt(first, highlighter, 0, 1), QStringLiteral("Reserved Word"));
    QCOMPARE(AttributeAt(second, highlighter, 0, 1), QStringLiteral("Comment"));
    highlighter.ErrorAttri()->SetForeground(0x00FF00);
    const int errorStyle = TVURSynLexer::StyleOf(highlighter.IndexOfAttribute(highlighter.ErrorAttri()));
    QCOMPARE(Send(first, QsciScintilla::SCI_STYLEGETFORE, errorStyle), 0x00FF00L);
    QCOMPARE(Send(second, QsciScintilla::SCI_STYLEGETFORE, errorStyle), 0x00FF00L);
}

void tst_VURSynLexer::detachGivesPlainText()
{
    TVMIZHighlighter highlighter;
    QsciScintilla editor;
    editor.setText(QStringLiteral("proof 12\n"));
    ApplyDefaults(editor, &highlighter);
    ApplyDefaults(editor, nullptr);
    QCOMPARE(editor.lexer(), nullptr);
    Send(editor, QsciScintilla::SCI_COLOURISE, 0, -1);
    QCOMPARE(Send(editor, QsciScintilla::SCI_GETSTYLEAT, 0), 0L);
    // Attaching the same highlighter twice keeps one lexer.
    ApplyDefaults(editor, &highlighter);
    QsciLexer *lexer = editor.lexer();
    ApplyDefaults(editor, &highlighter);
    QCOMPARE(editor.lexer(), lexer);
}

void tst_VURSynLexer::onlyNeededLinesStyled()
{
    TVMIZHighlighter highlighter;
    QsciScintilla editor;
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("  hence x in A1 by A2, Th%1; :: step\n").arg(i);
    editor.setText(text);
    ApplyDefaults(editor, &highlighter);
    editor.resize(600, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    RunEventLoopFor(50);
    const long length = editor.length();
    const long styledAtStart = Send(editor, QsciScintilla::SCI_GETENDSTYLED);
    QVERIFY2(styledAtStart > 0 && styledAtStart < length / 10, qPrintable(QString::number(styledAtStart)));

    // A keystroke in the middle restyles from its line to the end of the view.
    editor.setCursorPosition(10000, 2);
    editor.ensureLineVisible(10000);
    RunEventLoopFor(50);
    editor.insert(QStringLiteral("x"));
    RunEventLoopFor(50);
    const long middle = editor.positionFromLineIndex(10000, 0);
    const long styledAfter = Send(editor, QsciScintilla::SCI_GETENDSTYLED);
    QVERIFY2(styledAfter > middle && styledAfter < middle + length / 10, qPrintable(QString::number(styledAfter)));
}

void tst_VURSynLexer::smartTabs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    QTest::newRow("first word start") << "  let x be set;\n" << 1 << 0 << 2;
    QTest::newRow("next word start") << "  let x be set;\n" << 1 << 2 << 6;
    QTest::newRow("from inside a word") << "  let x be set;\n" << 1 << 3 << 6;
    QTest::newRow("skips empty lines") << "  let x;\n\n" << 2 << 0 << 2;
    QTest::newRow("nothing to the right: plain tab") << "let\n" << 1 << 3 << 4;
}

void tst_VURSynLexer::smartTabs()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, index);
    QFETCH(int, expected);
    QsciScintilla editor;
    editor.setText(text + QString(index, QLatin1Char(' ')));
    ApplyDefaults(editor, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setFocus();
    editor.setCursorPosition(line, index);
    QTest::keyClick(editor.viewport(), Qt::Key_Tab);
    int caretLine = 0;
    int caretIndex = 0;
    editor.getCursorPosition(&caretLine, &caretIndex);
    QCOMPARE(caretLine, line);
    QCOMPARE(caretIndex, expected);
    QVERIFY(!editor.text(line).contains(QLatin1Char('\t')));
}

QTEST_MAIN(tst_VURSynLexer)
#include "tst_VURSynLexer.moc"
