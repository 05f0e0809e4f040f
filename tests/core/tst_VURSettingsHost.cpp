#include "VURKernel.h"
#include "VURLang.h"
#include "VURRegistry.h"
#include "VURSettingsHost.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kNewRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");
const QString kOldRoot = QStringLiteral("Software\\VUR Data Systems\\Quill::MIZ\\");

// A store that refuses every write of one value name.
class RefusingStore : public TVURRegistry
{
public:
    RefusingStore(const QString &fileName, const QString &refused) : TVURRegistry(fileName), m_refused(refused) {}

    void WriteBool(const QString &name, bool value) override
    {
        if (name == m_refused)
            throw EVURException(QStringLiteral("Failed to set data for '%s'"), {name});
        TVURRegistry::WriteBool(name, value);
    }

private:
    QString m_refused;
};

// A main window as far as the settings go: the language section, then two
// sections of its own.
class TestHost : public TVURSettingsHost
{
public:
    explicit TestHost(const QString &fileName) : m_fileName(fileName) {}

    std::unique_ptr<IVURSettings> CreateSettingsStore() const override
    {
        if (!m_refused.isEmpty())
            return std::make_unique<RefusingStore>(m_fileName, m_refused);
        return std::make_unique<TVURRegistry>(m_fileName);
    }

    void LoadSettings(IVURSettings &reader) override
    {
        TVURSettingsHost::LoadSettings(reader);
        TVURSettingsSection section(reader, GetSettingsRoot(), QStringLiteral("Views"), true);
        if (section.IsOpen()) {
            statusbar = reader.ReadBool(QStringLiteral("Statusbar"), statusbar);
            section.Close();
        }
    }

    void SaveSettings(IVURSettings &writer) override
    {
        TVURSettingsHost::SaveSettings(writer);
        {
            TVURSettingsSection section(writer, GetSettingsRoot(), QStringLiteral("Views"), true);
            if (section.IsOpen()) {
                writer.WriteBool(QStringLiteral("Statusbar"), statusbar);
                section.Close();
            }
        }
        TVURSettingsSection section(writer, GetSettingsRoot(), QStringLiteral("Misc"), true);
        if (section.IsOpen()) {
            writer.WriteBool(QStringLiteral("IndentLabels"), true);
            section.Close();
        }
    }

    bool statusbar = true;
    QString m_refused;

private:
    QString m_fileName;
};

} // namespace

class tst_VURSettingsHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void roots();
    void firstStart();
    void storedLanguage_data();
    void storedLanguage();
    void migratesOldRoot();
    void oldMakerPathKeptWhenNotEmpty();
    void bothRootsPresent();
    void refusedWriteEndsSaving();

private:
    QString StorePath() const { return m_dir->filePath(QStringLiteral("settings.json")); }
    void Write(const QString &root, const QString &section, const QString &name, const QString &value)
    {
        TVURRegistry store(StorePath());
        QVERIFY(store.OpenSection(root, section, true));
        store.WriteString(name, value);
        store.CloseSection();
    }
    QString ReadLanguage(const QString &root)
    {
        TVURRegistry store(StorePath());
        if (!store.OpenSection(root, QStringLiteral("Language"), false))
            return QStringLiteral("<no section>");
        return store.ReadString(QStringLiteral("Current"), QStringLiteral("<no value>"));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_VURSettingsHost::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VURSettingsHost::roots()
{
    TestHost host(StorePath());
    QCOMPARE(host.GetSettingsRoot(), kNewRoot);
    QCOMPARE(host.GetOldSettingsRoot(), kOldRoot);
}

void tst_VURSettingsHost::firstStart()
{
    TestHost host(StorePath());
    host.ReadAllSettings();
    QCOMPARE(host.statusbar, true);
    QCOMPARE(LangManager()->CurrentLanguage(), QStringLiteral("enu"));
    // Sections read with the create flag exist afterwards.
    TVURRegistry store(StorePath());
    QVERIFY(store.SectionExists(kNewRoot + QStringLiteral("Language")));
    QVERIFY(store.SectionExists(kNewRoot + QStringLiteral("Views")));
    QCOMPARE(ReadLanguage(kNewRoot), QStringLiteral("<no value>"));

    host.WriteAllSettings();
    QCOMPARE(ReadLanguage(kNewRoot), QStringLiteral("enu"));
}

void tst_VURSettingsHost::storedLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("commandLine");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plk") << "plk" << QStringList() << "plk";
    QTest::newRow("PLK") << "PLK" << QStringList() << "plk";
    QTest::newRow("eng") << "eng" << QStringList() << "enu";
    QTest::newRow("deu") << "deu" << QStringList() << "enu";
    QTest::newRow("command line wins") << "plk" << QStringList{"-lang:enu"} << "enu";
}

void tst_VURSettingsHost::storedLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, commandLine);
    QFETCH(QString, expected);
    Write(kNewRoot, QStringLiteral("Language"), QStringLiteral("Current"), stored);
    LangManager()->SetCommandLineOverride(commandLine);
    TestHost host(StorePath());
    host.ReadAllSettings();
    QCOMPARE(LangManager()->CurrentLanguage(), expected);
    host.WriteAllSettings();
    QCOMPARE(ReadLanguage(kNewRoot), expected);
}

void tst_VURSettingsHost::migratesOldRoot()
{
    Write(kOldRoot, QStringLiteral("Language"), QStringLiteral("Current"), QStringLiteral("plk"));
    TestHost host(StorePath());
    host.ReadAllSettings();
    QCOMPARE(LangManager()->CurrentLanguage(), QStringLiteral("plk"));
    TVURRegistry store(StorePath());
    QVERIFY(!store.SectionExists(kOldRoot));
    QVERIFY(!store.SectionExists(QStringLiteral("Software\\VUR Data Systems\\")));
    QCOMPARE(ReadLanguage(kNewRoot), QStringLiteral("plk"));
}

void tst_VURSettingsHost::oldMakerPathKeptWhenNotEmpty()
{
    Write(kOldRoot, QStringLiteral("Language"), QStringLiteral("Current"), QStringLiteral("plk"));
    Write(QStringLiteral("Software\\VUR Data Systems\\Other Program\\"), QStringLiteral("S"), QStringLiteral("V"),
          QStringLiteral("kept"));
    TestHost host(StorePath());
    host.ReadAllSettings();
    TVURRegistry store(StorePath());
    QVERIFY(!store.SectionExists(kOldRoot));
    QVERIFY(store.SectionExists(QStringLiteral("Software\\VUR Data Systems\\Other Program\\S")));
}

void tst_VURSettingsHost::bothRootsPresent()
{
    Write(kOldRoot, QStringLiteral("Language"), QStringLiteral("Current"), QStringLiteral("plk"));
    Write(kNewRoot, QStringLiteral("Language"), QStringLiteral("Current"), QStringLiteral("enu"));
    TestHost host(StorePath());
    host.ReadAllSettings();
    QCOMPARE(LangManager()->CurrentLanguage(), QStringLiteral("enu"));
    QCOMPARE(ReadLanguage(kOldRoot), QStringLiteral("plk"));
}

void tst_VURSettingsHost::refusedWriteEndsSaving()
{
    TestHost host(StorePath());
    host.m_refused = QStringLiteral("Statusbar");
    LangManager()->SetLanguage(QStringLiteral("plk"));
    try {
        host.WriteAllSettings();
        QFAIL("no error raised");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("Failed to set data for 'Statusbar'"));
    }
    // The sections before stay written, those after are not written.
    QCOMPARE(ReadLanguage(kNewRoot), QStringLiteral("plk"));
    TVURRegistry store(StorePath());
    QVERIFY(store.SectionExists(kNewRoot + QStringLiteral("Views")));
    QVERIFY(!store.SectionExists(kNewRoot + QStringLiteral("Misc")));
}

QTEST_GUILESS_MAIN(tst_VURSettingsHost)
#include "tst_VURSettingsHost.moc"
