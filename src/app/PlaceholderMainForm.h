#pragma once

#include "VURAppScriptForm.h"

// The main window until the article workbench's own arrives: the editing
// menus and toolbar over article windows, articles opened from the command
// line, a later start, drops and recent files, and the article settings.
class PlaceholderMainForm : public TVURAppScriptForm
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
