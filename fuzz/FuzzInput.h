#pragma once

// The fuzzers' input as the program meets it: bytes, or text decoded the
// way the program decodes files (UTF-8 when valid, otherwise Latin-1).

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

inline QByteArray FuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QString FuzzText(const uint8_t *data, size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const QString utf8 = QString::fromUtf8(bytes);
    return utf8.toUtf8() == bytes ? utf8 : QString::fromLatin1(bytes);
}
