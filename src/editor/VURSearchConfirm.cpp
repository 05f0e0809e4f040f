#include "VURSearchConfirm.h"

#include "VURKernel.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TVURSearchConfirmForm::TVURSearchConfirmForm(QWidget *owner)
    : TVURDialogForm(owner)
    , m_confirmImage(new QLabel(MainPanel()))
    , m_confirmLabel(new QLabel(MainPanel()))
    , m_noButton(CreateDialogButton("NoButton", ButtonPanel()))
    , m_allButton(CreateDialogButton("AllButton", ButtonPanel()))
{
    setObjectName(QStringLiteral("VURSearchConfirmForm"));
    SetHelpKeyword(QStringLiteral("SearchConfirm"));
    KeepPlacement();
    m_confirmImage->setObjectName(QStringLiteral("ConfirmImage"));
    m_confirmLabel->setObjectName(QStringLiteral("ConfirmLabel"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_confirmImage->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(iconSize));
    m_confirmImage->setAlignment(Qt::AlignTop);
    // The search text is shown as typed: no mnemonics, no markup.
    m_confirmLabel->setTextFormat(Qt::PlainText);
    m_confirmLabel->setWordWrap(false);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);
    row->addWidget(m_confirmImage);
    row->addWidget(m_confirmLabel, 1);
    static_cast<QBoxLayout *>(MainPanel()->layout())->addLayout(row);

    const int acceptIndex = ButtonLayout()->indexOf(AcceptButton());
    ButtonLayout()->insertWidget(acceptIndex + 1, m_allButton);
    ButtonLayout()->insertSpacing(acceptIndex + 1, 5);
    ButtonLayout()->insertWidget(acceptIndex + 1, m_noButton);
    ButtonLayout()->insertSpacing(acceptIndex + 1, 5);
    setTabOrder(AcceptButton(), m_noButton);
    setTabOrder(m_noButton, m_allButton);
    setTabOrder(m_allButton, CancelButton());
    connect(m_noButton, &QPushButton::clicked, this, [this] { done(mrNo); });
    connect(m_allButton, &QPushButton::clicked, this, [this] { done(mrAll); });
    setMinimumWidth(kMinimumWidth);
}

void TVURSearchConfirmForm::FormCreate()
{
    TVURDialogForm::FormCreate();
    adjustSize();
    setFixedHeight(sizeHint().height());
}

void TVURSearchConfirmForm::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Potwierdź<ENU>Confirm")));
    AcceptAction()->setText(TranslateText(QStringLiteral("<PLK>&Tak<ENU>&Yes")));
    m_noButton->setText(TranslateText(QStringLiteral("<PLK>&Nie<ENU>&No")));
    m_allButton->setText(TranslateText(QStringLiteral("<PLK>&Wszystkie<ENU>&All")));
    m_confirmLabel->setText(DisplayText(FormatArgumentsFromRight(
        TranslateText(QStringLiteral("<PLK>Zamienić to wystąpienie tekstu\\n\"%s\"?<ENU>Replace this occurrence "
                                     "of\\n\"%s\"?")),
        {m_searchText})));
}

void TVURSearchConfirmForm::SetSearchText(const QString &text)
{
    m_searchText = text;
    TranslateTexts();
}
