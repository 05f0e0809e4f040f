#include "VURDialogInput.h"

#include "VURLang.h"
#include "VURStrings.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TVURDialogInputForm::TVURDialogInputForm(QWidget *owner, const QString &title, const QString &label,
                                         const QString &text, bool allowEmpty)
    : TVURDialogForm(owner)
    , m_title(title)
    , m_label(label)
    , m_inputLabel(new QLabel(MainPanel()))
    , m_inputEdit(new QLineEdit(MainPanel()))
    , m_allowEmpty(allowEmpty)
{
    setObjectName(QStringLiteral("VURDialogInputForm"));
    m_inputLabel->setObjectName(QStringLiteral("InputLabel"));
    m_inputEdit->setObjectName(QStringLiteral("InputEdit"));
    m_inputLabel->setBuddy(m_inputEdit);
    auto *layout = static_cast<QVBoxLayout *>(MainPanel()->layout());
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(m_inputLabel);
    layout->addWidget(m_inputEdit);
    m_inputEdit->setText(text);
    connect(m_inputEdit, &QLineEdit::textChanged, this, &TVURDialogInputForm::AcceptActionUpdate);
    m_inputEdit->setFocus();
}

void TVURDialogInputForm::FormCreate()
{
    TVURDialogForm::FormCreate();
    adjustSize();
    setFixedHeight(sizeHint().height());
    AcceptActionUpdate();
}

void TVURDialogInputForm::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(m_title));
    m_inputLabel->setText(TranslateText(m_label));
}

void TVURDialogInputForm::AcceptActionUpdate()
{
    AcceptAction()->setEnabled(m_allowEmpty || !VURStrings::TrimControls(m_inputEdit->text()).isEmpty());
}

QString TVURDialogInputForm::Text() const
{
    return m_inputEdit->text();
}
