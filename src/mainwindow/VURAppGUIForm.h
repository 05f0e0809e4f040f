#pragma once

#include "VURForm.h"
#include "VURHelp.h"
#include "VURSettingsHost.h"
#include "VURStatus.h"

#include <QMainWindow>

#include <memory>

class QMenu;
class QVBoxLayout;
class TVURAppInstances;
class TVURRecents_Handler;
class TVURStatusbarPane;

// The frame of the program's main window: caption, main menu with the Help
// menu, toolbar and status bar with their toggles, the help pages, the
// window's placement and views in the settings, and the ways files reach
// the program (command line, a later start, drops, recent files). It opens
// no file itself; the layers above do.
class TVURAppGUIForm : public QMainWindow,
                       public TVURWindowForm,
                       public TVURSettingsHost,
                       public IVURStatusHost,
                       public IVURHelpHost
{
    Q_OBJECT

public:
    explicit TVURAppGUIForm(QWidget *parent = nullptr);
    ~TVURAppGUIForm() override;

    // Creation in its order: recent files, the language check, the bars,
    // the settings, the texts, the help pages and the Help menu.
    void FormCreate() override;
    void TranslateTexts() override;
    void LanguageChanged() override;
    void FirstIdle() override;

    virtual bool AcceptsDroppedFiles() const;
    virtual void OpenFileInNewWindow(const QString &fileName);
    virtual void OpenOrActivateFile(const QString &fileName, bool &stop);
    void RecentFileClick(const QString &fileName);
    virtual void ShowAbout();
    virtual void ShowHelpContents();
    virtual void UpdateHelpFile();
    virtual void CloseHelp();
    virtual void BuildHelpMenu();
    virtual void ShowStatusHint();
    virtual void ApplyLanguage(const QString &code);
    virtual void CheckLanguageFiles();
    virtual void OpenCommandLineFiles();
    // The arguments after the program name: every one but "-lang:" options
    // is opened as a file, until one open is cancelled.
    void OpenCommandLine(const QStringList &arguments);
    void LoadSettings(IVURSettings &reader) override;
    void SaveSettings(IVURSettings &writer) override;
    virtual TVURStatusbarPane *CreateStatusbar();
    virtual QString GetReadyText() const;
    virtual void PlaceStatusbar();
    virtual QWidget *CreateToolbar();
    virtual void PlaceToolbar();
    virtual void CreateToolbars();
    bool IsLanguageAvailable(const QString &code) const;
    void NoteRecentClosed(const QString &fileName);
    void NoteRecentOpened(const QString &fileName);

    // The command line of a later start, handed over by the single-instance
    // component: the existing files are opened, the others skipped.
    void JvAppInstancesCmdLineReceived(const QStringList &arguments);
    // Files dropped on the window, in order, until one open is cancelled.
    void OpenDroppedFiles(const QStringList &fileNames);

    void ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority) override;
    void ShowStatusInfo(const QString &text) override;
    void ShowHelpContext(int context) override;
    void ShowHelpKeyword(const QString &keyword) override;

    // The folder of the help pages for the current language.
    QString HelpFolder() const { return m_helpFolder; }
    // The folders searched, most specific first, for a language code.
    static QStringList HelpFolderCandidates(const QString &language);

    QMenuBar *MainMenu() const;
    QMenu *HelpMenu() const { return m_helpMenu; }
    QList<QAction *> MainActionList() const { return m_mainActions; }
    QAction *MainAction(const char *name) const;
    TVURRecents_Handler *Recents() const { return m_recents.get(); }
    TVURAppInstances *JvAppInstances() const { return m_instances; }
    TVURStatusbarPane *StatusbarPane() const { return m_statusbar; }
    QWidget *ToolbarPane() const { return m_toolbar; }
    // Where the layers above put their bars (below the toolbar) and the
    // document area.
    QVBoxLayout *TopLayout() const { return m_topLayout; }
    void SetClientWidget(QWidget *client);
    bool StartsMaximized() const { return m_startMaximized; }
    // Writes the whole settings tree, once: when the window closes, or at
    // the latest from the destructor of the most derived layer, while every
    // layer's SaveSettings is still there.
    void WriteSettingsOnce();

protected:
    void showEvent(QShowEvent *event) override;
    void ApplicationEventsIdle() override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool event(QEvent *event) override;
    QAction *AddMainAction(const char *name, const char *category);

private:
    void SetHelpActionsVisibility();
    void OpenHelpPage(const QString &page);

    std::unique_ptr<TVURRecents_Handler> m_recents;
    TVURAppInstances *m_instances;
    QList<QAction *> m_mainActions;
    QMenu *m_helpMenu = nullptr;
    QAction *m_aboutSeparator = nullptr;
    TVURStatusbarPane *m_statusbar = nullptr;
    QWidget *m_toolbar = nullptr;
    QWidget *m_central;
    QVBoxLayout *m_topLayout;
    QVBoxLayout *m_centralLayout;
    QWidget *m_client = nullptr;
    QString m_helpFolder;
    QString m_hint;
    bool m_startMaximized = true;
    bool m_shownOnce = false;
    bool m_settingsRead = false;
    bool m_settingsWritten = false;
};
