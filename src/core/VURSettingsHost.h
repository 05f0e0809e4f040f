#pragma once

#include <QString>

#include <memory>

class IVURSettings;

// What the main window does with the settings tree: read it all once while
// it is created, write it all once while it is destroyed. Each layer
// overrides LoadSettings/SaveSettings, calls the parent first, and then
// reads or writes its own sections.
class TVURSettingsHost
{
public:
    virtual ~TVURSettingsHost();

    // "Software\VUR Software\Quill::MIZ\" from the application's identity.
    virtual QString GetSettingsRoot() const;
    // "Software\VUR Data Systems\Quill::MIZ\", the root of earlier versions.
    virtual QString GetOldSettingsRoot() const;
    virtual std::unique_ptr<IVURSettings> CreateSettingsStore() const;
    virtual void LoadSettings(IVURSettings &reader);
    virtual void SaveSettings(IVURSettings &writer);

    // Migrates the old root, then LoadSettings.
    void ReadAllSettings();
    // SaveSettings into a new store; an error ends the saving and is raised.
    void WriteAllSettings();
};

// The "Language" section with its "Current" key.
void LoadLanguageSettings(IVURSettings &reader, const QString &root);
void SaveLanguageSettings(IVURSettings &writer, const QString &root);
