#pragma once

#include <QString>
#include <QStringList>

// A freedesktop key file (desktop entries, mimeapps.list) edited in place:
// lines that are not touched, comments included, are written back as read.
// Values are handled raw; see UnescapeValue/EscapeValue for the string type.
class TVURKeyFile
{
public:
    // A missing or unreadable file gives an empty key file.
    bool Load(const QString &fileName);
    bool Save(const QString &fileName) const;

    bool HasGroup(const QString &group) const;
    QStringList Keys(const QString &group) const;
    QString Value(const QString &group, const QString &key, const QString &defaultValue = QString()) const;
    void SetValue(const QString &group, const QString &key, const QString &value);
    bool RemoveKey(const QString &group, const QString &key);
    bool IsEmpty() const;

    // Lists such as "MimeType=a;b;" split at unescaped ";".
    static QStringList SplitList(const QString &value);
    static QString JoinList(const QStringList &items);

    static QString UnescapeValue(const QString &value);
    static QString EscapeValue(const QString &value);

private:
    // Index of the group header line, -1 when absent.
    int GroupLine(const QString &group) const;
    // Index of the key's line inside the group, -1 when absent.
    int KeyLine(const QString &group, const QString &key) const;
    // One past the group's last line.
    int GroupEnd(int headerLine) const;

    QStringList m_lines;
};
