// The settings store's file reader over any file contents.
#include "FuzzInput.h"
#include "VURSettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.json"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(FuzzBytes(data, size));
    }
    TVURSettingsFile settings(path);
    settings.Load();
    (void)settings.Find(QStringLiteral("Software\\VUR Software\\Quill::MIZ\\Language"), false);
    (void)settings.Find(QStringLiteral("A\\B\\C"), true);
    return 0;
}
