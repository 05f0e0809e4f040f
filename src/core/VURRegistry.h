#pragma once

#include "VURSettings.h"

#include <QString>

#include <memory>

class TVURSettingsFile;

// The settings store over the per-user settings file. The file is read when
// the store is first used; changes go back to it as each section is closed.
class TVURRegistry : public IVURSettings
{
public:
    // An empty name means TVURSettingsFile::DefaultFileName().
    explicit TVURRegistry(const QString &fileName = QString());
    ~TVURRegistry() override;

    void CloseSection() override;
    bool DeleteValue(const QString &name) override;
    bool SectionExists(const QString &path) override;
    bool IsSectionEmpty(const QString &path) override;
    void MoveSection(const QString &oldPath, const QString &newPath, bool deleteOld) override;
    bool OpenSection(const QString &root, const QString &name, bool create) override;
    bool ReadBool(const QString &name, bool defaultValue) override;
    int ReadInteger(const QString &name, int defaultValue) override;
    QString ReadString(const QString &name, const QString &defaultValue) override;
    void DeleteSectionTree(const QString &path) override;
    void WriteBool(const QString &name, bool value) override;
    void WriteInteger(const QString &name, int value) override;
    void WriteString(const QString &name, const QString &value) override;

    QString FileName() const;

private:
    TVURSettingsFile &File();
    void BeforeWrite(const QString &name);
    void Flush();

    QString m_fileName;
    std::unique_ptr<TVURSettingsFile> m_file;
    QString m_openPath; // empty: no section open
    bool m_dirty = false;
    QString m_lastWritten;
};
