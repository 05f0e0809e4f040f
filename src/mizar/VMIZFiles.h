#pragma once

#include <QList>
#include <QPair>
#include <QString>

// What the workbench knows of the Mizar installation and of article names.
namespace VMIZFiles {

// $MIZFILES, or /usr/local/share/mizar when unset or empty, read at every
// call and always ending in "/".
QString GetMizarDir();
// "Mizar files (*.miz;*.abs)|*.miz;*.abs|All files (*.*)|*.*" in the current language.
QString GetMizarFilter();
// Whether a bare file name (no directory) is one the Mizar programs accept.
bool IsMizarArticleName(const QString &name);

// Reads GetMizarDir() + "mizar.msg" into the program's message table; run
// once at start. Failures leave the table as far as it got, silently.
void LoadMizarMessages();
// The message of an error number given as text, or "Unknown error code.".
QString GetMizarMessage(const QString &number);

// The message table as a plain value, so it can be read from any file.
class TVMIZMessageTable
{
public:
    // Adds the entries of a message file; false when it cannot be read.
    bool Load(const QString &fileName);
    void Parse(const QByteArray &bytes);
    void Clear() { m_entries.clear(); }

    // The first entry whose key equals the number text, ignoring case; empty
    // when there is none.
    QString Message(const QString &number) const;
    const QList<QPair<QString, QString>> &Entries() const { return m_entries; }

private:
    QList<QPair<QString, QString>> m_entries;
};

const TVMIZMessageTable &MizarMessages();

// Where a Mizar program was found: the installation directory first, then
// the directories of PATH.
struct TVMIZProgramLookup
{
    bool found = false;
    QString path;       // the program file when found
    QString mizarDir;   // the installation directory that was searched
};

TVMIZProgramLookup FindMizarProgram(const QString &name);

// Text of 8-bit files: UTF-8 when the bytes are valid UTF-8, else Latin-1.
QString DecodeBytes(const QByteArray &bytes, bool *wasUtf8 = nullptr);

} // namespace VMIZFiles
