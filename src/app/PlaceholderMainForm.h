#pragma once

#include "VURAppMDIForm.h"

// The main window until the workbench's menus and toolbar arrive: the
// document windows with their tabs and Window menu, articles opened from
// the command line, a later start, drops and recent files, and the
// settings of the article windows.
class PlaceholderMainForm : public TVURAppMDIForm
{
    Q_OBJECT

public:
    explicit PlaceholderMainForm(QWidget *parent = nullptr);
    ~PlaceholderMainForm() override;

    // The colours read with the settings belong to the shared highlighter.
    void FormCreate() override;
    void OpenFileInNewWindow(const QString &fileName) override;

    void LoadSettings(IVURSettings &reader) override;
    void SaveSettings(IVURSettings &writer) override;
};
