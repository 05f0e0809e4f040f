#include "VURFiles.h"
#include "VURKernel.h"
#include "VURLang.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <unistd.h>

using namespace VURFiles;

namespace {

void WriteFile(const QString &name, const QByteArray &data)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QByteArray ReadFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString RaisedMessage(int code)
{
    try {
        RaiseIOError(code);
    } catch (const EVURException &error) {
        return error.Message();
    }
    return QStringLiteral("<nothing raised>");
}

} // namespace

class tst_VURFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void errorTable();
    void raiseIOError_data();
    void raiseIOError();
    void errnoCodes_data();
    void errnoCodes();
    void fileErrorCodes();
    void filters();
    void backupFileName_data();
    void backupFileName();
    void createBackupFile();
    void fileSizeOf();
    void relativePath_data();
    void relativePath();
    void relativePathThroughLink();
};

void tst_VURFiles::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VURFiles::errorTable()
{
    QCOMPARE(IOErrorTexts().size(), 31);
    QCOMPARE(IOErrorName(2), QStringLiteral("IOErr0002"));
    QCOMPARE(IOErrorName(161), QStringLiteral("IOErr0161"));
    QCOMPARE(IOErrorName(7), QString());
    for (const auto &entry : IOErrorTexts()) {
        QVERIFY2(entry.second.startsWith(QLatin1String("<PLK>")) && entry.second.contains(QLatin1String("<ENU>")),
                 qPrintable(entry.first));
        QCOMPARE(IOErrorName(entry.first.mid(5).toInt()), entry.first);
    }
}

void tst_VURFiles::raiseIOError_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2") << 2 << "enu" << "File not found.";
    QTest::newRow("2 in Polish") << 2 << "plk" << "Plik nie został znaleziony.";
    QTest::newRow("112") << 112 << "enu" << "Probably disk out of space.";
    QTest::newRow("7 unknown") << 7 << "enu" << "Unknown error: 7.";
    QTest::newRow("7 unknown in Polish") << 7 << "plk" << "Nieznany błąd: 7.";
    QTest::newRow("five digits") << 10002 << "enu" << "Unknown error: 10002.";
    QTest::newRow("negative") << -2 << "enu" << "Unknown error: -2.";
}

void tst_VURFiles::raiseIOError()
{
    QFETCH(int, code);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    LangManager()->SetLanguage(language);
    QCOMPARE(RaisedMessage(code), expected);
}

void tst_VURFiles::errnoCodes_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("writing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ENOENT") << ENOENT << false << "File not found.";
    QTest::newRow("ENOTDIR") << ENOTDIR << false << "Path not found.";
    QTest::newRow("EMFILE") << EMFILE << false << "Too many open files.";
    QTest::newRow("ENFILE") << ENFILE << false << "Too many open files.";
    QTest::newRow("EACCES") << EACCES << true << "Access denied.";
    QTest::newRow("EPERM") << EPERM << true << "Access denied.";
    QTest::newRow("ENOMEM") << ENOMEM << false << "Not enough memory.";
    QTest::newRow("ENOSPC") << ENOSPC << true << "Probably disk out of space.";
    QTest::newRow("EDQUOT") << EDQUOT << true << "Probably disk out of space.";
    QTest::newRow("EROFS") << EROFS << true << "Disk is write-protected.";
    QTest::newRow("EIO reading") << EIO << false << "Disk read error.";
    QTest::newRow("EIO writing") << EIO << true << "Disk write error.";
    QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << false << "Invalid path name.";
    QTest::newRow("EBUSY") << EBUSY << true << "File access denied - possibly in use by another application.";
    QTest::newRow("ETXTBSY") << ETXTBSY << true << "File access denied - possibly in use by another application.";
    QTest::newRow("unmapped named in words") << EEXIST << true << "Unknown error: File exists.";
}

void tst_VURFiles::errnoCodes()
{
    QFETCH(int, error);
    QFETCH(bool, writing);
    QFETCH(QString, expected);
    QString message;
    try {
        RaiseErrnoError(error, writing ? IODirection::Write : IODirection::Read);
    } catch (const EVURException &raised) {
        message = raised.Message();
    }
    QCOMPARE(message, expected);
}

void tst_VURFiles::fileErrorCodes()
{
    // The errno of the failing call decides; the Qt error kind is the fallback.
    QCOMPARE(IOErrorCodeFromFileError(QFileDevice::OpenError, ENOENT), 2);
    QCOMPARE(IOErrorCodeFromFileError(QFileDevice::WriteError, ENOSPC, IODirection::Write), 112);
    QCOMPARE(IOErrorCodeFromFileError(QFileDevice::ResourceError, 0, IODirection::Write), 112);
    QCOMPARE(IOErrorCodeFromFileError(QFileDevice::PermissionsError, 0), 5);
    QCOMPARE(IOErrorCodeFromFileError(QFileDevice::WriteError, 0, IODirection::Write), 101);
    QCOMPARE(IOErrorCodeFromFileError(QFileDevice::NoError, ENOENT), 0);
}

void tst_VURFiles::filters()
{
    QCOMPARE(ExtensionMask(QStringLiteral(".miz")), QStringLiteral("*.miz"));
    QCOMPARE(ExtensionMask(QStringLiteral("miz")), QStringLiteral("*.miz"));

    QString filter = QStringLiteral("stale");
    BuildFileFilter({QStringLiteral("<PLK>Pliki Mizarowe<ENU>Mizar files")},
                    {QStringLiteral("*.miz;*.abs")}, filter, true);
    QCOMPARE(filter, QStringLiteral("<PLK>Pliki Mizarowe<ENU>Mizar files (*.miz;*.abs)|*.miz;*.abs|All files (*.*)|*.*"));

    BuildFileFilter({TranslateText(QStringLiteral("<PLK>Pliki Mizarowe<ENU>Mizar files"))},
                    {QStringLiteral("*.miz;*.abs")}, filter, true);
    QCOMPARE(filter, QStringLiteral("Mizar files (*.miz;*.abs)|*.miz;*.abs|All files (*.*)|*.*"));

    LangManager()->SetLanguage(QStringLiteral("plk"));
    BuildFileFilter({QStringLiteral("Teksty")}, {QStringLiteral("*.txt")}, filter, true);
    QCOMPARE(filter, QStringLiteral("Teksty (*.txt)|*.txt|Wszystkie pliki (*.*)|*.*"));

    BuildFileFilter({QStringLiteral("a")}, {QStringLiteral("*.a"), QStringLiteral("*.b")}, filter, true);
    QCOMPARE(filter, QString());
    BuildFileFilter({}, {}, filter, false);
    QCOMPARE(filter, QString());
}

void tst_VURFiles::backupFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("extension") << "a.miz" << "a.~miz";
    QTest::newRow("path") << "/home/u/art/xboole_0.miz" << "/home/u/art/xboole_0.~miz";
    QTest::newRow("no extension") << "/home/u/README" << "/home/u/README.~";
    QTest::newRow("dot in folder only") << "/home/u.v/README" << "/home/u.v/README.~";
    QTest::newRow("two dots") << "a.tar.gz" << "a.tar.~gz";
}

void tst_VURFiles::backupFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(BackupFileName(name), expected);
}

void tst_VURFiles::createBackupFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString article = dir.filePath(QStringLiteral("a.miz"));
    const QString backup = dir.filePath(QStringLiteral("a.~miz"));

    // An empty file leaves both it and an older backup alone.
    WriteFile(article, QByteArray());
    WriteFile(backup, "older");
    CreateBackupFile(article);
    QVERIFY(QFile::exists(article));
    QCOMPARE(ReadFile(backup), QByteArray("older"));

    // A file with content replaces the backup and is moved there.
    WriteFile(article, "current");
    CreateBackupFile(article);
    QVERIFY(!QFile::exists(article));
    QCOMPARE(ReadFile(backup), QByteArray("current"));

    // A missing file still removes a stale backup.
    CreateBackupFile(article);
    QVERIFY(!QFile::exists(backup));
}

void tst_VURFiles::fileSizeOf()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("sized.miz"));
    WriteFile(name, QByteArray(1234, 'x'));
    QCOMPARE(FileSizeOf(name), qint64(1234));
    try {
        FileSizeOf(dir.filePath(QStringLiteral("missing.miz")));
        QFAIL("no error raised");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("File not found."));
    }
    try {
        FileSizeOf(dir.filePath(QStringLiteral("sized.miz/below")));
        QFAIL("no error raised");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("Path not found."));
    }
}

void tst_VURFiles::relativePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inside") << "/home/u/art/a.miz" << "/home/u" << "art/a.miz";
    QTest::newRow("base with delimiter") << "/home/u/a.miz" << "/home/u/" << "a.miz";
    QTest::newRow("outside") << "/srv/a.miz" << "/home/u" << "/srv/a.miz";
    QTest::newRow("prefix of a name is not a folder") << "/home/user2/a.miz" << "/home/user" << "/home/user2/a.miz";
    QTest::newRow("case matters") << "/Home/u/a.miz" << "/home/u" << "/Home/u/a.miz";
    QTest::newRow("empty base") << "/a.miz" << "" << "/a.miz";
}

void tst_VURFiles::relativePath()
{
    QFETCH(QString, path);
    QFETCH(QString, base);
    QFETCH(QString, expected);
    QCOMPARE(RelativePath(path, base), expected);
}

void tst_VURFiles::relativePathThroughLink()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("real/art")));
    WriteFile(dir.filePath(QStringLiteral("real/art/a.miz")), "x");
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath(QStringLiteral("link"))));
    QCOMPARE(RelativePath(dir.filePath(QStringLiteral("real/art/a.miz")), dir.filePath(QStringLiteral("link"))),
             QStringLiteral("art/a.miz"));
    QDir::setCurrent(dir.filePath(QStringLiteral("link")));
    QCOMPARE(RelativeToCurrentDir(dir.filePath(QStringLiteral("real/art/a.miz"))), QStringLiteral("art/a.miz"));
}

QTEST_GUILESS_MAIN(tst_VURFiles)
#include "tst_VURFiles.moc"
