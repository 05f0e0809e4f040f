#include "VURShell.h"

#include "VURKeyFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>

namespace VURShell {

namespace {

const QString kDefaultGroup = QStringLiteral("Default Applications");
const QString kAddedGroup = QStringLiteral("Added Associations");
const QString kEntryGroup = QStringLiteral("Desktop Entry");
const QString kMimeNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

QString DataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ConfigHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString UserMimeAppsList()
{
    return ConfigHome() + QStringLiteral("/mimeapps.list");
}

QString UserDesktopEntry(const QString &id)
{
    return DataHome() + QStringLiteral("/applications/") + id;
}

QString OwnProgram(const QString &program)
{
    return program.isEmpty() ? QCoreApplication::applicationFilePath() : program;
}

// mimeapps.list files in the order the freedesktop specification reads them.
QStringList MimeAppsLists()
{
    QStringList lists;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        lists.append(dir + QStringLiteral("/mimeapps.list"));
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        lists.append(dir + QStringLiteral("/applications/mimeapps.list"));
    return lists;
}

QString FindDesktopEntry(const QString &id)
{
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString path = dir + QStringLiteral("/applications/") + id;
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

// The MIME type our own package gives ext, empty when there is none.
QString RegisteredMimeType(const QString &ext)
{
    QFile file(MimePackageFileName(ext));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(&file);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("mime-info"))
            continue;
        if (reader.name() == QLatin1String("mime-type"))
            return reader.attributes().value(QLatin1String("type")).toString();
        reader.skipCurrentElement();
    }
    return QString();
}

QString MimeTypeOfExtension(const QString &ext)
{
    const QString own = RegisteredMimeType(ext);
    if (!own.isEmpty())
        return own;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("file") + ext,
                                                           QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return QString();
    return type.name();
}

bool WriteMimePackage(const QString &ext, const QString &mimeType, const QString &comment,
                      const QString &icon)
{
    const QString fileName = MimePackageFileName(ext);
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<mime-info xmlns=\"")
                  + kMimeNamespace + QStringLiteral("\">\n  <mime-type type=\"")
                  + mimeType.toHtmlEscaped() + QStringLiteral("\">\n    <comment>")
                  + comment.toHtmlEscaped() + QStringLiteral("</comment>\n");
    if (!icon.isEmpty())
        xml += QStringLiteral("    <icon name=\"") + icon.toHtmlEscaped() + QStringLiteral("\"/>\n");
    xml += QStringLiteral("    <sub-class-of type=\"text/plain\"/>\n    <glob pattern=\"*")
           + ext.toHtmlEscaped() + QStringLiteral("\" weight=\"80\"/>\n  </mime-type>\n</mime-info>\n");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(xml.toUtf8());
    return file.commit();
}


void SetMimeTypeInEntry(const QString &id, const QString &mimeType, bool present)
{
    const QString path = UserDesktopEntry(id);
    TVURKeyFile entry;
    if (!entry.Load(path))
        return;
    QStringList types = TVURKeyFile::SplitList(entry.Value(kEntryGroup, QStringLiteral("MimeType")));
    types.removeAll(mimeType);
    if (present)
        types.append(mimeType);
    if (types.isEmpty()) {
        QFile::remove(path);
        return;
    }
    entry.SetValue(kEntryGroup, QStringLiteral("MimeType"), TVURKeyFile::JoinList(types));
    entry.Save(path);
}

} // namespace

void RefreshDesktopCaches()
{
    const struct
    {
        const char *tool;
        const char *folder;
    } caches[] = {{"update-mime-database", "/mime"}, {"update-desktop-database", "/applications"}};
    for (const auto &cache : caches) {
        const QString tool = QStandardPaths::findExecutable(QString::fromLatin1(cache.tool));
        const QString folder = DataHome() + QString::fromLatin1(cache.folder);
        if (tool.isEmpty() || !QFileInfo(folder).isDir())
            continue;
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(tool, {folder});
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished(1000);
    }
}

int RunAndWait(const QString &directory, const QString &program, const QStringList &arguments,
               RunOutcome *outcome)
{
    QProcess process;
    process.setWorkingDirectory(directory);
    // Run hidden: nothing to read from it and nothing for it to read.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(-1)) {
        if (outcome)
            *outcome = RunOutcome::FailedToStart;
        return -1;
    }
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit) {
        if (outcome)
            *outcome = RunOutcome::Crashed;
        return -1;
    }
    if (outcome)
        *outcome = RunOutcome::Exited;
    return process.exitCode();
}

bool ShellOpen(QWidget *, const QString &fileOrAddress, const QString &parameters)
{
    QUrl url;
    const QFileInfo file(fileOrAddress);
    if (fileOrAddress.contains(QLatin1String("://")) || fileOrAddress.startsWith(QLatin1String("mailto:")))
        url = QUrl(fileOrAddress);
    else if (file.isAbsolute() || file.exists())
        url = QUrl::fromLocalFile(file.absoluteFilePath());
    else
        url = QUrl::fromUserInput(fileOrAddress);
    if (!parameters.isEmpty() && url.query().isEmpty() && !url.isLocalFile())
        url.setQuery(parameters);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

QString MimeTypeForDocumentType(const QString &type)
{
    QString subtype;
    for (const QChar c : type.toLower()) {
        const bool allowed = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                             || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
                             || c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('_');
        subtype += allowed ? c : QLatin1Char('-');
    }
    return QStringLiteral("application/x-") + subtype;
}

QString MimePackageFileName(const QString &ext)
{
    QString name = ext.startsWith(QLatin1Char('.')) ? ext.mid(1) : ext;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return DataHome() + QStringLiteral("/mime/packages/vur-extension-") + name + QStringLiteral(".xml");
}

QString DesktopEntryId(const QString &program)
{
    return QStringLiteral("vur-") + QFileInfo(OwnProgram(program)).fileName() + QStringLiteral(".desktop");
}

QString DesktopExecCommand(const QString &program)
{
    // Desktop-entry quoting: inside double quotes, escape " ` $ and \ .
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QStringLiteral("\" %f");
}

void RegisterExtension(const QString &ext, const QString &type, const QString &description,
                       const QString &program, const QString &icon)
{
    if (!ext.startsWith(QLatin1Char('.')) || ext.size() < 2 || type.isEmpty())
        return;
    const QString path = OwnProgram(program);
    const QString mimeType = MimeTypeForDocumentType(type);
    const QString iconName = icon.isEmpty() ? QFileInfo(path).completeBaseName() : icon;
    WriteMimePackage(ext, mimeType, description.isEmpty() ? type : description, iconName);

    const QString id = DesktopEntryId(path);
    const QString entryPath = UserDesktopEntry(id);
    TVURKeyFile entry;
    entry.Load(entryPath);
    entry.SetValue(kEntryGroup, QStringLiteral("Type"), QStringLiteral("Application"));
    entry.SetValue(kEntryGroup, QStringLiteral("Name"), TVURKeyFile::EscapeValue(QFileInfo(path).fileName()));
    entry.SetValue(kEntryGroup, QStringLiteral("Exec"), TVURKeyFile::EscapeValue(DesktopExecCommand(path)));
    entry.SetValue(kEntryGroup, QStringLiteral("Icon"), TVURKeyFile::EscapeValue(iconName));
    entry.SetValue(kEntryGroup, QStringLiteral("Terminal"), QStringLiteral("false"));
    entry.SetValue(kEntryGroup, QStringLiteral("NoDisplay"), QStringLiteral("true"));
    QStringList types = TVURKeyFile::SplitList(entry.Value(kEntryGroup, QStringLiteral("MimeType")));
    if (!types.contains(mimeType))
        types.append(mimeType);
    entry.SetValue(kEntryGroup, QStringLiteral("MimeType"), TVURKeyFile::JoinList(types));
    const bool entryWritten = entry.Save(entryPath);

    if (entryWritten) {
        TVURKeyFile apps;
        apps.Load(UserMimeAppsList());
        apps.SetValue(kDefaultGroup, mimeType, id + QLatin1Char(';'));
        QStringList added = TVURKeyFile::SplitList(apps.Value(kAddedGroup, mimeType));
        added.removeAll(id);
        added.prepend(id);
        apps.SetValue(kAddedGroup, mimeType, TVURKeyFile::JoinList(added));
        apps.Save(UserMimeAppsList());
    }
}

void UnregisterExtension(const QString &ext, const QString &program)
{
    const QString id = DesktopEntryId(program);
    const QString mimeType = RegisteredMimeType(ext);
    QFile::remove(MimePackageFileName(ext));
    if (!mimeType.isEmpty()) {
        TVURKeyFile apps;
        if (apps.Load(UserMimeAppsList())) {
            if (TVURKeyFile::SplitList(apps.Value(kDefaultGroup, mimeType)).contains(id))
                apps.RemoveKey(kDefaultGroup, mimeType);
            QStringList added = TVURKeyFile::SplitList(apps.Value(kAddedGroup, mimeType));
            if (added.removeAll(id) > 0) {
                if (added.isEmpty())
                    apps.RemoveKey(kAddedGroup, mimeType);
                else
                    apps.SetValue(kAddedGroup, mimeType, TVURKeyFile::JoinList(added));
            }
            apps.Save(UserMimeAppsList());
        }
        SetMimeTypeInEntry(id, mimeType, false);
    }
}

QString GetAssociatedCommand(const QString &ext)
{
    const QString mimeType = MimeTypeOfExtension(ext);
    if (mimeType.isEmpty())
        return QString();

    QStringList candidates;
    for (const QString &list : MimeAppsLists()) {
        TVURKeyFile apps;
        if (apps.Load(list))
            candidates += TVURKeyFile::SplitList(apps.Value(kDefaultGroup, mimeType));
    }
    for (const QString &list : MimeAppsLists()) {
        TVURKeyFile apps;
        if (apps.Load(list))
            candidates += TVURKeyFile::SplitList(apps.Value(kAddedGroup, mimeType));
    }
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        TVURKeyFile cache;
        if (cache.Load(dir + QStringLiteral("/applications/mimeinfo.cache")))
            candidates += TVURKeyFile::SplitList(cache.Value(QStringLiteral("MIME Cache"), mimeType));
    }
    for (const QString &id : candidates) {
        const QString path = FindDesktopEntry(id);
        if (path.isEmpty())
            continue;
        TVURKeyFile entry;
        entry.Load(path);
        const QString exec = TVURKeyFile::UnescapeValue(entry.Value(kEntryGroup, QStringLiteral("Exec")));
        if (!exec.isEmpty())
            return exec;
    }
    return QString();
}

} // namespace VURShell
