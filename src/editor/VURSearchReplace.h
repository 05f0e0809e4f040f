#pragma once

#include "VURSearchFind.h"

// The replace dialog: the find dialog with the replacement, the prompt
// option and "All", which replaces every match.
class TVURSearchReplaceForm : public TVURSearchFindForm
{
    Q_OBJECT

public:
    explicit TVURSearchReplaceForm(QWidget *owner = nullptr);

    void TranslateTexts() override;
    void LoadState(const TVURSearchState &state) override;
    void StoreState(TVURSearchState &state) const override;

    void ReplaceAllActionExecute();

    QLabel *ReplaceLabel() const { return m_replaceLabel; }
    QComboBox *ReplaceComboBox() const { return m_replaceComboBox; }
    QCheckBox *PromptCheckBox() const { return m_promptCheckBox; }
    QAction *ReplaceAllAction() const { return m_replaceAllAction; }
    QPushButton *ReplaceAllButton() const { return m_replaceAllButton; }

private:
    QLabel *m_replaceLabel;
    QComboBox *m_replaceComboBox;
    QCheckBox *m_promptCheckBox;
    QAction *m_replaceAllAction;
    QPushButton *m_replaceAllButton;
    bool m_replaceAll = false;
};
