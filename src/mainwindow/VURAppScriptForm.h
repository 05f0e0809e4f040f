#pragma once

#include "VURAppMDIForm.h"

class QMenu;
class TVURToolbarScriptPane;

// The main window for text editing: the File, Edit, Search, Macro and
// Process menus, the proxies of every editing command of the active editor
// window, the recent files under File and the Open button, the caret
// position and the macro texts kept up to date at idle, and the toolbar.
class TVURAppScriptForm : public TVURAppMDIForm
{
    Q_OBJECT

public:
    explicit TVURAppScriptForm(QWidget *parent = nullptr);
    ~TVURAppScriptForm() override;

    void FormCreate() override;
    void TranslateTexts() override;
    void LanguageChanged() override;
    QWidget *CreateToolbar() override;
    void PlaceToolbar() override;
    void LoadSettings(IVURSettings &reader) override;
    void SaveSettings(IVURSettings &writer) override;

    // The record and pause entries follow the bound editor's recorder;
    // Playback keeps its own texts.
    void RefreshMacroTexts();
    // The caret position of the active editor window, empty without one.
    QString ActivePositionText() const;
    // Fills the Open button's list from the recent files.
    void FileRecentsPopupMenuPopup();

    QMenu *FileMenu() const { return m_fileMenu; }
    QMenu *FileRecentsMenu() const { return m_fileRecentsMenu; }
    QMenu *EditMenu() const { return m_editMenu; }
    QMenu *SearchMenu() const { return m_searchMenu; }
    QMenu *MacroMenu() const { return m_macroMenu; }
    QMenu *ProcessMenu() const { return m_processMenu; }
    QMenu *BookmarkInsertMenu() const { return m_bookmarkInsertMenu; }
    QMenu *BookmarkGotoMenu() const { return m_bookmarkGotoMenu; }
    QMenu *FileRecentsPopupMenu() const { return m_fileRecentsPopupMenu; }
    TVURToolbarScriptPane *ToolbarScriptPane() const;

protected:
    void ApplicationEventsIdle() override;
    // A proxy or a main command by its name.
    QAction *Command(const char *name) const;

private:
    QMenu *NewMenu(const char *name);
    void AddEntries(QMenu *menu, const QList<const char *> &names);

    QMenu *m_fileMenu = nullptr;
    QMenu *m_fileRecentsMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_searchMenu = nullptr;
    QMenu *m_macroMenu = nullptr;
    QMenu *m_processMenu = nullptr;
    QMenu *m_bookmarkInsertMenu = nullptr;
    QMenu *m_bookmarkGotoMenu = nullptr;
    QMenu *m_fileRecentsPopupMenu = nullptr;
    QString m_shownPosition;
    // Record and Pause: caption, tooltip and status text of each.
    QStringList m_defaultMacroTexts;
    QStringList m_shownMacroTexts;
};
