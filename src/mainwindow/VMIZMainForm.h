#pragma once

#include "ZOKMainForm.h"

// The program's main window: the workbench with the detectors in the Mizar
// menu, the syntax help's texts and the "Detectors" settings.
class TVMIZMainForm : public TZOKMainForm
{
    Q_OBJECT

public:
    explicit TVMIZMainForm(QWidget *parent = nullptr);
    ~TVMIZMainForm() override;

    void FormCreate() override;
    void TranslateTexts() override;
    void LoadSettings(IVURSettings &reader) override;
    void SaveSettings(IVURSettings &writer) override;
};
