#include "VURSettingsHost.h"

#include "VURApp.h"
#include "VURLang.h"
#include "VURRegistry.h"
#include "VURSettings.h"

namespace {

const QLatin1String kOldMakerPath("Software\\VUR Data Systems\\");

QString Identity(int kind, const char *fallback)
{
    const TVURApp *app = GetApp();
    const QString text = app ? app->GetInfo(kind) : QString();
    return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

QString ProgramName()
{
    return Identity(1, "Quill::MIZ");
}

} // namespace

TVURSettingsHost::~TVURSettingsHost() = default;

QString TVURSettingsHost::GetSettingsRoot() const
{
    return QStringLiteral("Software\\") + Identity(5, "VUR Software") + QLatin1Char('\\') + ProgramName()
           + QLatin1Char('\\');
}

QString TVURSettingsHost::GetOldSettingsRoot() const
{
    return kOldMakerPath + ProgramName() + QLatin1Char('\\');
}

std::unique_ptr<IVURSettings> TVURSettingsHost::CreateSettingsStore() const
{
    return std::make_unique<TVURRegistry>();
}

void TVURSettingsHost::LoadSettings(IVURSettings &reader)
{
    LoadLanguageSettings(reader, GetSettingsRoot());
}

void TVURSettingsHost::SaveSettings(IVURSettings &writer)
{
    SaveLanguageSettings(writer, GetSettingsRoot());
}

void TVURSettingsHost::ReadAllSettings()
{
    const std::unique_ptr<IVURSettings> store = CreateSettingsStore();
    const QString oldRoot = GetOldSettingsRoot();
    if (store->SectionExists(oldRoot)) {
        store->MoveSection(oldRoot, GetSettingsRoot(), true);
        if (store->IsSectionEmpty(kOldMakerPath))
            store->DeleteSectionTree(kOldMakerPath);
    }
    LoadSettings(*store);
}

void TVURSettingsHost::WriteAllSettings()
{
    const std::unique_ptr<IVURSettings> store = CreateSettingsStore();
    SaveSettings(*store);
}

void LoadLanguageSettings(IVURSettings &reader, const QString &root)
{
    TVURSettingsSection section(reader, root, QStringLiteral("Language"), true);
    if (!section.IsOpen())
        return;
    const QString value = reader.ReadString(QStringLiteral("Current"), LangManager()->CurrentLanguage());
    section.Close();
    LangManager()->SetLanguage(LangManager()->MatchLanguage(value));
}

void SaveLanguageSettings(IVURSettings &writer, const QString &root)
{
    TVURSettingsSection section(writer, root, QStringLiteral("Language"), true);
    if (!section.IsOpen())
        return;
    writer.WriteString(QStringLiteral("Current"), LangManager()->CurrentLanguage());
    section.Close();
}
