#pragma once

#include "VURPane.h"

#include <QList>

class QTabBar;
class TVURChildMDIForm;

// The strip of tabs above the document area, one per open window in the
// main window's order; "No windows" when there is none.
class TVURToolbarMDIChildListPane : public TVURPaneForm
{
    Q_OBJECT

public:
    explicit TVURToolbarMDIChildListPane(QWidget *parent = nullptr);

    QTabBar *TabControl() const { return m_tabControl; }
    // Makes the tabs match the windows; only what changed is touched.
    void Synchronize(const QList<TVURChildMDIForm *> &order, TVURChildMDIForm *active);
    // The window a tab stands for; null for the "No windows" tab.
    TVURChildMDIForm *TabWindow(int index) const;

    static QString TabCaption(TVURChildMDIForm *child);
    static QString TabHint(TVURChildMDIForm *child);

Q_SIGNALS:
    void WindowChosen(TVURChildMDIForm *child);
    void WindowMoved(TVURChildMDIForm *child, int to);

private:
    QTabBar *m_tabControl;
    bool m_synchronizing = false;
};
