#pragma once

#include <QList>
#include <QString>

class QAction;
class TVURChildMDIForm;

// What a document window needs of the main window that holds it.
class IVURChildHost
{
public:
    enum class ActiveChildState { None, Maximized, Normal };

    virtual ~IVURChildHost() = default;

    // The child enters the window order right after the active child.
    virtual void RegisterChild(TVURChildMDIForm *child) = 0;
    // The child leaves; for a named document the host notes it as closed.
    virtual void UnregisterChild(TVURChildMDIForm *child) = 0;
    // The host's child commands now act on these actions.
    virtual void MergeChildActions(const QList<QAction *> &actions) = 0;
    virtual void UnmergeChildActions() = 0;
    // The document window holding the file (same file, not only same
    // spelling); null when none does.
    virtual TVURChildMDIForm *FindChildByFileName(const QString &fileName) = 0;
    virtual void NoteRecentClosed(const QString &fileName) = 0;
    virtual void NoteRecentOpened(const QString &fileName) = 0;
    // 1, 2, 3, ... for the whole run.
    virtual int NextUntitledNumber() = 0;
    virtual ActiveChildState ActiveChild() const = 0;
};
