#pragma once

#include "VURDialog.h"

class QLabel;
class QLineEdit;

// A one-line input: a label above a text box.
class TVURDialogInputForm : public TVURDialogForm
{
    Q_OBJECT

public:
    TVURDialogInputForm(QWidget *owner, const QString &title, const QString &label, const QString &text,
                        bool allowEmpty);

    void FormCreate() override;
    void TranslateTexts() override;
    void AcceptActionUpdate();

    QString Text() const;
    QLabel *InputLabel() const { return m_inputLabel; }
    QLineEdit *InputEdit() const { return m_inputEdit; }

protected:
    // The texts as given, which may be bilingual.
    QString m_title;
    QString m_label;

private:
    QLabel *m_inputLabel;
    QLineEdit *m_inputEdit;
    bool m_allowEmpty;
};
