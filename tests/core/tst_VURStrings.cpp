#include "VURStrings.h"

#include <QTest>

using namespace VURStrings;

class tst_VURStrings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaceAll_data();
    void replaceAll();
    void positions_data();
    void positions();
    void textAround_data();
    void textAround();
    void splitAt_data();
    void splitAt();
    void padTrimAndEnds();
};

void tst_VURStrings::replaceAll_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("expected");
    QTest::newRow("every occurrence") << "a.b.c" << "." << "::" << "a::b::c";
    QTest::newRow("no overlap") << "aaaa" << "aa" << "b" << "bb";
    QTest::newRow("left to right") << "aaa" << "aa" << "b" << "ba";
    QTest::newRow("case-sensitive") << "Abc abc" << "abc" << "x" << "Abc x";
    QTest::newRow("empty old unchanged") << "abc" << "" << "x" << "abc";
    QTest::newRow("replacement not rescanned") << "ab" << "a" << "aa" << "aab";
}

void tst_VURStrings::replaceAll()
{
    QFETCH(QString, s);
    QFETCH(QString, oldText);
    QFETCH(QString, newText);
    QFETCH(QString, expected);
    QCOMPARE(ReplaceAll(s, oldText, newText), expected);
}

void tst_VURStrings::positions_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("fromLeft");
    QTest::addColumn<int>("fromRight");
    QTest::newRow("first") << "a/b/c" << 1 << 2 << 4;
    QTest::newRow("second") << "a/b/c" << 2 << 4 << 2;
    QTest::newRow("beyond") << "a/b/c" << 3 << 0 << 0;
    QTest::newRow("none") << "abc" << 1 << 0 << 0;
    QTest::newRow("empty") << "" << 1 << 0 << 0;
    QTest::newRow("zeroth") << "a/b" << 0 << 0 << 0;
}

void tst_VURStrings::positions()
{
    QFETCH(QString, s);
    QFETCH(int, n);
    QFETCH(int, fromLeft);
    QFETCH(int, fromRight);
    QCOMPARE(NthCharPos(s, QLatin1Char('/'), n), fromLeft);
    QCOMPARE(NthCharPosFromRight(s, QLatin1Char('/'), n), fromRight);
}

void tst_VURStrings::textAround_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("beforeSecond");
    QTest::addColumn<QString>("beforeSecondFromRight");
    QTest::addColumn<QString>("afterSecond");
    QTest::addColumn<QString>("beforeSub");
    QTest::addColumn<QString>("afterSub");
    QTest::newRow("three parts") << "a/b/c" << "a/b" << "a" << "c" << "a" << "b/c";
    QTest::newRow("one separator") << "a/b" << "" << "" << "" << "a" << "b";
    QTest::newRow("none") << "abc" << "" << "" << "" << "" << "";
    QTest::newRow("leading") << "/x/" << "/x" << "" << "" << "" << "x/";
}

void tst_VURStrings::textAround()
{
    QFETCH(QString, s);
    QFETCH(QString, beforeSecond);
    QFETCH(QString, beforeSecondFromRight);
    QFETCH(QString, afterSecond);
    QFETCH(QString, beforeSub);
    QFETCH(QString, afterSub);
    QCOMPARE(TextBeforeNthChar(s, QLatin1Char('/'), 2), beforeSecond);
    QCOMPARE(TextBeforeNthCharFromRight(s, QLatin1Char('/'), 2), beforeSecondFromRight);
    QCOMPARE(TextAfterNthChar(s, QLatin1Char('/'), 2), afterSecond);
    QCOMPARE(TextBefore(s, QStringLiteral("/")), beforeSub);
    QCOMPARE(TextAfter(s, QStringLiteral("/")), afterSub);
}

void tst_VURStrings::splitAt_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("tail");
    QTest::newRow("first separator") << "Open|Open a file|x" << "|" << "Open" << "Open a file|x";
    QTest::newRow("no separator") << "Open" << "|" << "Open" << "";
    QTest::newRow("long separator") << "a::b" << "::" << "a" << "b";
    QTest::newRow("at end") << "a|" << "|" << "a" << "";
}

void tst_VURStrings::splitAt()
{
    QFETCH(QString, s);
    QFETCH(QString, separator);
    QFETCH(QString, head);
    QFETCH(QString, tail);
    QString h = QStringLiteral("old"), t = QStringLiteral("old");
    SplitAt(s, h, t, separator);
    QCOMPARE(h, head);
    QCOMPARE(t, tail);
    // The source may be one of the outputs.
    QString same = s;
    SplitAt(same, same, t, separator);
    QCOMPARE(same, head);
    QCOMPARE(t, tail);
}

void tst_VURStrings::padTrimAndEnds()
{
    QCOMPARE(PadLeft(QStringLiteral("7"), QLatin1Char('0'), 4), QStringLiteral("0007"));
    QCOMPARE(PadLeft(QStringLiteral("12345"), QLatin1Char('0'), 4), QStringLiteral("12345"));
    QCOMPARE(TrimRightChar(QStringLiteral("a\\\\"), QLatin1Char('\\')), QStringLiteral("a"));
    QCOMPARE(TrimRightChar(QStringLiteral("\\\\"), QLatin1Char('\\')), QString());
    QCOMPARE(RemoveChar(QStringLiteral("&Open &file"), QLatin1Char('&')), QStringLiteral("Open file"));
    QCOMPARE(CommonPrefix(QStringLiteral("#12 proof"), QStringLiteral("#12 Proof")), QStringLiteral("#12 "));
    QCOMPARE(CommonPrefix(QStringLiteral("abc"), QString()), QString());
    QCOMPARE(RightChars(QStringLiteral("abcdef"), 2), QStringLiteral("ef"));
    QCOMPARE(RightChars(QStringLiteral("ab"), 5), QStringLiteral("ab"));
    QCOMPARE(CountChar(QStringLiteral("::> *4,4"), QLatin1Char('4')), 2);
    QCOMPARE(LastChar(QStringLiteral("abc")), QLatin1Char('c'));
    QCOMPARE(LastChar(QString()), QChar(0));
}

QTEST_APPLESS_MAIN(tst_VURStrings)
#include "tst_VURStrings.moc"
