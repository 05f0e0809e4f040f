#pragma once

#include <QFileDevice>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Texts of failed file operations, file-dialog filters, backup files and
// relative paths.
namespace VURFiles {

// "IOErr" + four-digit code -> bilingual text, all 31 entries.
const QList<QPair<QString, QString>> &IOErrorTexts();

// "IOErr0002" for code 2 when the table has the code, empty otherwise.
QString IOErrorName(int code);
// The bilingual text of a code, empty when the table has none.
QString IOErrorText(int code);

[[noreturn]] void RaiseIOError(int code);

// Which way the failed operation went; EIO reads as a read or a write error.
enum class IODirection { Read, Write };

// Table code of a platform errno value; 0 when the table has no matching text.
int IOErrorCodeFromErrno(int error, IODirection direction = IODirection::Read);
// Table code of a failed QFile/QSaveFile: the errno the failing call left
// (pass 0 when unknown) decides where it is known, the Qt error kind otherwise.
int IOErrorCodeFromFileError(QFileDevice::FileError error, int savedErrno,
                             IODirection direction = IODirection::Read);
// Raises the readable text of an errno value; one without a table entry is
// named by the system's own description.
[[noreturn]] void RaiseErrnoError(int error, IODirection direction = IODirection::Read);

QString ExtensionMask(const QString &extension);
void AddFileFilter(const QString &description, const QString &mask, QString &filter);
void BuildFileFilter(const QStringList &descriptions, const QStringList &masks, QString &filter,
                     bool withAllFiles);

qint64 FileSizeOf(const QString &name);
QString BackupFileName(const QString &name);
void CreateBackupFile(const QString &name);

QString RelativePath(const QString &path, const QString &base);
// The form in which two file names are compared: the absolute path, with
// symbolic links resolved where the file exists.
QString ComparableFileName(const QString &name);
// Whether two names name the same file.
bool SameFileName(const QString &a, const QString &b);
QString RelativeToCurrentDir(const QString &path);

} // namespace VURFiles
