#pragma once

#include "VURForm.h"
#include "VURSettingsHost.h"
#include "VURStatus.h"

#include <QMainWindow>

class QLabel;
class TVURStatusbarPane;

// The main window until the workbench's own arrives: the caption, the
// status bar, the settings read at creation and written at destruction.
class PlaceholderMainForm : public QMainWindow,
                            public TVURWindowForm,
                            public TVURSettingsHost,
                            public IVURStatusHost
{
    Q_OBJECT

public:
    explicit PlaceholderMainForm(QWidget *parent = nullptr);
    ~PlaceholderMainForm() override;

    // The main window reads its settings before its texts are set.
    void FormCreate() override;
    void TranslateTexts() override;
    void LanguageChanged() override;

    void LoadSettings(IVURSettings &reader) override;
    void SaveSettings(IVURSettings &writer) override;

    void ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority) override;
    void ShowStatusInfo(const QString &text) override;

    TVURStatusbarPane *StatusbarPane() const { return m_statusbar; }

private:
    QLabel *m_label;
    TVURStatusbarPane *m_statusbar;
};
