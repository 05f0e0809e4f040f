#pragma once

#include "VURPane.h"

class QCheckBox;

// The "Misc." page: whether block indentation keeps labels in place.
class TZOKPrefsMiscForm : public TVURPrefsDetailPane
{
    Q_OBJECT

public:
    explicit TZOKPrefsMiscForm(QWidget *parent = nullptr);

    void TranslateTexts() override;
    void ApplyPrefs() override;
    QString GetPaneTitle() const override;

    QCheckBox *IndentLabelsCheckBox() const { return m_indentLabelsCheckBox; }

private:
    QCheckBox *m_indentLabelsCheckBox;
};
