#include "VURKeyFile.h"
#include "VURShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace VURShell;

namespace {

QByteArray ReadFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString DataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ConfigHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace

// Receives what ShellOpen hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

class tst_VURShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void runAndWait();
    void runAndWaitFailures();
    void shellOpen_data();
    void shellOpen();
    void noAssociationAtFirst();
    void registerExtension();
    void registerTwiceIsStable();
    void programPathWithBlanksAndQuotes();
    void unregisterExtension();
    void otherProgramKeepsItsExtension();
    void keyFileKeepsForeignLines();

private:
    QString m_program = QStringLiteral("/opt/quill/bin/quill-miz");
};

void tst_VURShell::initTestCase()
{
    QVERIFY2(DataHome().startsWith(qEnvironmentVariable("QUILL_TEST_SANDBOX")) && !qEnvironmentVariable("QUILL_TEST_SANDBOX").isEmpty(),
             "run through ctest, which points the XDG folders at a sandbox");
}

void tst_VURShell::cleanup()
{
    QDir(DataHome()).removeRecursively();
    QFile::remove(ConfigHome() + QStringLiteral("/mimeapps.list"));
}

void tst_VURShell::runAndWait()
{
    QTemporaryDir dir;
    RunOutcome outcome = RunOutcome::FailedToStart;
    QCOMPARE(RunAndWait(dir.path(), QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("pwd > where; exit 3")},
                        &outcome),
             3);
    QCOMPARE(outcome, RunOutcome::Exited);
    QCOMPARE(ReadFile(dir.filePath(QStringLiteral("where"))).trimmed(), QFileInfo(dir.path()).canonicalFilePath().toUtf8());
    // Arguments arrive whole, blanks and quotes included.
    QCOMPARE(RunAndWait(dir.path(), QStringLiteral("/bin/sh"),
                        {QStringLiteral("-c"), QStringLiteral("test \"$1\" = 'a \"b\" c'"), QStringLiteral("sh"),
                         QStringLiteral("a \"b\" c")}),
             0);
}

void tst_VURShell::runAndWaitFailures()
{
    RunOutcome outcome = RunOutcome::Exited;
    QCOMPARE(RunAndWait(QDir::tempPath(), QStringLiteral("/nonexistent/program"), {}, &outcome), -1);
    QCOMPARE(outcome, RunOutcome::FailedToStart);
    QCOMPARE(RunAndWait(QDir::tempPath(), QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("kill -9 $$")},
                        &outcome),
             -1);
    QCOMPARE(outcome, RunOutcome::Crashed);
}

void tst_VURShell::shellOpen_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    QTest::newRow("web address") << "https://mizar.uwb.edu.pl/" << "https://mizar.uwb.edu.pl/";
    QTest::newRow("host without scheme") << "www.vur-software.eu" << "http://www.vur-software.eu";
    QTest::newRow("mail") << "mailto:quill-miz@vur-software.eu" << "mailto:quill-miz@vur-software.eu";
    QTest::newRow("file with blank") << "/tmp/my help/index.html" << "file:///tmp/my help/index.html";
}

void tst_VURShell::shellOpen()
{
    QFETCH(QString, target);
    QFETCH(QString, expected);
    UrlCatcher catcher;
    for (const char *scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    QVERIFY(ShellOpen(nullptr, target));
    for (const char *scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first().toString(), expected);
}

void tst_VURShell::noAssociationAtFirst()
{
    for (const char *ext : {".abs", ".bib", ".miz", ".voc"})
        QCOMPARE(GetAssociatedCommand(QString::fromLatin1(ext)), QString());
}

void tst_VURShell::registerExtension()
{
    RegisterExtension(QStringLiteral(".miz"), QStringLiteral("VUR.miz"), QString(), m_program, QString());
    QCOMPARE(GetAssociatedCommand(QStringLiteral(".miz")), QStringLiteral("\"/opt/quill/bin/quill-miz\" %f"));
    QCOMPARE(GetAssociatedCommand(QStringLiteral(".voc")), QString());

    const QByteArray package = ReadFile(MimePackageFileName(QStringLiteral(".miz")));
    QVERIFY(package.contains("type=\"application/x-vur.miz\""));
    QVERIFY(package.contains("<glob pattern=\"*.miz\""));
    QVERIFY(package.contains("<comment>VUR.miz</comment>"));

    TVURKeyFile entry;
    QVERIFY(entry.Load(DataHome() + QStringLiteral("/applications/vur-quill-miz.desktop")));
    QCOMPARE(entry.Value(QStringLiteral("Desktop Entry"), QStringLiteral("MimeType")), QStringLiteral("application/x-vur.miz;"));
    QCOMPARE(entry.Value(QStringLiteral("Desktop Entry"), QStringLiteral("Type")), QStringLiteral("Application"));

    TVURKeyFile apps;
    QVERIFY(apps.Load(ConfigHome() + QStringLiteral("/mimeapps.list")));
    QCOMPARE(apps.Value(QStringLiteral("Default Applications"), QStringLiteral("application/x-vur.miz")),
             QStringLiteral("vur-quill-miz.desktop;"));

    // A second extension joins the same desktop entry.
    RegisterExtension(QStringLiteral(".abs"), QStringLiteral("VUR.abs"), QString(), m_program, QString());
    QVERIFY(entry.Load(DataHome() + QStringLiteral("/applications/vur-quill-miz.desktop")));
    QCOMPARE(entry.Value(QStringLiteral("Desktop Entry"), QStringLiteral("MimeType")),
             QStringLiteral("application/x-vur.miz;application/x-vur.abs;"));
}

void tst_VURShell::registerTwiceIsStable()
{
    RegisterExtension(QStringLiteral(".miz"), QStringLiteral("VUR.miz"), QString(), m_program, QString());
    const QString entryPath = DataHome() + QStringLiteral("/applications/vur-quill-miz.desktop");
    const QByteArray entry = ReadFile(entryPath);
    const QByteArray apps = ReadFile(ConfigHome() + QStringLiteral("/mimeapps.list"));
    const QByteArray package = ReadFile(MimePackageFileName(QStringLiteral(".miz")));
    RegisterExtension(QStringLiteral(".miz"), QStringLiteral("VUR.miz"), QString(), m_program, QString());
    QCOMPARE(ReadFile(entryPath), entry);
    QCOMPARE(ReadFile(ConfigHome() + QStringLiteral("/mimeapps.list")), apps);
    QCOMPARE(ReadFile(MimePackageFileName(QStringLiteral(".miz"))), package);
}

void tst_VURShell::programPathWithBlanksAndQuotes()
{
    const QString program = QStringLiteral("/home/ann/my tools/q\"m$x");
    RegisterExtension(QStringLiteral(".voc"), QStringLiteral("VUR.voc"), QString(), program, QString());
    QCOMPARE(GetAssociatedCommand(QStringLiteral(".voc")), QStringLiteral("\"/home/ann/my tools/q\\\"m\\$x\" %f"));
}

void tst_VURShell::unregisterExtension()
{
    RegisterExtension(QStringLiteral(".miz"), QStringLiteral("VUR.miz"), QString(), m_program, QString());
    RegisterExtension(QStringLiteral(".abs"), QStringLiteral("VUR.abs"), QString(), m_program, QString());
    UnregisterExtension(QStringLiteral(".miz"), m_program);
    QCOMPARE(GetAssociatedCommand(QStringLiteral(".miz")), QString());
    QVERIFY(!QFile::exists(MimePackageFileName(QStringLiteral(".miz"))));
    QCOMPARE(GetAssociatedCommand(QStringLiteral(".abs")), QStringLiteral("\"/opt/quill/bin/quill-miz\" %f"));

    UnregisterExtension(QStringLiteral(".abs"), m_program);
    QCOMPARE(GetAssociatedCommand(QStringLiteral(".abs")), QString());
    // With no type left the desktop entry goes too.
    QVERIFY(!QFile::exists(DataHome() + QStringLiteral("/applications/vur-quill-miz.desktop")));
    // Unregistering what is not registered changes nothing.
    UnregisterExtension(QStringLiteral(".bib"), m_program);
    QCOMPARE(GetAssociatedCommand(QStringLiteral(".bib")), QString());
}

void tst_VURShell::otherProgramKeepsItsExtension()
{
    RegisterExtension(QStringLiteral(".miz"), QStringLiteral("VUR.miz"), QString(), m_program, QString());
    // The user makes another editor the default for the type.
    TVURKeyFile other;
    other.SetValue(QStringLiteral("Desktop Entry"), QStringLiteral("Type"), QStringLiteral("Application"));
    other.SetValue(QStringLiteral("Desktop Entry"), QStringLiteral("Exec"), QStringLiteral("emacs %F"));
    QVERIFY(other.Save(DataHome() + QStringLiteral("/applications/emacs.desktop")));
    TVURKeyFile apps;
    apps.Load(ConfigHome() + QStringLiteral("/mimeapps.list"));
    apps.SetValue(QStringLiteral("Default Applications"), QStringLiteral("application/x-vur.miz"), QStringLiteral("emacs.desktop;"));
    QVERIFY(apps.Save(ConfigHome() + QStringLiteral("/mimeapps.list")));

    QCOMPARE(GetAssociatedCommand(QStringLiteral(".miz")), QStringLiteral("emacs %F"));
    // Unregistering does not take the other program's default away.
    UnregisterExtension(QStringLiteral(".miz"), m_program);
    apps.Load(ConfigHome() + QStringLiteral("/mimeapps.list"));
    QCOMPARE(apps.Value(QStringLiteral("Default Applications"), QStringLiteral("application/x-vur.miz")),
             QStringLiteral("emacs.desktop;"));
}

void tst_VURShell::keyFileKeepsForeignLines()
{
    const QString list = ConfigHome() + QStringLiteral("/mimeapps.list");
    QDir().mkpath(ConfigHome());
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# user's comment\n[Default Applications]\ntext/plain=gedit.desktop;\n\n[Removed Associations]\nimage/png=gimp.desktop;\n");
    file.close();
    RegisterExtension(QStringLiteral(".miz"), QStringLiteral("VUR.miz"), QString(), m_program, QString());
    const QByteArray after = ReadFile(list);
    QVERIFY(after.startsWith("# user's comment\n[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-vur.miz=vur-quill-miz.desktop;\n"));
    QVERIFY(after.contains("[Removed Associations]\nimage/png=gimp.desktop;\n"));

    QCOMPARE(TVURKeyFile::UnescapeValue(TVURKeyFile::EscapeValue(QStringLiteral(" a\\b\nc"))), QStringLiteral(" a\\b\nc"));
    QCOMPARE(TVURKeyFile::SplitList(QStringLiteral("a;b\\;c;;")), QStringList({QStringLiteral("a"), QStringLiteral("b;c")}));
}

QTEST_MAIN(tst_VURShell)
#include "tst_VURShell.moc"
