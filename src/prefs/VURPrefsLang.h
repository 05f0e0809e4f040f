#pragma once

#include "VURPane.h"

class QGroupBox;
class QLabel;
class QListWidget;

// The language page: one line per supported language, the current one
// selected; OK makes the selected one the chosen language.
class TVURPrefsLangPane : public TVURPrefsDetailPane
{
    Q_OBJECT

public:
    explicit TVURPrefsLangPane(QWidget *parent = nullptr);

    void FormCreate() override;
    void TranslateTexts() override;
    void ApplyPrefs() override;
    QString GetPaneTitle() const override;
    void FillLanguageList();

    QListWidget *AppLangsListBox() const { return m_appLangsListBox; }


private:
    QGroupBox *m_appLangsGroupBox;
    QLabel *m_appLangsInfoLabel;
    QListWidget *m_appLangsListBox;
};
