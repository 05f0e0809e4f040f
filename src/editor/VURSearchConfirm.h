#pragma once

#include "VURDialog.h"

class QLabel;

// Asks before one replacement: Yes, No, All or Cancel. Placed by the search
// near the match, not centred.
class TVURSearchConfirmForm : public TVURDialogForm
{
    Q_OBJECT

public:
    enum { mrNo = 7, mrAll = 8 };
    static constexpr int kMinimumWidth = 453;

    explicit TVURSearchConfirmForm(QWidget *owner = nullptr);

    void FormCreate() override;
    void TranslateTexts() override;
    void SetSearchText(const QString &text);

    QLabel *ConfirmImage() const { return m_confirmImage; }
    QLabel *ConfirmLabel() const { return m_confirmLabel; }
    QPushButton *NoButton() const { return m_noButton; }
    QPushButton *AllButton() const { return m_allButton; }

private:
    QLabel *m_confirmImage;
    QLabel *m_confirmLabel;
    QPushButton *m_noButton;
    QPushButton *m_allButton;
    QString m_searchText;
};
