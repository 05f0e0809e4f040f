#pragma once

#include "VURAppGUIForm.h"
#include "VURChildHost.h"
#include "VURChildMDIList.h"

#include <QHash>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class TVURToolbarMDIChildListPane;

// The main window as a container of document windows: its own window order
// (Next, Previous, the tabs), proxies of the active child's commands, the
// open-or-activate rule, untitled numbers, the Window menu and the tab strip.
class TVURAppMDIForm : public TVURAppGUIForm, public IVURChildHost
{
    Q_OBJECT

public:
    explicit TVURAppMDIForm(QWidget *parent = nullptr);
    ~TVURAppMDIForm() override;

    void FormCreate() override;
    void TranslateTexts() override;
    void LanguageChanged() override;
    void FirstIdle() override;
    void BuildHelpMenu() override;
    void CreateToolbars() override;
    bool AcceptsDroppedFiles() const override;
    void OpenOrActivateFile(const QString &fileName, bool &stop) override;
    void LoadSettings(IVURSettings &reader) override;
    void SaveSettings(IVURSettings &writer) override;

    void RegisterChild(TVURChildMDIForm *child) override;
    void UnregisterChild(TVURChildMDIForm *child) override;
    void MergeChildActions(const QList<QAction *> &actions) override;
    void UnmergeChildActions() override;
    TVURChildMDIForm *FindChildByFileName(const QString &fileName) override;
    void NoteRecentClosed(const QString &fileName) override { TVURAppGUIForm::NoteRecentClosed(fileName); }
    void NoteRecentOpened(const QString &fileName) override { TVURAppGUIForm::NoteRecentOpened(fileName); }
    int NextUntitledNumber() override;
    ActiveChildState ActiveChild() const override;

    // The proxies take over the bound child actions' states.
    void ChildActionListUpdate();
    void WindowNextActionExecute();
    void WindowPrevActionExecute();
    void WindowTileHorizActionExecute();
    void WindowTileVertActionExecute();
    void WindowArrangeActionExecute();
    void WindowMenuUpdate();
    // The window list dialog in the mode, shown modally.
    void ShowWindowList(TVURChildMDIListForm::Mode mode);
    void FileSaveAllActionUpdate();
    // Restores a minimized window, otherwise brings it to the front.
    void ActivateChild(TVURChildMDIForm *child);
    void SynchronizeTabs();

    QList<TVURChildMDIForm *> WindowOrder() const { return m_order; }
    // The child windows in the order the client area created them.
    QList<TVURChildMDIForm *> ChildWindows() const;
    TVURChildMDIForm *ActiveChildForm() const;
    QMdiArea *ClientArea() const { return m_area; }
    QList<QAction *> ChildActionList() const { return m_proxies; }
    QAction *ChildProxy(const char *name) const;
    // The child action a proxy is bound to; null when unbound.
    QAction *BoundAction(QAction *proxy) const;
    QMenu *WindowMenu() const { return m_windowMenu; }
    TVURToolbarMDIChildListPane *ToolbarMDIChildListPane() const { return m_tabStrip; }

    // Caption and hint of a command; the tooltip is the hint's short part
    // (before "|"), the status text the whole hint.
    static void SetCommandTexts(QAction *action, const QString &caption, const QString &hint);
    // The same from bilingual texts, resolved now.
    static void SetCommandTexts(QAction *action, const char *caption, const char *hint);

protected:
    QAction *AddChildProxy(const char *name, const char *category);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void ApplicationEventsIdle() override;

private:
    QList<QMdiSubWindow *> SubWindows() const;
    // Tiles the shown windows one after another along the direction.
    void Tile(Qt::Orientation direction);

    QMdiArea *m_area;
    QList<TVURChildMDIForm *> m_order;
    int m_untitledCounter = 0;
    QList<QAction *> m_proxies;
    QHash<QAction *, QPointer<QAction>> m_bindings;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowEntries;
    TVURToolbarMDIChildListPane *m_tabStrip = nullptr;
};
