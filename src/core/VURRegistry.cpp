#include "VURRegistry.h"

#include "VURKernel.h"
#include "VURSettingsFile.h"

namespace {

// The registry library's own wording; it is not translated.
const char *const kWriteFailed = "Failed to set data for '%s'";

using Key = TVURSettingsFile::Key;
using ValueType = TVURSettingsFile::ValueType;

void CopyTree(const Key &from, Key &to)
{
    for (const TVURSettingsFile::Value &value : from.values)
        to.SetValue(value.name) = value;
    for (const auto &subkey : from.subkeys)
        CopyTree(*subkey, *to.AddSubkey(subkey->name));
}

} // namespace

TVURRegistry::TVURRegistry(const QString &fileName)
    : m_fileName(fileName.isEmpty() ? TVURSettingsFile::DefaultFileName() : fileName)
{
}

TVURRegistry::~TVURRegistry()
{
    if (m_dirty && m_file) {
        QString error;
        if (!m_file->Save(&error))
            qWarning("settings: cannot write %s: %s", qPrintable(m_fileName), qPrintable(error));
    }
}

QString TVURRegistry::FileName() const
{
    return m_fileName;
}

TVURSettingsFile &TVURRegistry::File()
{
    if (!m_file) {
        m_file = std::make_unique<TVURSettingsFile>(m_fileName);
        m_file->Load();
    }
    return *m_file;
}

void TVURRegistry::BeforeWrite(const QString &name)
{
    if (m_openPath.isEmpty() || !File().Find(m_openPath, false) || !File().CanSave())
        throw EVURException(QString::fromLatin1(kWriteFailed), {name});
    m_dirty = true;
    m_lastWritten = name;
}

void TVURRegistry::Flush()
{
    if (!m_dirty)
        return;
    QString error;
    if (!File().Save(&error)) {
        qWarning("settings: cannot write %s: %s", qPrintable(m_fileName), qPrintable(error));
        // Only a refused value write is an error; a section made while
        // reading is made again next time.
        if (!m_lastWritten.isEmpty())
            throw EVURException(QString::fromLatin1(kWriteFailed), {m_lastWritten});
        return;
    }
    m_dirty = false;
    m_lastWritten.clear();
}

bool TVURRegistry::OpenSection(const QString &root, const QString &name, bool create)
{
    CloseSection();
    const QString path = root + name;
    if (TVURSettingsFile::SplitPath(path).isEmpty())
        return false;
    const bool existed = File().Find(path, false) != nullptr;
    if (!existed && (!create || !File().CanSave()))
        return false;
    File().Find(path, true);
    m_openPath = path;
    if (!existed)
        m_dirty = true;
    return true;
}

void TVURRegistry::CloseSection()
{
    if (m_openPath.isEmpty())
        return;
    m_openPath.clear();
    Flush();
}

bool TVURRegistry::DeleteValue(const QString &name)
{
    Key *key = m_openPath.isEmpty() ? nullptr : File().Find(m_openPath, false);
    if (!key || !key->RemoveValue(name))
        return false;
    m_dirty = true;
    return true;
}

bool TVURRegistry::SectionExists(const QString &path)
{
    return File().Find(path, false) != nullptr;
}

bool TVURRegistry::IsSectionEmpty(const QString &path)
{
    const Key *key = File().Find(path, false);
    return !key || (key->values.isEmpty() && key->subkeys.empty());
}

void TVURRegistry::MoveSection(const QString &oldPath, const QString &newPath, bool deleteOld)
{
    const Key *from = File().Find(oldPath, false);
    if (!from || File().Find(newPath, false))
        return;
    // A path inside the old one would be copied into itself.
    if (TVURSettingsFile::SplitPath(newPath).join(QLatin1Char('\\')).startsWith(
            TVURSettingsFile::SplitPath(oldPath).join(QLatin1Char('\\')) + QLatin1Char('\\'), Qt::CaseInsensitive))
        return;
    CopyTree(*from, *File().Find(newPath, true));
    if (deleteOld)
        File().Remove(oldPath);
    m_dirty = true;
    if (m_openPath.isEmpty()) {
        try {
            Flush();
        } catch (const EVURException &) {
            // The platform's move reports nothing; the store tries again when released.
        }
    }
}

void TVURRegistry::DeleteSectionTree(const QString &path)
{
    if (!File().Remove(path))
        return;
    if (!m_openPath.isEmpty() && !File().Find(m_openPath, false))
        m_openPath.clear();
    m_dirty = true;
    if (m_openPath.isEmpty()) {
        try {
            Flush();
        } catch (const EVURException &) {
        }
    }
}

bool TVURRegistry::ReadBool(const QString &name, bool defaultValue)
{
    Key *key = m_openPath.isEmpty() ? nullptr : File().Find(m_openPath, false);
    const TVURSettingsFile::Value *value = key ? key->FindValue(name) : nullptr;
    if (!value || value->type != ValueType::DWord)
        return defaultValue;
    return value->number != 0;
}

int TVURRegistry::ReadInteger(const QString &name, int defaultValue)
{
    Key *key = m_openPath.isEmpty() ? nullptr : File().Find(m_openPath, false);
    const TVURSettingsFile::Value *value = key ? key->FindValue(name) : nullptr;
    if (!value || value->type != ValueType::DWord)
        return defaultValue;
    return int(qint32(value->number));
}

QString TVURRegistry::ReadString(const QString &name, const QString &defaultValue)
{
    Key *key = m_openPath.isEmpty() ? nullptr : File().Find(m_openPath, false);
    const TVURSettingsFile::Value *value = key ? key->FindValue(name) : nullptr;
    if (!value || value->type == ValueType::DWord)
        return defaultValue;
    return value->text;
}

void TVURRegistry::WriteBool(const QString &name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

void TVURRegistry::WriteInteger(const QString &name, int value)
{
    BeforeWrite(name);
    TVURSettingsFile::Value &stored = File().Find(m_openPath, false)->SetValue(name);
    stored.type = ValueType::DWord;
    stored.number = quint32(value);
    stored.text.clear();
}

void TVURRegistry::WriteString(const QString &name, const QString &value)
{
    BeforeWrite(name);
    TVURSettingsFile::Value &stored = File().Find(m_openPath, false)->SetValue(name);
    stored.type = ValueType::String;
    stored.number = 0;
    stored.text = value;
}
