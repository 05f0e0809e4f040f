#include "VURChildFile.h"

#include "VURDialogs.h"
#include "VURFiles.h"
#include "VURKernel.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURAppGUI.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const kSaveError =
    "<PLK>Błąd zapisywania pliku:\\n\"%s\".\\n\\n%s.<ENU>Error saving file:\\n\"%s\".\\n\\n%s.";

// The template ends with a period of its own.
QString WithoutFinalPeriod(QString text)
{
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

TVURChildFileForm::TVURChildFileForm(QWidget *owner)
    : TVURChildMDIForm(owner)
{
    connect(AddChildAction("FileInsertAction", "File"), &QAction::triggered, this,
            &TVURChildFileForm::FileInsertActionExecute);
    connect(AddChildAction("FileSaveAction", "File"), &QAction::triggered, this,
            &TVURChildFileForm::FileSaveActionExecute);
    connect(AddChildAction("FileSaveAsAction", "File"), &QAction::triggered, this,
            &TVURChildFileForm::FileSaveAsActionExecute);
}

TVURChildFileForm::~TVURChildFileForm()
{
    // While the name is still here for the recent files.
    Unregister();
}

void TVURChildFileForm::TranslateTexts()
{
    TVURChildMDIForm::TranslateTexts();
    UpdateCaption();
}

void TVURChildFileForm::LanguageChanged()
{
    TVURChildMDIForm::LanguageChanged();
    if (m_untitled)
        InitUntitled(m_untitledNumber);
    UpdateCaption();
}

void TVURChildFileForm::UpdateCaption()
{
    QString caption = m_fileName;
    if (m_modified)
        caption += QLatin1Char(' ') + TranslateText(QStringLiteral("<PLK>(zmieniony)<ENU>(modified)"));
    setWindowTitle(caption);
}

void TVURChildFileForm::BackupFile()
{
    VURFiles::CreateBackupFile(m_fileName);
}

QString TVURChildFileForm::GetDefaultExt() const
{
    return QString();
}

void TVURChildFileForm::InsertFile(const QString &, bool &)
{
}

QString TVURChildFileForm::GetInsertFilter() const
{
    return GetFilter();
}

QString TVURChildFileForm::GetInsertTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Wstaw plik<ENU>Insert file"));
}

void TVURChildFileForm::LoadFromFile(const QString &)
{
}

void TVURChildFileForm::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    UpdateCaption();
}

void TVURChildFileForm::SetFileName(const QString &fileName)
{
    m_fileName = fileName;
    UpdateCaption();
}

void TVURChildFileForm::SetUntitled(bool untitled)
{
    m_untitled = untitled;
}

void TVURChildFileForm::FileSaved()
{
    SetModified(false);
}

QString TVURChildFileForm::GetFilter() const
{
    return QString();
}

QString TVURChildFileForm::GetSaveTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Zapisz plik<ENU>Save file"));
}

void TVURChildFileForm::InitUntitled(int number)
{
    SetUntitled(true);
    m_untitledNumber = number;
    SetFileName(TranslateText(QStringLiteral("<PLK>BezNazwy<ENU>NoName")) + QLatin1Char(' ') + QString::number(number));
}

void TVURChildFileForm::OpenFile(const QString &fileName)
{
    LoadFromFile(fileName);
    SetFileName(fileName);
    NoteDiskState();
}

void TVURChildFileForm::ReopenFile()
{
    if (m_untitled)
        return;
    SetModified(false);
    OpenFile(GetFileName());
}

void TVURChildFileForm::NoteDiskState()
{
    m_diskStamp = m_untitled ? VURTextFile::TVURDiskStamp() : VURTextFile::DiskStamp(m_fileName);
}

bool TVURChildFileForm::MayOverwrite()
{
    if (!m_diskStamp.exists)
        return true;
    const VURTextFile::TVURDiskStamp now = VURTextFile::DiskStamp(m_fileName);
    if (now == m_diskStamp)
        return true;
    return AskYesNo(FormatArgumentsFromRight(
               TranslateText(QStringLiteral(
                   "<PLK>Plik \"%s\" został zmieniony przez inny program.\\n\\nZapisać go mimo to i zastąpić tamte "
                   "zmiany?<ENU>The file \"%s\" was changed by another program.\\n\\nSave it anyway and replace "
                   "those changes?")),
               {m_fileName}))
           == VURMessageBox::IdYes;
}

void TVURChildFileForm::SaveFile()
{
    if (m_untitled) {
        SaveFileAs();
        return;
    }
    if (!MayOverwrite()) {
        SetModified(true);
        return;
    }
    try {
        const QFileInfo target(GetFileName());
        // Moving a write-protected file to the backup would go through (the
        // folder allows it) and silently lift its protection.
        if (target.exists() && !target.isWritable())
            VURFiles::RaiseIOError(5);
        const QFile::Permissions permissions = target.exists() ? target.permissions() : QFile::Permissions();
        BackupFile();
        SaveToFile(GetFileName());
        // The new file would otherwise take the default mode, and a private
        // article would become readable to everybody.
        if (permissions)
            QFile::setPermissions(GetFileName(), permissions);
        FileSaved();
        NoteDiskState();
    } catch (const std::exception &error) {
        ShowError(FormatArgumentsFromRight(TranslateText(QString::fromUtf8(kSaveError)),
                                           {GetFileName(), WithoutFinalPeriod(ExceptionMessage(error))}));
        SetModified(true);
    }
}

EVURException TVURChildFileForm::ReadFailure(const QString &fileName, const std::exception &error)
{
    return EVURException(QStringLiteral("<PLK>Nie można odczytać pliku:\\n\"%s\".\\n\\n%s.<ENU>Cannot read "
                                        "file:\\n\"%s\".\\n\\n%s."),
                         {fileName, WithoutFinalPeriod(ExceptionMessage(error))});
}

void TVURChildFileForm::SaveFileAs()
{
    QString chosen;
    if (!VURDialogs::SaveFileDialog(GetSaveTitle(), GetFilter(), GetDefaultExt(), GetFileName(), &chosen))
        return;
    IVURChildHost *host = Host();
    if (TVURChildMDIForm *other = host ? host->FindChildByFileName(chosen) : nullptr; other && other != this) {
        ShowError(QStringLiteral("<PLK>Nie można zapisać do otwartego pliku.<ENU>Cannot save to an opened file."));
        return;
    }
    if (!m_untitled && host)
        host->NoteRecentClosed(GetFileName());
    const bool sameFile = !m_untitled && chosen == GetFileName();
    SetFileName(chosen);
    SetUntitled(false);
    SetModified(true);
    // Another file chosen in the dialog: its overwriting was confirmed there.
    if (!sameFile)
        m_diskStamp = VURTextFile::TVURDiskStamp();
    SaveFile();
    if (host)
        host->NoteRecentOpened(chosen);
}

void TVURChildFileForm::SaveToFile(const QString &)
{
}

void TVURChildFileForm::FileSaveActionExecute()
{
    SaveFile();
}

void TVURChildFileForm::FileSaveAsActionExecute()
{
    SaveFileAs();
}

void TVURChildFileForm::FileInsertActionExecute()
{
    std::unique_ptr<QStringList> files;
    if (!VURDialogs::OpenFileDialog(GetInsertTitle(), GetInsertFilter(), GetDefaultExt(), QString(), nullptr, &files,
                                    VURDialogs::ofAllowMultiSelect | VURDialogs::ofFileMustExist)
        || !files)
        return;
    for (const QString &name : *files) {
        bool stop = false;
        InsertFile(name, stop);
        if (stop)
            break;
    }
}

void TVURChildFileForm::FormCloseQuery(bool &canClose)
{
    canClose = true;
    if (!m_modified)
        return;
    const int answer = AskYesNoCancel(FormatArgumentsFromRight(
        TranslateText(QStringLiteral("<PLK>Zmiany w pliku nie zostały zapisane:\\n\"%s\".\\n\\nZapisać teraz?<ENU>Changes "
                                     "in file not saved:\\n\"%s\".\\n\\nSave now?")),
        {GetFileName()}));
    if (answer == VURMessageBox::IdCancel) {
        canClose = false;
    } else if (answer == VURMessageBox::IdYes) {
        SaveFile();
        canClose = !m_modified;
    }
}
