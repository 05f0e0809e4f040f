#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Article files are byte files: UTF-8 when the bytes are valid UTF-8,
// otherwise Latin-1, written back the same way, line breaks as they are, so
// an unchanged text gives back every byte.
namespace VURTextFile {

enum class TVUREncoding { Utf8, Latin1 };

struct TVURTextContent
{
    QString text;
    TVUREncoding encoding = TVUREncoding::Utf8;
};

// Raises EVURException with the reason in words when the file cannot be read.
TVURTextContent ReadTextFile(const QString &fileName);
// Writes atomically: the file is either the new text or untouched. A text
// that Latin-1 cannot hold is written as UTF-8. Raises EVURException.
void WriteTextFile(const QString &fileName, const QString &text, TVUREncoding encoding);

QByteArray Encode(const QString &text, TVUREncoding encoding);
TVURTextContent Decode(const QByteArray &bytes);

// What a file looked like on disk, to notice another program's change.
struct TVURDiskStamp
{
    bool exists = false;
    qint64 size = -1;
    QDateTime modified;
    bool operator==(const TVURDiskStamp &) const = default;
};
TVURDiskStamp DiskStamp(const QString &fileName);

} // namespace VURTextFile
