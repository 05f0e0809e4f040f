#pragma once

// A main window with document windows, as the workbench layer makes it,
// for the tests of the window management.

#include "VURAppGUI.h"
#include "VURAppMDIForm.h"
#include "VURAppScriptForm.h"
#include "VURChildEditSyn.h"

#include "EventLoop.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

class MdiIdentityApp : public TVURAppGUI
{
public:
    MdiIdentityApp(int &argc, char **argv) : TVURAppGUI(argc, argv) { SetCurrentApp(this); }
    ~MdiIdentityApp() override { SetCurrentApp(nullptr); }
    QString GetInfo(int kind) const override { return kind == 1 ? QStringLiteral("Quill::MIZ") : QString(); }
};

// Opens files in editor windows, as the workbench layer will.
template<class Base>
class MdiTestFormOf : public Base
{
public:
    void OpenFileInNewWindow(const QString &fileName) override
    {
        if (!QFileInfo::exists(fileName))
            return;
        opened.append(fileName);
        auto *editor = NewForm<TVURChildEditSynForm>(static_cast<QWidget *>(this));
        editor->OpenFile(fileName);
    }
    // Writes the file when it is missing, opens it as a user would and
    // returns the window that is active then.
    TVURChildEditSynForm *OpenArticle(const QString &path)
    {
        QFile file(path);
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.write("begin\n");
        file.close();
        bool stop = false;
        this->OpenOrActivateFile(path, stop);
        RunEventLoopFor(20);
        return qobject_cast<TVURChildEditSynForm *>(this->ActiveChildForm());
    }

    QStringList opened;
};

using MdiTestForm = MdiTestFormOf<TVURAppMDIForm>;
