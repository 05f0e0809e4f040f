#pragma once

// A main window for document windows, recording what they ask of it.

#include "VURAppGUI.h"
#include "VURChildFile.h"
#include "VURStatus.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

class TestChildHost : public QWidget, public IVURChildHost, public IVURStatusHost
{
public:
    TestChildHost() : m_area(new QMdiArea(this)) { resize(800, 600); }

    void RegisterChild(TVURChildMDIForm *child) override
    {
        calls.append(QStringLiteral("RegisterChild"));
        children.append(child);
        QMdiSubWindow *sub = m_area->addSubWindow(child);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        if (child->OpenMaximized())
            sub->showMaximized();
        else
            sub->showNormal();
    }
    void UnregisterChild(TVURChildMDIForm *child) override
    {
        calls.append(QStringLiteral("UnregisterChild"));
        children.removeAll(child);
        if (auto *file = dynamic_cast<TVURChildFileForm *>(child); file && !file->GetUntitled())
            NoteRecentClosed(file->GetFileName());
    }
    void MergeChildActions(const QList<QAction *> &actions) override
    {
        calls.append(QStringLiteral("MergeChildActions"));
        merged = actions;
    }
    void UnmergeChildActions() override
    {
        calls.append(QStringLiteral("UnmergeChildActions"));
        merged.clear();
    }
    TVURChildMDIForm *FindChildByFileName(const QString &fileName) override
    {
        const QString wanted = QFileInfo(fileName).absoluteFilePath();
        for (TVURChildMDIForm *child : children) {
            auto *file = dynamic_cast<TVURChildFileForm *>(child);
            if (file && QFileInfo(file->GetFileName()).absoluteFilePath() == wanted)
                return child;
        }
        return nullptr;
    }
    void NoteRecentClosed(const QString &fileName) override { recent.append(QStringLiteral("closed ") + fileName); }
    void NoteRecentOpened(const QString &fileName) override { recent.append(QStringLiteral("opened ") + fileName); }
    int NextUntitledNumber() override { return ++m_untitled; }
    ActiveChildState ActiveChild() const override
    {
        QMdiSubWindow *active = m_area->activeSubWindow();
        if (!active)
            return ActiveChildState::None;
        return active->isMaximized() ? ActiveChildState::Maximized : ActiveChildState::Normal;
    }

    void ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool) override
    {
        statusText = text;
        statusColor = color;
        statusHeld = hold;
        ++statusMessages;
    }
    void ShowStatusInfo(const QString &text) override { statusInfo = text; }

    QMdiArea *Area() const { return m_area; }

    QString statusText = QStringLiteral("<none>");
    VURColors::TVURColor statusColor = 0;
    bool statusHeld = false;
    int statusMessages = 0;
    QString statusInfo;

    QStringList calls;
    QStringList recent;
    QList<TVURChildMDIForm *> children;
    QList<QAction *> merged;

private:
    QMdiArea *m_area;
    int m_untitled = 0;
};

// An application object whose main window is the test host, so that the
// status routines reach it.
class TestHostApp : public TVURAppGUI
{
public:
    TestHostApp(int &argc, char **argv, QWidget *mainWindow) : TVURAppGUI(argc, argv)
    {
        SetMainWindow(mainWindow);
        SetCurrentApp(this);
    }
    ~TestHostApp() override { SetCurrentApp(nullptr); }
    QString GetInfo(int) const override { return QString(); }
};
