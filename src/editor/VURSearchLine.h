#pragma once

#include "VURDialogInput.h"

// Go to line: a line number between two limits; OK keeps the dialog open
// while the number is not one or lies outside them.
class TVURSearchLineForm : public TVURDialogInputForm
{
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 293;

    TVURSearchLineForm(QWidget *owner, int lowest, int highest);

    void TranslateTexts() override;
    void AcceptActionExecute() override;

    // The typed number, the lowest when it is not one, clamped to the limits.
    int ChosenLine() const;
    // An optional sign and decimal digits; false for anything else.
    static bool ReadLineNumber(const QString &text, int *number);

private:
    int m_lowest;
    int m_highest;
};
