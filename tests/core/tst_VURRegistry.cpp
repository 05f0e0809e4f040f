#include "VURKernel.h"
#include "VURRegistry.h"
#include "VURSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");

} // namespace

class tst_VURRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void defaultFileIsInConfigHome();
    void typedValuesRoundTrip();
    void wrongTypeReadsDefault_data();
    void wrongTypeReadsDefault();
    void namesIgnoreCase();
    void openSection();
    void sectionsShareOneKey();
    void deleteValue();
    void emptySections();
    void moveSection();
    void moveSectionKeepsExistingTarget();
    void deleteSectionTree();
    void damagedFileKeptAside_data();
    void damagedFileKeptAside();
    void unreadableFileKeptAside();
    void refusedWriteRaises();
    void failedSaveRaisesOnClose();
    void writtenAtomically();

private:
    QString StorePath() const { return m_dir->filePath(QStringLiteral("cfg/settings.json")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_VURRegistry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_VURRegistry::defaultFileIsInConfigHome()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY2(!configHome.isEmpty(), "run through ctest, which sets XDG_CONFIG_HOME");
    QCOMPARE(TVURRegistry().FileName(), configHome + QStringLiteral("/quill-miz/settings.json"));
}

void tst_VURRegistry::typedValuesRoundTrip()
{
    {
        TVURRegistry store(StorePath());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("MainWindow"), true));
        store.WriteInteger(QStringLiteral("Left"), -120);
        store.WriteInteger(QStringLiteral("Width"), 2147483647);
        store.WriteBool(QStringLiteral("Maximized"), true);
        store.WriteString(QStringLiteral("Title"), QStringLiteral("Zażółć \"gęślą\" \\ jaźń"));
        store.WriteString(QStringLiteral("Empty"), QString());
        store.CloseSection();
    }
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("MainWindow"), false));
    QCOMPARE(store.ReadInteger(QStringLiteral("Left"), 0), -120);
    QCOMPARE(store.ReadInteger(QStringLiteral("Width"), 0), 2147483647);
    QCOMPARE(store.ReadBool(QStringLiteral("Maximized"), false), true);
    QCOMPARE(store.ReadString(QStringLiteral("Title"), QString()), QStringLiteral("Zażółć \"gęślą\" \\ jaźń"));
    QCOMPARE(store.ReadString(QStringLiteral("Empty"), QStringLiteral("default")), QString());
    QCOMPARE(store.ReadInteger(QStringLiteral("Missing"), 42), 42);
    // A boolean is a number: any non-zero number reads as true.
    store.WriteInteger(QStringLiteral("Flag"), 7);
    QCOMPARE(store.ReadBool(QStringLiteral("Flag"), false), true);
    store.CloseSection();
    QCOMPARE(store.ReadInteger(QStringLiteral("Left"), 5), 5); // no section open
}

void tst_VURRegistry::wrongTypeReadsDefault_data()
{
    QTest::addColumn<QByteArray>("valueJson");
    QTest::newRow("boolean stored as string") << QByteArray(R"({"name":"V","type":"sz","data":"1"})");
    QTest::newRow("integer stored as expandable string") << QByteArray(R"({"name":"V","type":"expand_sz","data":"12"})");
    QTest::newRow("string stored as number") << QByteArray(R"({"name":"V","type":"dword","data":12})");
}

void tst_VURRegistry::wrongTypeReadsDefault()
{
    QFETCH(QByteArray, valueJson);
    QDir().mkpath(QFileInfo(StorePath()).absolutePath());
    QFile file(StorePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format":"Quill::MIZ settings","version":1,"root":{"name":"","keys":[{"name":"S","values":[)"
               + valueJson + "]}]}}");
    file.close();

    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(QStringLiteral("S"), QString(), false));
    const bool isNumber = valueJson.contains("dword");
    if (isNumber) {
        QCOMPARE(store.ReadString(QStringLiteral("V"), QStringLiteral("def")), QStringLiteral("def"));
        QCOMPARE(store.ReadInteger(QStringLiteral("V"), 0), 12);
    } else {
        QCOMPARE(store.ReadBool(QStringLiteral("V"), false), false);
        QCOMPARE(store.ReadInteger(QStringLiteral("V"), 99), 99);
        QVERIFY(!store.ReadString(QStringLiteral("V"), QString()).isEmpty());
        // Written back with its proper type, it reads again.
        store.WriteInteger(QStringLiteral("V"), 1);
        QCOMPARE(store.ReadBool(QStringLiteral("V"), false), true);
        QCOMPARE(store.ReadString(QStringLiteral("V"), QStringLiteral("def")), QStringLiteral("def"));
    }
}

void tst_VURRegistry::namesIgnoreCase()
{
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Editor"), true));
    store.WriteBool(QStringLiteral("SmartTabs"), true);
    store.CloseSection();
    QVERIFY(store.OpenSection(kRoot.toUpper(), QStringLiteral("editor"), false));
    QCOMPARE(store.ReadBool(QStringLiteral("smarttabs"), false), true);
    store.WriteBool(QStringLiteral("SMARTTABS"), false);
    QCOMPARE(store.ReadBool(QStringLiteral("SmartTabs"), true), false);
}

void tst_VURRegistry::openSection()
{
    TVURRegistry store(StorePath());
    QVERIFY(!store.OpenSection(kRoot, QStringLiteral("Recents"), false));
    QVERIFY(!store.SectionExists(kRoot + QStringLiteral("Recents")));
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Colors\\Reserved Word"), true));
    store.CloseSection();
    // The section and its parents exist afterwards, also for a new store.
    TVURRegistry reread(StorePath());
    QVERIFY(reread.SectionExists(kRoot + QStringLiteral("Colors\\Reserved Word")));
    QVERIFY(reread.SectionExists(kRoot + QStringLiteral("Colors")));
    QVERIFY(reread.OpenSection(kRoot, QStringLiteral("Colors\\Reserved Word"), false));
}

void tst_VURRegistry::sectionsShareOneKey()
{
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Views"), true));
    store.WriteBool(QStringLiteral("Statusbar"), false);
    store.CloseSection();
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Views"), true));
    store.WriteBool(QStringLiteral("ToolbarMDIChildList"), true);
    store.CloseSection();
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Views"), false));
    QCOMPARE(store.ReadBool(QStringLiteral("Statusbar"), true), false);
    QCOMPARE(store.ReadBool(QStringLiteral("ToolbarMDIChildList"), false), true);
}

void tst_VURRegistry::deleteValue()
{
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Recents"), true));
    store.WriteString(QStringLiteral("File0"), QStringLiteral("/a.miz"));
    QVERIFY(store.DeleteValue(QStringLiteral("File0")));
    QVERIFY(!store.DeleteValue(QStringLiteral("File0")));
    QCOMPARE(store.ReadString(QStringLiteral("File0"), QStringLiteral("gone")), QStringLiteral("gone"));
}

void tst_VURRegistry::emptySections()
{
    TVURRegistry store(StorePath());
    QVERIFY(store.IsSectionEmpty(QStringLiteral("Software\\Nothing\\")));
    QVERIFY(store.OpenSection(QStringLiteral("Software\\A\\"), QString(), true));
    store.CloseSection();
    QVERIFY(store.IsSectionEmpty(QStringLiteral("Software\\A\\")));
    QVERIFY(store.OpenSection(QStringLiteral("Software\\A\\"), QStringLiteral("B"), true));
    store.CloseSection();
    QVERIFY(!store.IsSectionEmpty(QStringLiteral("Software\\A\\")));
    QVERIFY(store.OpenSection(QStringLiteral("Software\\A\\"), QStringLiteral("B"), false));
    QVERIFY(store.IsSectionEmpty(QStringLiteral("Software\\A\\B")));
    store.WriteInteger(QStringLiteral("X"), 1);
    store.CloseSection();
    QVERIFY(!store.IsSectionEmpty(QStringLiteral("Software\\A\\B")));
}

void tst_VURRegistry::moveSection()
{
    const QString oldRoot = QStringLiteral("Software\\VUR Data Systems\\Quill::MIZ\\");
    {
        TVURRegistry store(StorePath());
        QVERIFY(store.OpenSection(oldRoot, QStringLiteral("Language"), true));
        store.WriteString(QStringLiteral("Current"), QStringLiteral("plk"));
        store.CloseSection();
        QVERIFY(store.OpenSection(oldRoot, QStringLiteral("Colors\\Comment"), true));
        store.WriteInteger(QStringLiteral("Foreground"), 0x008000);
        store.WriteBool(QStringLiteral("Italic"), true);
        store.CloseSection();
        QVERIFY(store.OpenSection(oldRoot, QString(), false));
        store.WriteString(QString(), QStringLiteral("default value"));
        store.CloseSection();
        store.MoveSection(oldRoot, kRoot, true);
    }
    TVURRegistry store(StorePath());
    QVERIFY(!store.SectionExists(oldRoot));
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Colors\\Comment"), false));
    QCOMPARE(store.ReadInteger(QStringLiteral("Foreground"), 0), 0x008000);
    QCOMPARE(store.ReadBool(QStringLiteral("Italic"), false), true);
    // Types travel with the data.
    QCOMPARE(store.ReadString(QStringLiteral("Italic"), QStringLiteral("def")), QStringLiteral("def"));
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), false));
    QCOMPARE(store.ReadString(QStringLiteral("Current"), QString()), QStringLiteral("plk"));
    QVERIFY(store.OpenSection(kRoot, QString(), false));
    QCOMPARE(store.ReadString(QString(), QString()), QStringLiteral("default value"));
}

void tst_VURRegistry::moveSectionKeepsExistingTarget()
{
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(QStringLiteral("Old\\"), QStringLiteral("S"), true));
    store.WriteInteger(QStringLiteral("V"), 1);
    QVERIFY(store.OpenSection(QStringLiteral("New\\"), QStringLiteral("S"), true));
    store.WriteInteger(QStringLiteral("V"), 2);
    store.CloseSection();
    store.MoveSection(QStringLiteral("Old\\"), QStringLiteral("New\\"), true);
    QVERIFY(store.SectionExists(QStringLiteral("Old\\S")));
    QVERIFY(store.OpenSection(QStringLiteral("New\\"), QStringLiteral("S"), false));
    QCOMPARE(store.ReadInteger(QStringLiteral("V"), 0), 2);
    store.CloseSection();
    // Missing source: nothing happens.
    store.MoveSection(QStringLiteral("Absent\\"), QStringLiteral("Other\\"), true);
    QVERIFY(!store.SectionExists(QStringLiteral("Other\\")));
    // Moving into itself is refused rather than copied without end.
    store.MoveSection(QStringLiteral("Old\\"), QStringLiteral("Old\\Inner\\"), true);
    QVERIFY(store.SectionExists(QStringLiteral("Old\\S")));
    QVERIFY(!store.SectionExists(QStringLiteral("Old\\Inner")));
}

void tst_VURRegistry::deleteSectionTree()
{
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(QStringLiteral("Software\\X\\"), QStringLiteral("A\\B\\C"), true));
    store.WriteInteger(QStringLiteral("V"), 1);
    store.CloseSection();
    QVERIFY(store.OpenSection(QStringLiteral("Software\\Y\\"), QString(), true));
    store.CloseSection();
    store.DeleteSectionTree(QStringLiteral("Software\\X\\"));
    QVERIFY(!store.SectionExists(QStringLiteral("Software\\X")));
    QVERIFY(store.SectionExists(QStringLiteral("Software\\Y")));
    store.DeleteSectionTree(QStringLiteral("Software\\Missing\\")); // left alone
    TVURRegistry reread(StorePath());
    QVERIFY(!reread.SectionExists(QStringLiteral("Software\\X")));
}

void tst_VURRegistry::damagedFileKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not JSON") << QByteArray("{ this is not json");
    QTest::newRow("foreign JSON") << QByteArray(R"({"other": 1})");
    QTest::newRow("bad value type") << QByteArray(R"({"format":"Quill::MIZ settings","root":{"values":[{"name":"a","type":"qword","data":1}]}})");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe garbage", 12);
}

void tst_VURRegistry::damagedFileKeptAside()
{
    QFETCH(QByteArray, content);
    QDir().mkpath(QFileInfo(StorePath()).absolutePath());
    QFile file(StorePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), true));
    QCOMPARE(store.ReadString(QStringLiteral("Current"), QStringLiteral("default")), QStringLiteral("default"));
    store.WriteString(QStringLiteral("Current"), QStringLiteral("enu"));
    store.CloseSection();

    QFile aside(StorePath() + QStringLiteral(".damaged"));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), content);
    TVURRegistry reread(StorePath());
    QVERIFY(reread.OpenSection(kRoot, QStringLiteral("Language"), false));
    QCOMPARE(reread.ReadString(QStringLiteral("Current"), QString()), QStringLiteral("enu"));
}

void tst_VURRegistry::unreadableFileKeptAside()
{
    if (geteuid() == 0)
        QSKIP("permissions do not bind root (the unprivileged test entry runs this)");
    {
        TVURRegistry store(StorePath());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), true));
        store.WriteString(QStringLiteral("Current"), QStringLiteral("plk"));
        store.CloseSection();
    }
    QFile file(StorePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    file.close();
    QVERIFY(QFile::setPermissions(StorePath(), QFile::WriteOwner));

    // Read as defaults; the first write keeps the user's file aside, whole.
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), true));
    QCOMPARE(store.ReadString(QStringLiteral("Current"), QStringLiteral("default")), QStringLiteral("default"));
    store.WriteString(QStringLiteral("Current"), QStringLiteral("enu"));
    store.CloseSection();
    const QString aside = StorePath() + QStringLiteral(".damaged");
    QVERIFY(QFile::setPermissions(aside, QFile::ReadOwner | QFile::WriteOwner));
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), content);
    TVURRegistry reread(StorePath());
    QVERIFY(reread.OpenSection(kRoot, QStringLiteral("Language"), false));
    QCOMPARE(reread.ReadString(QStringLiteral("Current"), QString()), QStringLiteral("enu"));
}

void tst_VURRegistry::refusedWriteRaises()
{
    const QString folder = m_dir->filePath(QStringLiteral("cfg"));
    {
        TVURRegistry store(StorePath());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), true));
        store.CloseSection();
    }
    // The folder is replaced by a plain file: nobody, root included, can save there.
    const auto blockFolder = [&folder] {
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    };

    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), true));
    blockFolder();
    QCOMPARE(store.ReadString(QStringLiteral("Current"), QStringLiteral("enu")), QStringLiteral("enu"));
    try {
        store.WriteString(QStringLiteral("Current"), QStringLiteral("plk"));
        QFAIL("no error raised");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("Failed to set data for 'Current'"));
    }
    // A missing section cannot be made either, and reading still works.
    QVERIFY(!store.OpenSection(kRoot, QStringLiteral("Views"), true));
    QCOMPARE(store.ReadBool(QStringLiteral("Toolbar"), true), true);
}

void tst_VURRegistry::failedSaveRaisesOnClose()
{
    const QString folder = m_dir->filePath(QStringLiteral("cfg"));
    TVURRegistry store(StorePath());
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("MainWindow"), true));
    store.WriteInteger(QStringLiteral("Left"), 10);
    store.WriteInteger(QStringLiteral("Top"), 20);
    QVERIFY(QDir(folder).removeRecursively());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    try {
        store.CloseSection();
        QFAIL("no error raised");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("Failed to set data for 'Top'"));
    }
}

void tst_VURRegistry::writtenAtomically()
{
    {
        TVURRegistry store(StorePath());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Files"), true));
        store.WriteString(QStringLiteral("LastDir"), QStringLiteral("/home/u/mizar"));
        store.CloseSection();
    }
    // No temporary files are left next to the store.
    const QStringList names = QDir(QFileInfo(StorePath()).absolutePath()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(names, QStringList{QStringLiteral("settings.json")});
}

QTEST_GUILESS_MAIN(tst_VURRegistry)
#include "tst_VURRegistry.moc"
