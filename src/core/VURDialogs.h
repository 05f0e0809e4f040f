#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class IVURSettings;

// File dialogs that start in the directory used last and remember the
// directory of the chosen file.
namespace VURDialogs {

// The options of the file dialogs used here.
enum Option : unsigned {
    ofAllowMultiSelect = 0x1,
    ofFileMustExist = 0x2,
    ofPathMustExist = 0x4,
    ofOverwritePrompt = 0x8,
    ofCreatePrompt = 0x10,
};

// The initial directory of the file dialogs; one for the whole program.
QString LastDir();
void SetLastDir(const QString &dir);
// An existing directory, or the directory of a path when that exists,
// becomes LastDir; otherwise LastDir stays.
void RememberDirectory(const QString &path);

// A filter "Description (masks)|masks|..." in the form Qt's dialogs take;
// "*.*" matches every file.
QString QtNameFilters(const QString &filter);

// Shows the open dialog. With ofAllowMultiSelect and a file list, the list
// receives the chosen files in the dialog's order; otherwise fileName gets
// the chosen name. Cancel returns false and changes nothing (the list is reset).
bool OpenFileDialog(const QString &title, const QString &filter, const QString &defaultExt,
                    const QString &initialFileName, QString *fileName, std::unique_ptr<QStringList> *fileList,
                    unsigned optionsToAdd = 0, unsigned optionsToRemove = 0);
bool SaveFileDialog(const QString &title, const QString &filter, const QString &defaultExt,
                    const QString &initialFileName, QString *fileName, unsigned optionsToAdd = 0,
                    unsigned optionsToRemove = 0);

// The default extension rule: a name without an extension gets it.
QString ApplyDefaultExtension(const QString &fileName, const QString &defaultExt);

// The "Files" section with its "LastDir" key.
void LoadFilesSettings(IVURSettings &reader, const QString &root);
void SaveFilesSettings(IVURSettings &writer, const QString &root);

} // namespace VURDialogs
