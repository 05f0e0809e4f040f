#pragma once

#include "VURSettingsHost.h"

#include <QMainWindow>

// The main window until the workbench's own arrives: the caption, the
// settings read at creation and written at destruction, nothing else.
class PlaceholderMainForm : public QMainWindow, public TVURSettingsHost
{
    Q_OBJECT

public:
    explicit PlaceholderMainForm(QWidget *parent = nullptr);
    ~PlaceholderMainForm() override;

    void TranslateTexts();

private:
    class QLabel *m_label;
};
