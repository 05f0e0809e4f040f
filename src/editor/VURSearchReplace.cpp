#include "VURSearchReplace.h"

#include "VURLang.h"
#include "VURSearchState.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TVURSearchReplaceForm::TVURSearchReplaceForm(QWidget *owner)
    : TVURSearchFindForm(owner)
    , m_replaceLabel(new QLabel(MainPanel()))
    , m_replaceComboBox(nullptr)
    , m_promptCheckBox(new QCheckBox)
    , m_replaceAllAction(new QAction(this))
    , m_replaceAllButton(CreateDialogButton("ReplaceAllButton", ButtonPanel()))
{
    setObjectName(QStringLiteral("VURSearchReplaceForm"));
    SetHelpKeyword(QStringLiteral("SearchReplace"));
    m_replaceLabel->setObjectName(QStringLiteral("ReplaceLabel"));
    m_replaceComboBox = AddTextRow(m_replaceLabel, "ReplaceComboBox");
    m_promptCheckBox->setObjectName(QStringLiteral("PromptCheckBox"));
    AddOption(m_promptCheckBox);
    setTabOrder(FindComboBox(), m_replaceComboBox);

    m_replaceAllAction->setObjectName(QStringLiteral("ReplaceAllAction"));
    const int acceptIndex = ButtonLayout()->indexOf(AcceptButton());
    ButtonLayout()->insertWidget(acceptIndex + 1, m_replaceAllButton);
    ButtonLayout()->insertSpacing(acceptIndex + 1, 5);
    BindButtonToAction(m_replaceAllButton, m_replaceAllAction);
    setTabOrder(AcceptButton(), m_replaceAllButton);
    setTabOrder(m_replaceAllButton, CancelButton());
    connect(m_replaceAllAction, &QAction::triggered, this, &TVURSearchReplaceForm::ReplaceAllActionExecute);
    // Enabled with OK: both need a search text.
    connect(AcceptAction(), &QAction::changed, this,
            [this] { m_replaceAllAction->setEnabled(AcceptAction()->isEnabled()); });
}

void TVURSearchReplaceForm::TranslateTexts()
{
    TVURSearchFindForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Znajdź i zamień<ENU>Find and replace")));
    m_replaceLabel->setText(TranslateText(QStringLiteral("<PLK>Za&mień<ENU>&Replace with")));
    m_promptCheckBox->setText(TranslateText(QStringLiteral("<PLK>&Potwierdzaj zamianę<ENU>&Prompt on replace")));
    m_replaceAllAction->setText(TranslateText(QStringLiteral("<PLK>&Wszystkie<ENU>&All")));
}

void TVURSearchReplaceForm::LoadState(const TVURSearchState &state)
{
    TVURSearchFindForm::LoadState(state);
    FillHistoryBox(m_replaceComboBox, state.replaceHistory, state.replaceText);
    m_promptCheckBox->setChecked(state.promptOnReplace);
    m_replaceAll = false;
}

void TVURSearchReplaceForm::StoreState(TVURSearchState &state) const
{
    TVURSearchFindForm::StoreState(state);
    state.replaceText = m_replaceComboBox->currentText();
    AddToHistory(state.replaceHistory, state.replaceText);
    state.promptOnReplace = m_promptCheckBox->isChecked();
    state.replaceAll = m_replaceAll;
}

void TVURSearchReplaceForm::ReplaceAllActionExecute()
{
    m_replaceAll = true;
    done(mrOk);
}
