#pragma once

#include <QString>

// The settings tree as every component sees it: sections of typed values.
// Reads never fail (a missing value or one of another type gives the
// default); a write the store refuses raises EVURException.
class IVURSettings
{
public:
    virtual ~IVURSettings() = default;

    virtual void CloseSection() = 0;
    virtual bool DeleteValue(const QString &name) = 0;
    virtual bool SectionExists(const QString &path) = 0;
    virtual bool IsSectionEmpty(const QString &path) = 0;
    virtual void MoveSection(const QString &oldPath, const QString &newPath, bool deleteOld) = 0;
    // Opens root + name (joined as they are, so root ends with "\").
    virtual bool OpenSection(const QString &root, const QString &name, bool create) = 0;
    virtual bool ReadBool(const QString &name, bool defaultValue) = 0;
    virtual int ReadInteger(const QString &name, int defaultValue) = 0;
    virtual QString ReadString(const QString &name, const QString &defaultValue) = 0;
    virtual void DeleteSectionTree(const QString &path) = 0;
    virtual void WriteBool(const QString &name, bool value) = 0;
    virtual void WriteInteger(const QString &name, int value) = 0;
    virtual void WriteString(const QString &name, const QString &value) = 0;
};

// One section for the length of a scope: opened at construction, closed by
// Close() or, when an error left the scope early, by the destructor.
class TVURSettingsSection
{
public:
    TVURSettingsSection(IVURSettings &settings, const QString &root, const QString &name, bool create);
    ~TVURSettingsSection();

    TVURSettingsSection(const TVURSettingsSection &) = delete;
    TVURSettingsSection &operator=(const TVURSettingsSection &) = delete;

    bool IsOpen() const { return m_open; }
    // Closes now; a store that cannot save raises here.
    void Close();

private:
    IVURSettings &m_settings;
    bool m_open;
};
