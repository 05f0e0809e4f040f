#include "VURSearchIncremental.h"

#include "VURLang.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

TVURSearchIncrementalForm::TVURSearchIncrementalForm(QWidget *owner)
    : TVURDialogForm(owner)
    , m_findLabel(new QLabel(MainPanel()))
    , m_findEdit(new QLineEdit(MainPanel()))
{
    setObjectName(QStringLiteral("VURSearchIncrementalForm"));
    SetHelpKeyword(QStringLiteral("SearchIncremental"));
    KeepPlacement();
    m_findLabel->setObjectName(QStringLiteral("FindLabel"));
    m_findEdit->setObjectName(QStringLiteral("FindEdit"));
    m_findLabel->setBuddy(m_findEdit);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(8);
    row->addWidget(m_findLabel);
    row->addWidget(m_findEdit, 1);
    static_cast<QBoxLayout *>(MainPanel()->layout())->addLayout(row);
    connect(m_findEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_step)
            m_step(text);
    });
    setMinimumWidth(kMinimumWidth);
    m_findEdit->setFocus();
}

void TVURSearchIncrementalForm::FormCreate()
{
    TVURDialogForm::FormCreate();
    adjustSize();
    setFixedHeight(sizeHint().height());
}

void TVURSearchIncrementalForm::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Znajdź<ENU>Find")));
    m_findLabel->setText(TranslateText(QStringLiteral("<PLK>&Tekst<ENU>&Text")));
}
