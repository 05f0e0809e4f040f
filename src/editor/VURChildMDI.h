#pragma once

#include "VURChildHost.h"
#include "VURForm.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;

// The base of every document window inside the main window: its commands
// (ChildActionList), its registration with the main window, activation,
// and the close query before it is released.
class TVURChildMDIForm : public QWidget, public TVURWindowForm
{
    Q_OBJECT

public:
    // The owner is the main window; it hosts the child when it implements
    // IVURChildHost.
    explicit TVURChildMDIForm(QWidget *owner);
    ~TVURChildMDIForm() override;

    // The creation steps of the form base, then the initial window state and
    // the registration with the main window.
    void FormCreate() override;

    const QList<QAction *> &ChildActionList() const { return m_childActions; }
    QAction *ChildAction(const QString &name) const;
    IVURChildHost *Host() const;
    // Maximized when the active child is, or when there is none.
    bool OpenMaximized() const { return m_openMaximized; }

    void FormActivate();
    void FormDeactivate();
    // Brings the enabled states of the commands up to date; the main window
    // asks before its proxies take them over.
    virtual void UpdateChildActions() {}
    // Asked before the window closes; the base allows it.
    virtual void FormCloseQuery(bool &canClose);

    void FileCloseActionExecute();

protected:
    QAction *AddChildAction(const char *name, const char *category);
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // Leaves the main window once; the most derived document calls it while
    // it is still whole, so the host can ask it for its name.
    void Unregister();

private:
    void WatchSubWindow();

    QPointer<QWidget> m_owner;
    QList<QAction *> m_childActions;
    bool m_openMaximized = true;
    bool m_registered = false;
    bool m_active = false;
};
