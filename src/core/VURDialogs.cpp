#include "VURDialogs.h"

#include "VURLang.h"
#include "VURSettings.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace VURDialogs {

namespace {

QString &LastDirValue()
{
    static QString lastDir;
    return lastDir;
}

// Runs the dialog; the options decide its mode.
QStringList RunFileDialog(bool save, const QString &title, const QString &filter, const QString &defaultExt,
                          const QString &initialFileName, unsigned options)
{
    QFileDialog dialog(QApplication::activeWindow(), TranslateText(title));
    dialog.setObjectName(save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (options & ofAllowMultiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (options & ofFileMustExist)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(options & ofOverwritePrompt));
    const QString dir = LastDir();
    if (!dir.isEmpty() && QFileInfo(dir).isDir())
        dialog.setDirectory(dir);
    const QStringList filters = QtNameFilters(filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!defaultExt.isEmpty())
        dialog.setDefaultSuffix(defaultExt.startsWith(QLatin1Char('.')) ? defaultExt.mid(1) : defaultExt);
    if (!initialFileName.isEmpty())
        dialog.selectFile(initialFileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

QString LastDir()
{
    return LastDirValue();
}

void SetLastDir(const QString &dir)
{
    LastDirValue() = dir;
}

void RememberDirectory(const QString &path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isDir()) {
        SetLastDir(info.absoluteFilePath());
        return;
    }
    const QString parent = info.absolutePath();
    if (QFileInfo(parent).isDir())
        SetLastDir(parent);
}

QString QtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        QString masks = parts.at(i + 1);
        masks.replace(QLatin1Char(';'), QLatin1Char(' '));
        masks.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        // The description names the masks in parentheses; Qt reads them there.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        filters.append(description + QStringLiteral(" (") + masks + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString ApplyDefaultExtension(const QString &fileName, const QString &defaultExt)
{
    if (defaultExt.isEmpty() || fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    if (fileName.endsWith(QLatin1Char('.')))
        return fileName;
    return fileName + (defaultExt.startsWith(QLatin1Char('.')) ? defaultExt : QLatin1Char('.') + defaultExt);
}

bool OpenFileDialog(const QString &title, const QString &filter, const QString &defaultExt,
                    const QString &initialFileName, QString *fileName, std::unique_ptr<QStringList> *fileList,
                    unsigned optionsToAdd, unsigned optionsToRemove)
{
    if (fileList)
        fileList->reset();
    const unsigned options = (ofPathMustExist | optionsToAdd) & ~optionsToRemove;
    const QStringList chosen = RunFileDialog(false, title, filter, defaultExt, initialFileName, options);
    if (chosen.isEmpty())
        return false;
    QString first;
    if ((options & ofAllowMultiSelect) && fileList) {
        *fileList = std::make_unique<QStringList>(chosen);
        first = chosen.first();
    } else {
        first = ApplyDefaultExtension(chosen.first(), defaultExt);
        if (fileName)
            *fileName = first;
    }
    RememberDirectory(first);
    return true;
}

bool SaveFileDialog(const QString &title, const QString &filter, const QString &defaultExt,
                    const QString &initialFileName, QString *fileName, unsigned optionsToAdd,
                    unsigned optionsToRemove)
{
    const unsigned options = (ofOverwritePrompt | ofPathMustExist | ofCreatePrompt | optionsToAdd) & ~optionsToRemove;
    const QStringList chosen = RunFileDialog(true, title, filter, defaultExt, initialFileName, options);
    if (chosen.isEmpty())
        return false;
    const QString name = ApplyDefaultExtension(chosen.first(), defaultExt);
    if (fileName)
        *fileName = name;
    RememberDirectory(name);
    return true;
}

void LoadFilesSettings(IVURSettings &reader, const QString &root)
{
    TVURSettingsSection section(reader, root, QStringLiteral("Files"), true);
    if (!section.IsOpen())
        return;
    SetLastDir(reader.ReadString(QStringLiteral("LastDir"), LastDir()));
    section.Close();
}

void SaveFilesSettings(IVURSettings &writer, const QString &root)
{
    TVURSettingsSection section(writer, root, QStringLiteral("Files"), true);
    if (!section.IsOpen())
        return;
    writer.WriteString(QStringLiteral("LastDir"), LastDir());
    section.Close();
}

} // namespace VURDialogs
