#pragma once

#include "VURDialog.h"

#include <functional>

class QLabel;
class QLineEdit;

// The incremental search: every change of the text runs one search step.
// Placed by its editor window, not centred.
class TVURSearchIncrementalForm : public TVURDialogForm
{
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 293;
    using Step = std::function<void(const QString &text)>;

    explicit TVURSearchIncrementalForm(QWidget *owner = nullptr);

    void FormCreate() override;
    void TranslateTexts() override;
    void SetStep(const Step &step) { m_step = step; }

    QLabel *FindLabel() const { return m_findLabel; }
    QLineEdit *FindEdit() const { return m_findEdit; }

private:
    QLabel *m_findLabel;
    QLineEdit *m_findEdit;
    Step m_step;
};
