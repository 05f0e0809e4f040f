#include "VMIZHighlighter.h"

#include <QTest>

class tst_VMIZHighlighter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reservedWords();
    void issueLine_data();
    void issueLine();
    void issueMarkLine_data();
    void issueMarkLine();
    void sampleText_data();
    void sampleText();
};

void tst_VMIZHighlighter::reservedWords()
{
    TVMIZHighlighter highlighter;
    QCOMPARE(TVMIZHighlighter::MizarReservedWords().size(), 98);
    QCOMPARE(highlighter.ReservedWords().size(), 98);
    QStringList sorted = TVMIZHighlighter::MizarReservedWords();
    sorted.sort();
    QCOMPARE(highlighter.ReservedWords(), sorted);
    QVERIFY(highlighter.IsKeyword(u"proof"));
    QVERIFY(highlighter.IsKeyword(u"@proof"));
    QVERIFY(!highlighter.IsKeyword(u"Proof"));
    QVERIFY(!highlighter.IsKeyword(u"PROOF"));
    QVERIFY(highlighter.IsKeyword(u"vocabularies"));
    QVERIFY(!highlighter.IsKeyword(u"vocabulary"));
    QVERIFY(!highlighter.IsKeyword(u""));
}

void tst_VMIZHighlighter::issueLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("expected");
    QTest::newRow("bare") << "::>" << true;
    QTest::newRow("marker") << "::>   *4" << true;
    QTest::newRow("explanation") << "::> 4: This inference is not accepted" << true;
    QTest::newRow("comment") << "::" << false;
    QTest::newRow("blank first") << " ::>" << false;
    QTest::newRow("short") << ":" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_VMIZHighlighter::issueLine()
{
    QFETCH(QString, line);
    QFETCH(bool, expected);
    QCOMPARE(TVMIZHighlighter().IsIssueLine(line), expected);
}

void tst_VMIZHighlighter::issueMarkLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("expected");
    QTest::newRow("markers") << "::>  *4,4" << true;
    QTest::newRow("several columns") << "::>*396                  *4,4" << true;
    QTest::newRow("bare") << "::>" << false;
    QTest::newRow("blanks only") << "::>    \t" << false;
    QTest::newRow("explanation") << "::> 4: This inference is not accepted" << false;
    QTest::newRow("comment further on") << "::>   *4  :: note" << false;
    QTest::newRow("not an issue line") << " ::>  *4" << false;
    QTest::newRow("comment") << ":: *4" << false;
}

void tst_VMIZHighlighter::issueMarkLine()
{
    QFETCH(QString, line);
    QFETCH(bool, expected);
    TVMIZHighlighter highlighter;
    QCOMPARE(highlighter.IsIssueMarkLine(line), expected);
    QVERIFY(!highlighter.IsSecondaryMarkLine(line));
}

void tst_VMIZHighlighter::sampleText_data()
{
    QTest::addColumn<int>("indent");
    for (int n = 0; n <= 4; ++n)
        QTest::newRow(qPrintable(QStringLiteral("indent %1").arg(n))) << n;
}

void tst_VMIZHighlighter::sampleText()
{
    QFETCH(int, indent);
    TVMIZHighlighter highlighter;
    const QStringList lines = ExpandSample(highlighter.GetSampleText(), indent).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines.at(0), QStringLiteral(":: The n-th power of a language:"));
    QVERIFY(lines.at(1).isEmpty() && lines.at(12).isEmpty());
    QCOMPARE(lines.at(2), QStringLiteral("definition"));
    QVERIFY(lines.at(3).trimmed().startsWith(QLatin1String("let ")));
    QVERIFY(lines.at(4).trimmed().startsWith(QLatin1String("func ")));
    QVERIFY(lines.at(4).endsWith(QLatin1String(":DefPower:")));
    QVERIFY(lines.at(5).trimmed().startsWith(QLatin1String("ex ")));
    const QString formulas = lines.mid(6, 3).join(QLatin1Char('\n'));
    for (const char *symbol : {"&", "=", "{", "}", "(", ")", ".", "^^"})
        QVERIFY2(formulas.contains(QLatin1String(symbol)), symbol);
    QCOMPARE(lines.at(9), QString(indent, QLatin1Char(' ')) + QStringLiteral("correctness;"));
    // The "*" of the marker line stands under the ";" of the line above.
    QCOMPARE(lines.at(10).indexOf(QLatin1Char('*')), lines.at(9).indexOf(QLatin1Char(';')));
    QVERIFY(highlighter.IsIssueMarkLine(lines.at(10)));
    QCOMPARE(lines.at(11), QStringLiteral("end;"));
    QCOMPARE(lines.at(13), QStringLiteral("::>"));
    QCOMPARE(lines.at(14), QStringLiteral("::> 4: This inference is not accepted"));
    // Indented by one to three steps.
    for (int i = 3; i <= 9; ++i) {
        const qsizetype lead = lines.at(i).size() - lines.at(i).trimmed().size();
        QVERIFY(lead >= indent && lead <= 3 * indent);
    }
    // Every kind of token appears.
    QSet<int> kinds;
    for (const QString &line : lines) {
        highlighter.SetLine(line, 0);
        while (!highlighter.GetEol()) {
            kinds.insert(highlighter.GetTokenKind());
            highlighter.Next();
        }
    }
    for (int kind : {0, 1, 2, 3, 5, 6, 7, 8})
        QVERIFY2(kinds.contains(kind), qPrintable(QString::number(kind)));
}

QTEST_GUILESS_MAIN(tst_VMIZHighlighter)
#include "tst_VMIZHighlighter.moc"
