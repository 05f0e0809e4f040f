#include "StandInInstallation.h"
#include "VMIZFiles.h"
#include "VURLang.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace VMIZFiles;

class tst_VMIZFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void mizarDir_data();
    void mizarDir();
    void filter();
    void articleName_data();
    void articleName();
    void messageTable_data();
    void messageTable();
    void messageLookup();
    void loadFromInstallation();
    void missingMessageFileIsSilent();
    void programLookup();
};

void tst_VMIZFiles::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VMIZFiles::cleanup()
{
    qunsetenv("MIZFILES");
}

void tst_VMIZFiles::mizarDir_data()
{
    QTest::addColumn<QByteArray>("mizfiles");
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unset") << QByteArray() << false << "/usr/local/share/mizar/";
    QTest::newRow("empty") << QByteArray() << true << "/usr/local/share/mizar/";
    QTest::newRow("without delimiter") << QByteArray("/opt/mizar") << true << "/opt/mizar/";
    QTest::newRow("with delimiter") << QByteArray("/opt/mizar/") << true << "/opt/mizar/";
    QTest::newRow("blanks") << QByteArray("/home/ann/My Mizar") << true << "/home/ann/My Mizar/";
}

void tst_VMIZFiles::mizarDir()
{
    QFETCH(QByteArray, mizfiles);
    QFETCH(bool, set);
    QFETCH(QString, expected);
    if (set)
        qputenv("MIZFILES", mizfiles);
    else
        qunsetenv("MIZFILES");
    QCOMPARE(GetMizarDir(), expected);
}

void tst_VMIZFiles::filter()
{
    QCOMPARE(GetMizarFilter(), QStringLiteral("Mizar files (*.miz;*.abs)|*.miz;*.abs|All files (*.*)|*.*"));
    LangManager()->SetLanguage(QStringLiteral("plk"));
    QCOMPARE(GetMizarFilter(), QStringLiteral("Pliki Mizarowe (*.miz;*.abs)|*.miz;*.abs|Wszystkie pliki (*.*)|*.*"));
}

void tst_VMIZFiles::articleName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("ring_1.miz") << "ring_1.miz" << true;
    QTest::newRow("RING_1.MIZ") << "RING_1.MIZ" << true;
    QTest::newRow("a.Miz") << "a.Miz" << true;
    QTest::newRow("long name") << "a_very_long_article_name_2.miz" << true;
    QTest::newRow("1ring.miz") << "1ring.miz" << false;
    QTest::newRow("_ring.miz") << "_ring.miz" << false;
    QTest::newRow("ring-1.miz") << "ring-1.miz" << false;
    QTest::newRow("ring 1.miz") << "ring 1.miz" << false;
    QTest::newRow("ring.1.miz") << "ring.1.miz" << false;
    QTest::newRow("ring.mizx") << "ring.mizx" << false;
    QTest::newRow("ring.abs") << "ring.abs" << false;
    QTest::newRow("ring") << "ring" << false;
    QTest::newRow(".miz") << ".miz" << false;
    QTest::newRow("national letter") << "żaba.miz" << false;
    QTest::newRow("national capital") << "ŻABA.miz" << false;
}

void tst_VMIZFiles::articleName()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QCOMPARE(IsMizarArticleName(name), accepted);
}

void tst_VMIZFiles::messageTable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries"); // key=message
    QTest::newRow("headers and messages")
        << QByteArray("# 4\nThis inference is not accepted\n# 7\n\nSecond\n")
        << QStringList{"4=This inference is not accepted", "7=Second"};
    QTest::newRow("only the first line after a header")
        << QByteArray("# 4\nfirst\nsecond\n# 5\nfifth\n") << QStringList{"4=first", "5=fifth"};
    QTest::newRow("header without space ignored")
        << QByteArray("#4\nlost\n# 5\nkept\n") << QStringList{"5=kept"};
    QTest::newRow("header not a number") << QByteArray("# x\nlost\n# 4 5\nlost too\n") << QStringList();
    QTest::newRow("header -1") << QByteArray("# -1\nlost\n") << QStringList();
    QTest::newRow("header after header forgotten")
        << QByteArray("# 1\n# 2\ntwo\n") << QStringList{"2=two"};
    QTest::newRow("same number twice: first wins")
        << QByteArray("# 4\nfirst\n# 4\nsecond\n") << QStringList{"4=first", "4=second"};
    QTest::newRow("equals sign kept") << QByteArray("# 9\na = b\n") << QStringList{"9=a = b"};
    QTest::newRow("CR LF and trimming")
        << QByteArray("# 12\r\n  \t Padded message \t\r\n\r\n") << QStringList{"12=Padded message"};
    QTest::newRow("lone CR") << QByteArray("# 3\rThree\r") << QStringList{"3=Three"};
    QTest::newRow("Latin-1 bytes") << QByteArray("# 8\nZa ma\xb3o\n") << QStringList{"8=Za ma\u00b3o"};
    QTest::newRow("UTF-8") << QByteArray("# 8\nZa mało\n") << QStringList{"8=Za mało"};
    // Garbage around one good entry: only the entry is taken.
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 131 + 17) & 0xff));
    garbage.replace('#', 'x');
    QTest::newRow("garbage") << garbage + QByteArray("\n# 4\nkept\n") + garbage << QStringList{"4=kept"};
    QTest::newRow("header at the very end") << QByteArray("# 4") << QStringList();
    QTest::newRow("empty") << QByteArray() << QStringList();
}

void tst_VMIZFiles::messageTable()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    TVMIZMessageTable table;
    table.Parse(file);
    QStringList actual;
    for (const auto &entry : table.Entries())
        actual.append(entry.first + QLatin1Char('=') + entry.second);
    QCOMPARE(actual, entries);
}

void tst_VMIZFiles::messageLookup()
{
    TVMIZMessageTable table;
    table.Parse("# 4\nfirst\n# 4\nsecond\n# 12\ntwelve\n");
    QCOMPARE(table.Message(QStringLiteral("4")), QStringLiteral("first"));
    QCOMPARE(table.Message(QStringLiteral("04")), QString());
    QCOMPARE(table.Message(QStringLiteral("12")), QStringLiteral("twelve"));
}

void tst_VMIZFiles::loadFromInstallation()
{
    StandInInstallation mizar;
    QVERIFY(mizar.IsValid());
    LoadMizarMessages();
    QCOMPARE(GetMizarMessage(QStringLiteral("4")), QStringLiteral("This inference is not accepted"));
    QCOMPARE(GetMizarMessage(QStringLiteral("144")), QStringLiteral("Unknown label"));
    QCOMPARE(GetMizarMessage(QStringLiteral("5")), QStringLiteral("Unknown error code."));
    LangManager()->SetLanguage(QStringLiteral("plk"));
    QCOMPARE(GetMizarMessage(QStringLiteral("5")), QStringLiteral("Nieznany kod błędu."));
    QCOMPARE(GetMizarMessage(QString()), QStringLiteral("Nieznany kod błędu."));
}

void tst_VMIZFiles::missingMessageFileIsSilent()
{
    QTemporaryDir empty;
    qputenv("MIZFILES", empty.path().toLocal8Bit());
    TVMIZMessageTable table;
    QVERIFY(!table.Load(GetMizarDir() + QStringLiteral("mizar.msg")));
    QVERIFY(table.Entries().isEmpty());
}

void tst_VMIZFiles::programLookup()
{
    StandInInstallation mizar;
    TVMIZProgramLookup lookup = FindMizarProgram(QStringLiteral("verifier"));
    QVERIFY(lookup.found);
    QCOMPARE(lookup.path, mizar.Dir() + QStringLiteral("verifier"));
    QCOMPARE(lookup.mizarDir, mizar.Dir());

    // Not in the installation: the directories of PATH.
    lookup = FindMizarProgram(QStringLiteral("sh"));
    QVERIFY(lookup.found);
    QVERIFY(lookup.path.endsWith(QLatin1String("/sh")));

    lookup = FindMizarProgram(QStringLiteral("no-such-mizar-program"));
    QVERIFY(!lookup.found);
    QCOMPARE(lookup.mizarDir, mizar.Dir());
}

QTEST_GUILESS_MAIN(tst_VMIZFiles)
#include "tst_VMIZFiles.moc"
