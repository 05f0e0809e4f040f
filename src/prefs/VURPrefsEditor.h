#pragma once

#include "VURPane.h"

class QCheckBox;
class QGroupBox;

// The editing page: auto indent and smart tabs.
class TVURPrefsEditorPane : public TVURPrefsDetailPane
{
    Q_OBJECT

public:
    explicit TVURPrefsEditorPane(QWidget *parent = nullptr);

    void TranslateTexts() override;
    void ApplyPrefs() override;
    QString GetPaneTitle() const override;

    QCheckBox *AutoIndentModeCheckBox() const { return m_autoIndentModeCheckBox; }
    QCheckBox *SmartTabsCheckBox() const { return m_smartTabsCheckBox; }

private:
    QGroupBox *m_indentGroupBox;
    QCheckBox *m_autoIndentModeCheckBox;
    QCheckBox *m_smartTabsCheckBox;
};
