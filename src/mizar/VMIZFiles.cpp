#include "VMIZFiles.h"

#include "VURFiles.h"
#include "VURLang.h"
#include "VURStrings.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace VMIZFiles {

namespace {

const char *const kDefaultMizarDir = "/usr/local/share/mizar";

TVMIZMessageTable &MessageTable()
{
    static TVMIZMessageTable table;
    return table;
}

bool IsInteger(const QString &text)
{
    bool ok = false;
    qsizetype i = 0;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    text.toInt(&ok);
    return ok;
}

bool IsUpperAsciiLetter(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

} // namespace

QString GetMizarDir()
{
    QString dir = qEnvironmentVariable("MIZFILES");
    if (dir.isEmpty())
        dir = QString::fromLatin1(kDefaultMizarDir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString GetMizarFilter()
{
    QString filter;
    VURFiles::BuildFileFilter({TranslateText(QStringLiteral("<PLK>Pliki Mizarowe<ENU>Mizar files"))},
                              {VURFiles::ExtensionMask(QStringLiteral(".miz")) + QLatin1Char(';')
                               + VURFiles::ExtensionMask(QStringLiteral(".abs"))},
                              filter, true);
    return filter;
}

bool IsMizarArticleName(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QLocale locale = QLocale::system();
    if (locale.toUpper(name.mid(dot)) != locale.toUpper(QStringLiteral(".miz")))
        return false;
    const QString stem = locale.toUpper(name.left(dot));
    if (stem.isEmpty() || !IsUpperAsciiLetter(stem.at(0)))
        return false;
    for (qsizetype i = 1; i < stem.size(); ++i) {
        const QChar c = stem.at(i);
        if (!IsUpperAsciiLetter(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

QString DecodeBytes(const QByteArray &bytes, bool *wasUtf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    const bool utf8 = !decoder.hasError();
    if (wasUtf8)
        *wasUtf8 = utf8;
    return utf8 ? text : QString::fromLatin1(bytes);
}

bool TVMIZMessageTable::Load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Parse(file.readAll());
    return true;
}

void TVMIZMessageTable::Parse(const QByteArray &bytes)
{
    QString text = DecodeBytes(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString pendingKey;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = VURStrings::TrimControls(line);
        if (trimmed.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            const qsizetype space = line.indexOf(QLatin1Char(' '));
            pendingKey = space < 0 ? QString() : line.mid(space + 1);
            if (!IsInteger(pendingKey) || pendingKey.toInt() == -1)
                pendingKey.clear();
            continue;
        }
        if (pendingKey.isEmpty())
            continue;
        m_entries.append({pendingKey, trimmed});
        pendingKey.clear();
    }
}

QString TVMIZMessageTable::Message(const QString &number) const
{
    for (const auto &entry : m_entries) {
        if (entry.first.compare(number, Qt::CaseInsensitive) == 0)
            return entry.second;
    }
    return QString();
}

const TVMIZMessageTable &MizarMessages()
{
    return MessageTable();
}

void LoadMizarMessages()
{
    MessageTable().Load(GetMizarDir() + QStringLiteral("mizar.msg"));
}

QString GetMizarMessage(const QString &number)
{
    const QString message = MessageTable().Message(number);
    if (!message.isEmpty())
        return message;
    return TranslateText(QStringLiteral("<PLK>Nieznany kod błędu.<ENU>Unknown error code."));
}

TVMIZProgramLookup FindMizarProgram(const QString &name)
{
    TVMIZProgramLookup lookup;
    lookup.mizarDir = GetMizarDir();
    const QFileInfo inInstallation(lookup.mizarDir + name);
    if (inInstallation.isFile() && inInstallation.isExecutable()) {
        lookup.found = true;
        lookup.path = inInstallation.absoluteFilePath();
        return lookup;
    }
    lookup.path = QStandardPaths::findExecutable(name);
    lookup.found = !lookup.path.isEmpty();
    return lookup;
}

} // namespace VMIZFiles
