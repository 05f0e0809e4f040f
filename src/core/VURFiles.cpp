#include "VURFiles.h"

#include "VURKernel.h"
#include "VURLang.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VURFiles {

namespace {

const char *const kUnknownError = "<PLK>Nieznany błąd: %s.<ENU>Unknown error: %s.";

QString BaseWithDelimiter(const QString &base)
{
    QString result = QDir::cleanPath(base);
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

// Position of the extension's dot inside the file-name part, or -1.
qsizetype ExtensionDot(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? dot : -1;
}

} // namespace

const QList<QPair<QString, QString>> &IOErrorTexts()
{
    static const QList<QPair<QString, QString>> table = {
        {QStringLiteral("IOErr0002"), QStringLiteral("<PLK>Plik nie został znaleziony.<ENU>File not found.")},
        {QStringLiteral("IOErr0003"), QStringLiteral("<PLK>Katalog nie został znaleziony.<ENU>Path not found.")},
        {QStringLiteral("IOErr0004"), QStringLiteral("<PLK>Za dużo otwartych plików.<ENU>Too many open files.")},
        {QStringLiteral("IOErr0005"), QStringLiteral("<PLK>Brak dostępu.<ENU>Access denied.")},
        {QStringLiteral("IOErr0006"), QStringLiteral("<PLK>Nieprawidłowy uchwyt.<ENU>Invalid handle.")},
        {QStringLiteral("IOErr0008"), QStringLiteral("<PLK>Za mało pamięci.<ENU>Not enough memory.")},
        {QStringLiteral("IOErr0010"), QStringLiteral("<PLK>Nieprawidłowe środowisko.<ENU>Invalid environment.")},
        {QStringLiteral("IOErr0011"), QStringLiteral("<PLK>Nieprawidłowy format.<ENU>Invalid format.")},
        {QStringLiteral("IOErr0012"), QStringLiteral("<PLK>Nieprawidłowy kod dostępu.<ENU>Invalid access code.")},
        {QStringLiteral("IOErr0015"), QStringLiteral("<PLK>Nieprawidłowy numer dysku.<ENU>Invalid drive number.")},
        {QStringLiteral("IOErr0016"), QStringLiteral("<PLK>Nie można usunąć aktualnego katalogu.<ENU>Cannot remove current directory.")},
        {QStringLiteral("IOErr0017"), QStringLiteral("<PLK>Nie można zmienić nazwy między dyskami.<ENU>Cannot rename across drives.")},
        {QStringLiteral("IOErr0018"), QStringLiteral("<PLK>Nie ma więcej plików.<ENU>No more files.")},
        {QStringLiteral("IOErr0021"), QStringLiteral("<PLK>Brak dysku w kieszeni.<ENU>No disk in drive.")},
        {QStringLiteral("IOErr0032"), QStringLiteral("<PLK>Brak dostępu - prawdopodobnie plik używany przez inną aplikację.<ENU>File access denied - possibly in use by another application.")},
        {QStringLiteral("IOErr0100"), QStringLiteral("<PLK>Błąd czytania z dysku.<ENU>Disk read error.")},
        {QStringLiteral("IOErr0101"), QStringLiteral("<PLK>Błąd pisania na dysk.<ENU>Disk write error.")},
        {QStringLiteral("IOErr0102"), QStringLiteral("<PLK>Plik nie został przypisany.<ENU>File not assigned.")},
        {QStringLiteral("IOErr0103"), QStringLiteral("<PLK>Plik nie został otwarty.<ENU>File not open.")},
        {QStringLiteral("IOErr0104"), QStringLiteral("<PLK>Plik nie został otwarty do czytania.<ENU>File not open for input.")},
        {QStringLiteral("IOErr0105"), QStringLiteral("<PLK>Plik nie został otwarty do pisania.<ENU>File not open for output.")},
        {QStringLiteral("IOErr0106"), QStringLiteral("<PLK>Nieprawidłowy format numeryczny.<ENU>Invalid numeric format.")},
        {QStringLiteral("IOErr0112"), QStringLiteral("<PLK>Prawdopodobnie brak miejsca na dysku.<ENU>Probably disk out of space.")},
        {QStringLiteral("IOErr0150"), QStringLiteral("<PLK>Dysk jest zabezpieczony przed pisaniem.<ENU>Disk is write-protected.")},
        {QStringLiteral("IOErr0151"), QStringLiteral("<PLK>Zła struktura żądania do dysku.<ENU>Bad drive request structure length.")},
        {QStringLiteral("IOErr0152"), QStringLiteral("<PLK>Dysk nie jest gotowy.<ENU>Drive not ready.")},
        {QStringLiteral("IOErr0154"), QStringLiteral("<PLK>Błąd CRC w danych.<ENU>CRC error in data.")},
        {QStringLiteral("IOErr0156"), QStringLiteral("<PLK>Błąd szukania na dysku.<ENU>Disk seek error.")},
        {QStringLiteral("IOErr0157"), QStringLiteral("<PLK>Nieznany typ nośnika.<ENU>Unknown media type.")},
        {QStringLiteral("IOErr0158"), QStringLiteral("<PLK>Sektor nie został znaleziony.<ENU>Sector not found.")},
        {QStringLiteral("IOErr0161"), QStringLiteral("<PLK>Nieprawidłowa nazwa ścieżki.<ENU>Invalid path name.")},
    };
    return table;
}

QString IOErrorText(int code)
{
    if (code < 0 || code > 9999)
        return QString();
    const QString name = QStringLiteral("IOErr") + QString::number(code).rightJustified(4, QLatin1Char('0'));
    for (const auto &entry : IOErrorTexts()) {
        if (entry.first == name)
            return entry.second;
    }
    return QString();
}

QString IOErrorName(int code)
{
    if (IOErrorText(code).isEmpty())
        return QString();
    return QStringLiteral("IOErr") + QString::number(code).rightJustified(4, QLatin1Char('0'));
}

void RaiseIOError(int code)
{
    const QString text = IOErrorText(code);
    if (!text.isEmpty())
        throw EVURException(text);
    throw EVURException(QString::fromUtf8(kUnknownError), {QString::number(code)});
}

int IOErrorCodeFromErrno(int error, IODirection direction)
{
    switch (error) {
    case ENOENT:
        return 2;
    case ENOTDIR:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
        return 5;
    case EBADF:
        return 6;
    case ENOMEM:
        return 8;
    case ENOEXEC:
        return 11;
    case EINVAL:
        return 12;
    case EXDEV:
        return 17;
    case ENOMEDIUM:
        return 21;
    case EBUSY:
    case ETXTBSY:
        return 32;
    case EIO:
        return direction == IODirection::Write ? 101 : 100;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 112;
    case EROFS:
        return 150;
    case ENXIO:
    case ENODEV:
        return 152;
    case ESPIPE:
        return 156;
    case EMEDIUMTYPE:
        return 157;
    case ENAMETOOLONG:
    case ELOOP:
        return 161;
    default:
        return 0;
    }
}

int IOErrorCodeFromFileError(QFileDevice::FileError error, int savedErrno, IODirection direction)
{
    if (error == QFileDevice::NoError)
        return 0;
    if (const int code = IOErrorCodeFromErrno(savedErrno, direction))
        return code;
    switch (error) {
    case QFileDevice::ReadError:
        return 100;
    case QFileDevice::WriteError:
        return 101;
    case QFileDevice::ResourceError:
    case QFileDevice::ResizeError:
        return 112;
    case QFileDevice::PermissionsError:
        return 5;
    case QFileDevice::PositionError:
        return 156;
    case QFileDevice::OpenError:
        return direction == IODirection::Write ? 105 : 104;
    default:
        return direction == IODirection::Write ? 101 : 100;
    }
}

void RaiseErrnoError(int error, IODirection direction)
{
    if (const int code = IOErrorCodeFromErrno(error, direction))
        RaiseIOError(code);
    throw EVURException(QString::fromUtf8(kUnknownError), {QString::fromLocal8Bit(std::strerror(error))});
}

QString ExtensionMask(const QString &extension)
{
    if (extension.startsWith(QLatin1Char('.')))
        return QLatin1Char('*') + extension;
    return QStringLiteral("*.") + extension;
}

void AddFileFilter(const QString &description, const QString &mask, QString &filter)
{
    if (!filter.isEmpty())
        filter += QLatin1Char('|');
    filter += QStringLiteral("%1 (%2)|%3").arg(description, mask, mask);
}

void BuildFileFilter(const QStringList &descriptions, const QStringList &masks, QString &filter,
                     bool withAllFiles)
{
    filter.clear();
    if (descriptions.size() != masks.size())
        return;
    for (qsizetype i = 0; i < descriptions.size(); ++i)
        AddFileFilter(descriptions.at(i), masks.at(i), filter);
    if (withAllFiles)
        AddFileFilter(TranslateText(QStringLiteral("<PLK>Wszystkie pliki<ENU>All files")),
                      QStringLiteral("*.*"), filter);
}

qint64 FileSizeOf(const QString &name)
{
    const QByteArray encoded = QFile::encodeName(name);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseErrnoError(errno);
    struct stat info;
    const int result = ::fstat(fd, &info);
    const int savedErrno = errno;
    ::close(fd);
    if (result != 0)
        RaiseErrnoError(savedErrno);
    return qint64(info.st_size);
}

QString BackupFileName(const QString &name)
{
    const qsizetype dot = ExtensionDot(name);
    if (dot < 0)
        return name + QStringLiteral(".~");
    return name.left(dot) + QStringLiteral(".~") + name.mid(dot + 1);
}

void CreateBackupFile(const QString &name)
{
    const QFileInfo info(name);
    if (info.exists() && info.size() == 0)
        return;
    const QString backup = BackupFileName(name);
    QFile::remove(backup);
    if (info.exists())
        QFile::rename(name, backup);
}

QString RelativePath(const QString &path, const QString &base)
{
    if (base.isEmpty())
        return path;
    const QString prefix = BaseWithDelimiter(base);
    const QString cleaned = QDir::cleanPath(path);
    if (cleaned.startsWith(prefix))
        return cleaned.mid(prefix.size());
    // The same file may be reached through a symbolic link.
    const QString canonicalBase = QFileInfo(base).canonicalFilePath();
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    if (!canonicalBase.isEmpty() && !canonicalPath.isEmpty()) {
        const QString canonicalPrefix = BaseWithDelimiter(canonicalBase);
        if (canonicalPath.startsWith(canonicalPrefix))
            return canonicalPath.mid(canonicalPrefix.size());
    }
    return path;
}

QString ComparableFileName(const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool SameFileName(const QString &a, const QString &b)
{
    return ComparableFileName(a) == ComparableFileName(b);
}

QString RelativeToCurrentDir(const QString &path)
{
    return RelativePath(path, QDir::currentPath());
}

} // namespace VURFiles
