#include "VURTextFile.h"

#include "VURFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>

namespace VURTextFile {

TVURTextContent Decode(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    TVURTextContent content;
    content.text = decoder.decode(bytes);
    if (decoder.hasError()) {
        content.text = QString::fromLatin1(bytes);
        content.encoding = TVUREncoding::Latin1;
    }
    return content;
}

QByteArray Encode(const QString &text, TVUREncoding encoding)
{
    if (encoding == TVUREncoding::Latin1) {
        bool fits = true;
        for (const QChar c : text) {
            if (c.unicode() > 0xFF) {
                fits = false;
                break;
            }
        }
        if (fits)
            return text.toLatin1();
    }
    return text.toUtf8();
}

TVURTextContent ReadTextFile(const QString &fileName)
{
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int saved = errno;
        VURFiles::RaiseIOError(VURFiles::IOErrorCodeFromFileError(file.error(), saved));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        VURFiles::RaiseIOError(VURFiles::IOErrorCodeFromFileError(file.error(), errno));
    return Decode(bytes);
}

void WriteTextFile(const QString &fileName, const QString &text, TVUREncoding encoding)
{
    const QByteArray bytes = Encode(text, encoding);
    QSaveFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int saved = errno;
        VURFiles::RaiseIOError(VURFiles::IOErrorCodeFromFileError(file.error(), saved, VURFiles::IODirection::Write));
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const int saved = errno;
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        VURFiles::RaiseIOError(VURFiles::IOErrorCodeFromFileError(error, saved, VURFiles::IODirection::Write));
    }
}

TVURDiskStamp DiskStamp(const QString &fileName)
{
    const QFileInfo info(fileName);
    TVURDiskStamp stamp;
    stamp.exists = info.exists();
    if (stamp.exists) {
        stamp.size = info.size();
        stamp.modified = info.lastModified();
    }
    return stamp;
}

} // namespace VURTextFile
