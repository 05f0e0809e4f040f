#include "StandInInstallation.h"

#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray output;
};

Run Start(const StandInInstallation &mizar, const ArticleFolder &folder, const QString &program,
          const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder.Path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(mizar.Program(program), arguments);
    process.waitForFinished(10000);
    return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAll()};
}

const QByteArray kArticle =
    "environ\n"
    " vocabularies XBOOLE_0;\n"
    "begin\n"
    "theorem\n"
    "  x in A1 iff x in A2 by A1;\n"
    "end;\n";

} // namespace

class tst_MizarStandIn : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanArticle();
    void issuesWrittenAndFlagged();
    void roundTripGivesOriginalBytes_data();
    void roundTripGivesOriginalBytes();
    void environmentErrors();
    void verifierAfterFailedEnvironment();
    void remflagsNeedsExtension();
    void badArticleName();
    void unknownMessage();
    void waitsUntilStopped();
    void noErrAndCrash();
};

void tst_MizarStandIn::cleanArticle()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), kArticle);
    const Run verifier = Start(mizar, folder, QStringLiteral("verifier"), {QStringLiteral("ring_1")});
    QCOMPARE(verifier.exitCode, 0);
    QVERIFY(verifier.output.startsWith("Verifier based on More Strict Mizar Processor"));
    QVERIFY(verifier.output.contains("Processing: ring_1.miz\n"));
    QVERIFY(verifier.output.contains("\rParser   [   6]   0:00\n"));
    QVERIFY(verifier.output.contains("\rChecker  [   6]   0:00\nTime of mizaring: 0:00\n"));
    QVERIFY(QFile::exists(folder.File(QStringLiteral("ring_1.err"))));
    QCOMPARE(folder.Read(QStringLiteral("ring_1.err")), QByteArray());
    QCOMPARE(folder.Read(QStringLiteral("ring_1.standin.log")), QByteArray("verifier ring_1\n"));
}

void tst_MizarStandIn::issuesWrittenAndFlagged()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), kArticle);
    folder.Script(QStringLiteral("ring_1"), "verifier issue 5 26 4\nverifier issue 2 15 144\nverifier issue 5 26 4\n"
                                            "verifier issue 5 3 396\n");
    const Run verifier = Start(mizar, folder, QStringLiteral("verifier"), {QStringLiteral("ring_1")});
    QCOMPARE(verifier.exitCode, 1);
    QVERIFY(verifier.output.contains("Checker  [   6 *4]   0:00"));
    // In the order found, repeats kept.
    QCOMPARE(folder.Read(QStringLiteral("ring_1.err")), QByteArray("5 26 4\n2 15 144\n5 26 4\n5 3 396\n"));

    QCOMPARE(Start(mizar, folder, QStringLiteral("errflag"), {QStringLiteral("ring_1")}).exitCode, 0);
    QCOMPARE(Start(mizar, folder, QStringLiteral("addfmsg"), {QStringLiteral("ring_1"), mizar.Dir() + QStringLiteral("mizar")}).exitCode, 0);
    QCOMPARE(folder.Read(QStringLiteral("ring_1.miz")),
             QByteArray("environ\n"
                        " vocabularies XBOOLE_0;\n"
                        "::>           *144\n"
                        "begin\n"
                        "theorem\n"
                        "  x in A1 iff x in A2 by A1;\n"
                        "::>*396                  *4,4\n"
                        "end;\n"
                        "::>\n"
                        "::> 4: This inference is not accepted\n"
                        "::> 144: Unknown label\n"
                        "::> 396: Formula expected\n"));
}

void tst_MizarStandIn::roundTripGivesOriginalBytes_data()
{
    QTest::addColumn<QByteArray>("article");
    QTest::newRow("LF") << kArticle;
    QTest::newRow("CR LF") << QByteArray(kArticle).replace("\n", "\r\n");
    QTest::newRow("national letters") << QByteArray(":: Za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87 g\xc4\x99\xc5\x9bl\xc4\x85\nbegin\n");
}

void tst_MizarStandIn::roundTripGivesOriginalBytes()
{
    QFETCH(QByteArray, article);
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("art.miz"), article);
    folder.Script(QStringLiteral("art"), "verifier issue 1 4 4\nverifier issue 2 1 144\n");
    QCOMPARE(Start(mizar, folder, QStringLiteral("verifier"), {QStringLiteral("art")}).exitCode, 1);
    Start(mizar, folder, QStringLiteral("errflag"), {QStringLiteral("art.miz")});
    Start(mizar, folder, QStringLiteral("addfmsg"), {QStringLiteral("art.miz"), mizar.Dir() + QStringLiteral("mizar")});
    const QByteArray flagged = folder.Read(QStringLiteral("art.miz"));
    QVERIFY(flagged.contains("::>"));
    // Flagging again gives the same text.
    Start(mizar, folder, QStringLiteral("errflag"), {QStringLiteral("art.miz")});
    Start(mizar, folder, QStringLiteral("addfmsg"), {QStringLiteral("art.miz"), mizar.Dir() + QStringLiteral("mizar")});
    QCOMPARE(folder.Read(QStringLiteral("art.miz")), flagged);
    QCOMPARE(Start(mizar, folder, QStringLiteral("remflags"), {QStringLiteral("art.miz")}).exitCode, 0);
    QCOMPARE(folder.Read(QStringLiteral("art.miz")), article);
}

void tst_MizarStandIn::environmentErrors()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), kArticle);
    folder.Script(QStringLiteral("ring_1"), "makeenv issue 2 24 801\nmakeenv issue 2 24 803\n");
    for (const QString &program : {QStringLiteral("makeenv"), QStringLiteral("accom")}) {
        const Run run = Start(mizar, folder, program, {QStringLiteral("ring_1")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.output.contains("-Vocabularies  "));
        QVERIFY(run.output.contains("\r-Vocabularies  [   1]\n"));
        QVERIFY(run.output.endsWith("\a\a\a\n**** 2 errors detected\n"));
        QCOMPARE(folder.Read(QStringLiteral("ring_1.err")), QByteArray("2 24 801\n2 24 803\n"));
    }
    folder.Script(QStringLiteral("ring_1"), "");
    QCOMPARE(Start(mizar, folder, QStringLiteral("makeenv"), {QStringLiteral("ring_1")}).exitCode, 0);
    QCOMPARE(folder.Read(QStringLiteral("ring_1.err")), QByteArray());
}

void tst_MizarStandIn::verifierAfterFailedEnvironment()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), kArticle);
    folder.Script(QStringLiteral("ring_1"), "makeenv issue 2 24 801\nverifier issue 5 3 4\n");
    QCOMPARE(Start(mizar, folder, QStringLiteral("makeenv"), {QStringLiteral("ring_1")}).exitCode, 1);
    // As the real one: it reports success and an empty .err.
    QCOMPARE(Start(mizar, folder, QStringLiteral("verifier"), {QStringLiteral("ring_1")}).exitCode, 0);
    QCOMPARE(folder.Read(QStringLiteral("ring_1.err")), QByteArray());
}

void tst_MizarStandIn::remflagsNeedsExtension()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), "a\n::> *4\n");
    const Run run = Start(mizar, folder, QStringLiteral("remflags"), {QStringLiteral("ring_1")});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.output, QByteArray("Can't open ring_1\n"));
    QCOMPARE(folder.Read(QStringLiteral("ring_1.miz")), QByteArray("a\n::> *4\n"));
}

void tst_MizarStandIn::badArticleName()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring-1.miz"), kArticle);
    const Run run = Start(mizar, folder, QStringLiteral("verifier"), {QStringLiteral("ring-1")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.output, QByteArray("Only letters, numbers and _ allowed in Mizar file names\n"));
}

void tst_MizarStandIn::unknownMessage()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("a.miz"), "begin\n");
    folder.Write(QStringLiteral("a.err"), "1 2 9999\n");
    Start(mizar, folder, QStringLiteral("addfmsg"), {QStringLiteral("a"), mizar.Dir() + QStringLiteral("mizar")});
    QCOMPARE(folder.Read(QStringLiteral("a.miz")), QByteArray("begin\n::>\n::> 9999: ???\n"));
    // An empty .err changes nothing.
    folder.Write(QStringLiteral("a.miz"), "begin\n");
    folder.Write(QStringLiteral("a.err"), "");
    Start(mizar, folder, QStringLiteral("addfmsg"), {QStringLiteral("a"), mizar.Dir() + QStringLiteral("mizar")});
    QCOMPARE(folder.Read(QStringLiteral("a.miz")), QByteArray("begin\n"));
}

void tst_MizarStandIn::waitsUntilStopped()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("long.miz"), kArticle);
    folder.Script(QStringLiteral("long"), "verifier wait\n");
    QProcess process;
    process.setWorkingDirectory(folder.Path());
    process.start(mizar.Program(QStringLiteral("verifier")), {QStringLiteral("long")});
    QVERIFY(process.waitForStarted());
    QVERIFY(!process.waitForFinished(300));
    process.terminate();
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 99);
    QVERIFY(process.readAll().endsWith("\a\a\a\n**** User break ****\n"));
    QCOMPARE(folder.Read(QStringLiteral("long.err")), QByteArray("1 1 1255\n"));
}

void tst_MizarStandIn::noErrAndCrash()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("a.miz"), kArticle);
    folder.Write(QStringLiteral("a.err"), "stale\n");
    folder.Script(QStringLiteral("a"), "verifier no-err\nrelprem crash\nchklab issue 3 1 601\ntrivdemo exit 5\n");
    QCOMPARE(Start(mizar, folder, QStringLiteral("verifier"), {QStringLiteral("a")}).exitCode, 0);
    QVERIFY(!QFile::exists(folder.File(QStringLiteral("a.err"))));
    QCOMPARE(Start(mizar, folder, QStringLiteral("relprem"), {QStringLiteral("a")}).exitCode, -2);
    // chklab reports success even when it found something.
    const Run chklab = Start(mizar, folder, QStringLiteral("chklab"), {QStringLiteral("a")});
    QCOMPARE(chklab.exitCode, 0);
    QVERIFY(chklab.output.contains("**** 1 Irrelevant Items Found ****"));
    QCOMPARE(folder.Read(QStringLiteral("a.err")), QByteArray("3 1 601\n"));
    QCOMPARE(Start(mizar, folder, QStringLiteral("trivdemo"), {QStringLiteral("a")}).exitCode, 5);
}

QTEST_GUILESS_MAIN(tst_MizarStandIn)
#include "tst_MizarStandIn.moc"
