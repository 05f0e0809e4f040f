#pragma once

// Small file helpers for tests.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray ReadBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void WriteBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
