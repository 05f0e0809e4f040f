#include "VURKeyFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool IsGroupHeader(const QString &line)
{
    return line.startsWith(QLatin1Char('[')) && line.trimmed().endsWith(QLatin1Char(']'));
}

QString GroupName(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.mid(1, trimmed.size() - 2);
}

QString KeyOf(const QString &line)
{
    if (line.startsWith(QLatin1Char('#')) || IsGroupHeader(line))
        return QString();
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

} // namespace

bool TVURKeyFile::Load(const QString &fileName)
{
    m_lines.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    for (QString &line : m_lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return true;
}

bool TVURKeyFile::Save(const QString &fileName) const
{
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QString text = m_lines.join(QLatin1Char('\n'));
    if (!m_lines.isEmpty())
        text += QLatin1Char('\n');
    file.write(text.toUtf8());
    return file.commit();
}

int TVURKeyFile::GroupLine(const QString &group) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (IsGroupHeader(m_lines.at(i)) && GroupName(m_lines.at(i)) == group)
            return i;
    }
    return -1;
}

int TVURKeyFile::GroupEnd(int headerLine) const
{
    int i = headerLine + 1;
    while (i < m_lines.size() && !IsGroupHeader(m_lines.at(i)))
        ++i;
    return i;
}

int TVURKeyFile::KeyLine(const QString &group, const QString &key) const
{
    const int header = GroupLine(group);
    if (header < 0)
        return -1;
    const int end = GroupEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (KeyOf(m_lines.at(i)) == key)
            return i;
    }
    return -1;
}

bool TVURKeyFile::HasGroup(const QString &group) const
{
    return GroupLine(group) >= 0;
}

QStringList TVURKeyFile::Keys(const QString &group) const
{
    QStringList keys;
    const int header = GroupLine(group);
    if (header < 0)
        return keys;
    const int end = GroupEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const QString key = KeyOf(m_lines.at(i));
        if (!key.isEmpty())
            keys.append(key);
    }
    return keys;
}

QString TVURKeyFile::Value(const QString &group, const QString &key, const QString &defaultValue) const
{
    const int line = KeyLine(group, key);
    if (line < 0)
        return defaultValue;
    const QString &text = m_lines.at(line);
    return text.mid(text.indexOf(QLatin1Char('=')) + 1).trimmed();
}

void TVURKeyFile::SetValue(const QString &group, const QString &key, const QString &value)
{
    const QString entry = key + QLatin1Char('=') + value;
    const int line = KeyLine(group, key);
    if (line >= 0) {
        m_lines[line] = entry;
        return;
    }
    int header = GroupLine(group);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().isEmpty())
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + group + QLatin1Char(']'));
        header = int(m_lines.size()) - 1;
    }
    // After the group's last key, before any blank lines that close it.
    int insertAt = GroupEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, entry);
}

bool TVURKeyFile::RemoveKey(const QString &group, const QString &key)
{
    const int line = KeyLine(group, key);
    if (line < 0)
        return false;
    m_lines.removeAt(line);
    return true;
}

bool TVURKeyFile::IsEmpty() const
{
    for (const QString &line : m_lines) {
        if (!KeyOf(line).isEmpty())
            return false;
    }
    return true;
}

QStringList TVURKeyFile::SplitList(const QString &value)
{
    QStringList items;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size() && value.at(i + 1) == QLatin1Char(';')) {
            current += QLatin1Char(';');
            ++i;
        } else if (c == QLatin1Char(';')) {
            if (!current.isEmpty())
                items.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        items.append(current);
    return items;
}

QString TVURKeyFile::JoinList(const QStringList &items)
{
    QString result;
    for (QString item : items)
        result += item.replace(QLatin1Char(';'), QLatin1String("\\;")) + QLatin1Char(';');
    return result;
}

QString TVURKeyFile::UnescapeValue(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': result += QLatin1Char(' '); break;
        case 'n': result += QLatin1Char('\n'); break;
        case 't': result += QLatin1Char('\t'); break;
        case 'r': result += QLatin1Char('\r'); break;
        case '\\': result += QLatin1Char('\\'); break;
        default: result += QLatin1Char('\\'); result += next; break;
        }
    }
    return result;
}

QString TVURKeyFile::EscapeValue(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': result += QLatin1String("\\\\"); break;
        case '\n': result += QLatin1String("\\n"); break;
        case '\t': result += QLatin1String("\\t"); break;
        case '\r': result += QLatin1String("\\r"); break;
        default: result += c; break;
        }
    }
    if (result.startsWith(QLatin1Char(' ')))
        result.replace(0, 1, QLatin1String("\\s"));
    return result;
}
