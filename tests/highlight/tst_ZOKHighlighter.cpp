#include "VMIZHighlighter.h"

#include <QTest>

namespace {

// "kind:text" for every token of the line, the end of line included.
QStringList Tokens(TZOKHighlighter &highlighter, const QString &line)
{
    QStringList tokens;
    highlighter.SetLine(line, 0);
    int guard = 0;
    while (!highlighter.GetEol() && ++guard < 10000) {
        if (highlighter.GetTokenLength() < 1
            || highlighter.GetToken() != line.mid(highlighter.GetTokenPos(), highlighter.GetTokenLength()))
            tokens.append(QStringLiteral("<bad token bounds>"));
        tokens.append(QString::number(highlighter.GetTokenKind()) + QLatin1Char(':') + highlighter.GetToken());
        highlighter.Next();
    }
    tokens.append(QStringLiteral("4:"));
    // At the end it stays at the end.
    highlighter.Next();
    if (!highlighter.GetEol())
        tokens.append(QStringLiteral("<moved past the end>"));
    return tokens;
}

} // namespace

class tst_ZOKHighlighter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scan_data();
    void scan();
    void attributesOfKinds();
    void defaults();
    void rangeState();
};

void tst_ZOKHighlighter::scan_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("tokens");
    QTest::newRow("empty") << "" << QStringList{"4:"};
    QTest::newRow("bare issue line") << "::>" << QStringList{"1:::>", "4:"};
    QTest::newRow("marker line is one issue token")
        << "::>        *4,4" << QStringList{"1:::>        *4,4", "4:"};
    QTest::newRow("issue after a blank is a comment") << " ::> x" << QStringList{"6: ", "0:::> x", "4:"};
    QTest::newRow("comment after text") << "end; :: done" << QStringList{"3:end", "8:;", "6: ", "0::: done", "4:"};
    QTest::newRow("comment at the start") << ":: The n-th" << QStringList{"0::: The n-th", "4:"};
    QTest::newRow("colon between words") << "a:b" << QStringList{"2:a", "7::", "2:b", "4:"};
    QTest::newRow("colon equals") << "x:=1" << QStringList{"2:x", "7::", "8:=", "5:1", "4:"};
    QTest::newRow("label") << ":DefPower:" << QStringList{"7::", "2:DefPower", "7::", "4:"};
    QTest::newRow("dollar number") << "$12" << QStringList{"5:$12", "4:"};
    QTest::newRow("dollar word") << "$x" << QStringList{"8:$", "2:x", "4:"};
    QTest::newRow("reserved word case-sensitive")
        << "begin Begin BEGIN" << QStringList{"3:begin", "6: ", "2:Begin", "6: ", "2:BEGIN", "4:"};
    QTest::newRow("at sign") << "@proof" << QStringList{"8:@", "3:proof", "4:"};
    QTest::newRow("digits split a word") << "2x" << QStringList{"5:2", "2:x", "4:"};
    QTest::newRow("digits inside a word") << "x2y" << QStringList{"2:x2y", "4:"};
    QTest::newRow("no decimal point") << "1.5" << QStringList{"5:1", "8:.", "5:5", "4:"};
    QTest::newRow("apostrophes") << "f' 'a" << QStringList{"2:f'", "6: ", "2:'a", "4:"};
    QTest::newRow("space run with tabs") << " \t x" << QStringList{"6: \t ", "2:x", "4:"};
    QTest::newRow("national letters are single others")
        << "zażółć" << QStringList{"2:za", "8:ż", "8:ó", "8:ł", "8:ć", "4:"};
    QTest::newRow("character above 255") << "a\u2200b" << QStringList{"2:a", "8:\u2200", "2:b", "4:"};
    QTest::newRow("latin-1 space ends nothing") << "a\u00a0b" << QStringList{"2:a", "8:\u00a0", "2:b", "4:"};
    QTest::newRow("carriage return line feed") << "a\r\n" << QStringList{"2:a", "6:\r\n", "4:"};
    QTest::newRow("line feed alone") << "a\nb" << QStringList{"2:a", "6:\n", "2:b", "4:"};
    QTest::newRow("symbols") << "{(P.i)}^^L;"
                             << QStringList{"8:{", "8:(", "2:P", "8:.", "2:i", "8:)", "8:}", "8:^", "8:^", "2:L", "8:;", "4:"};
    QTest::newRow("comment stops at a line feed") << ":: a\nb" << QStringList{"0::: a", "6:\n", "2:b", "4:"};
}

void tst_ZOKHighlighter::scan()
{
    QFETCH(QString, line);
    QFETCH(QStringList, tokens);
    TVMIZHighlighter highlighter;
    QCOMPARE(Tokens(highlighter, line), tokens);
}

void tst_ZOKHighlighter::attributesOfKinds()
{
    TVMIZHighlighter highlighter;
    const struct
    {
        const char *line;
        const char *attribute;
    } cases[] = {{":: c", "Comment"}, {"::> *4", "Error"}, {"x", "Identifier"}, {"proof", "Reserved Word"},
                 {"12", "Number"},   {"  ", "Space"},       {":", "Symbol"},     {";", "Symbol"}};
    for (const auto &c : cases) {
        highlighter.SetLine(QString::fromUtf8(c.line), 0);
        QCOMPARE(highlighter.GetTokenAttribute()->Name(), QString::fromLatin1(c.attribute));
    }
    highlighter.SetLine(QString(), 0);
    QCOMPARE(highlighter.GetTokenAttribute(), nullptr);
}

void tst_ZOKHighlighter::defaults()
{
    TVMIZHighlighter highlighter;
    QCOMPARE(highlighter.LanguageName(), QStringLiteral("General"));
    QCOMPARE(highlighter.GetDefaultAttribute(TVURHighlighter::RoleComment), highlighter.CommentAttri());
    QCOMPARE(highlighter.GetDefaultAttribute(TVURHighlighter::RoleIdentifier), highlighter.IdentifierAttri());
    QCOMPARE(highlighter.GetDefaultAttribute(TVURHighlighter::RoleReservedWord), highlighter.KeyAttri());
    QCOMPARE(highlighter.GetDefaultAttribute(TVURHighlighter::RoleString), nullptr);
    QCOMPARE(highlighter.GetDefaultAttribute(TVURHighlighter::RoleWhiteSpace), highlighter.SpaceAttri());
    QCOMPARE(highlighter.GetDefaultAttribute(TVURHighlighter::RoleSymbol), highlighter.SymbolAttri());
    QCOMPARE(highlighter.GetDefaultAttribute(6), nullptr);
    for (const QChar c : QStringLiteral("'09AZ_az"))
        QVERIFY(highlighter.IsIdentChar(c));
    for (const QChar c : QStringLiteral("$@:.-ż "))
        QVERIFY(!highlighter.IsIdentChar(c));
}

void tst_ZOKHighlighter::rangeState()
{
    TVMIZHighlighter highlighter;
    QCOMPARE(highlighter.GetRange(), 0);
    highlighter.SetRange(0x1234);
    QCOMPARE(highlighter.GetRange(), 0x34);
    highlighter.SetLine(QStringLiteral(":: x"), 3);
    QCOMPARE(highlighter.GetRange(), 0x34); // scanning leaves it alone
    QCOMPARE(highlighter.LineIndex(), 3);
    highlighter.ResetRange();
    QCOMPARE(highlighter.GetRange(), 0);
}

QTEST_GUILESS_MAIN(tst_ZOKHighlighter)
#include "tst_ZOKHighlighter.moc"
