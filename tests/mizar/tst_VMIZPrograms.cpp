#include "VMIZPrograms.h"

#include <QTest>

using namespace VMIZPrograms;

class tst_VMIZPrograms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("MIZFILES"); }
    void arguments_data();
    void arguments();
    void groups();
};

void tst_VMIZPrograms::arguments_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("inRunWindow");
    QTest::newRow("remflags") << "remflags" << QStringList{"ring_1.miz"} << true;
    QTest::newRow("accom") << "accom" << QStringList{"ring_1"} << true;
    QTest::newRow("makeenv") << "makeenv" << QStringList{"ring_1"} << true;
    QTest::newRow("verifier") << "verifier" << QStringList{"ring_1"} << true;
    for (const char *detector : {"inacc", "relinfer", "reliters", "relprem", "trivdemo", "chklab", "irrvoc", "irrths"})
        QTest::newRow(detector) << detector << QStringList{"ring_1"} << true;
    QTest::newRow("errflag") << "errflag" << QStringList{"ring_1.miz"} << false;
    QTest::newRow("addfmsg") << "addfmsg" << QStringList{"ring_1.miz", "/opt/my mizar/mizar"} << false;
}

void tst_VMIZPrograms::arguments()
{
    QFETCH(QString, program);
    QFETCH(QStringList, expected);
    QFETCH(bool, inRunWindow);
    qputenv("MIZFILES", "/opt/my mizar");
    const TVMIZProgram *entry = Program(program);
    QVERIFY(entry);
    QCOMPARE(Arguments(*entry, QStringLiteral("/home/ann/art/ring_1.miz")), expected);
    QCOMPARE(Arguments(*entry, QStringLiteral("ring_1.miz")), expected);
    QCOMPARE(entry->mode == TVMIZRunMode::RunWindow, inRunWindow);
}

void tst_VMIZPrograms::groups()
{
    QCOMPARE(Programs().size(), 14);
    QVERIFY(!Program(QStringLiteral("verifier.exe")));
    QCOMPARE(Detectors(), QStringList({"inacc", "relinfer", "reliters", "relprem", "trivdemo", "chklab", "irrvoc", "irrths"}));
    QCOMPARE((QStringList{RemFlags(), Accom(), MakeEnv(), Verifier(), ErrFlag(), AddFMsg()}),
             QStringList({"remflags", "accom", "makeenv", "verifier", "errflag", "addfmsg"}));
    QVERIFY(Program(Accom())->reportsEnvironment && Program(MakeEnv())->reportsEnvironment);
    QVERIFY(!Program(Verifier())->reportsEnvironment && Program(Verifier())->reportsIssues);
    QCOMPARE(ArticleName(QStringLiteral("/a/b.c/xboole_0.miz")), QStringLiteral("xboole_0"));
}

QTEST_APPLESS_MAIN(tst_VMIZPrograms)
#include "tst_VMIZPrograms.moc"
