#pragma once

#include "VURChildMDI.h"
#include "VURKernel.h"
#include "VURTextFile.h"

// One text file in a document window: its name, modified flag and untitled
// state, the caption, New, Open, Insert file, Save, Save as, Reopen, the
// backup before a save and the question before unsaved changes are lost.
// The text itself belongs to the editor layer's overrides.
class TVURChildFileForm : public TVURChildMDIForm
{
    Q_OBJECT

public:
    explicit TVURChildFileForm(QWidget *owner);
    ~TVURChildFileForm() override;

    void TranslateTexts() override;
    void LanguageChanged() override;
    void FormCloseQuery(bool &canClose) override;

    virtual void UpdateCaption();
    virtual void BackupFile();
    virtual QString GetDefaultExt() const;
    virtual void InsertFile(const QString &fileName, bool &stop);
    virtual QString GetInsertFilter() const;
    virtual QString GetInsertTitle() const;
    virtual void LoadFromFile(const QString &fileName);
    bool GetModified() const { return m_modified; }
    virtual void SetModified(bool modified);
    QString GetFileName() const { return m_fileName; }
    virtual void SetFileName(const QString &fileName);
    bool GetUntitled() const { return m_untitled; }
    virtual void SetUntitled(bool untitled);
    virtual void FileSaved();
    virtual QString GetFilter() const;
    virtual QString GetSaveTitle() const;
    virtual void InitUntitled(int number);
    virtual void OpenFile(const QString &fileName);
    virtual void ReopenFile();
    virtual void SaveFile();
    virtual void SaveFileAs();
    virtual void SaveToFile(const QString &fileName);

    int UntitledNumber() const { return m_untitledNumber; }

    // The error shown when a file could not be read: its name and the reason.
    static EVURException ReadFailure(const QString &fileName, const std::exception &error);

    void FileSaveActionExecute();
    void FileSaveAsActionExecute();
    void FileInsertActionExecute();

protected:
    // Remembers the file as it is on disk now (after loading or saving).
    void NoteDiskState();
    // Whether a save may replace the file: asks when another program
    // changed it since it was loaded or saved here.
    bool MayOverwrite();

private:
    QString m_fileName;
    bool m_modified = false;
    bool m_untitled = false;
    int m_untitledNumber = 0;
    VURTextFile::TVURDiskStamp m_diskStamp;
};
