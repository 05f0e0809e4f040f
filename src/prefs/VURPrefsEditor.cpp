#include "VURPrefsEditor.h"

#include "VUREditorSettings.h"
#include "VURLang.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

TVURPrefsEditorPane::TVURPrefsEditorPane(QWidget *parent)
    : TVURPrefsDetailPane(parent)
    , m_indentGroupBox(new QGroupBox(this))
    , m_autoIndentModeCheckBox(new QCheckBox(m_indentGroupBox))
    , m_smartTabsCheckBox(new QCheckBox(m_indentGroupBox))
{
    setObjectName(QStringLiteral("VURPrefsEditorPane"));
    SetHelpKeyword(QStringLiteral("PrefsEditor"));
    m_indentGroupBox->setObjectName(QStringLiteral("IndentGroupBox"));
    m_autoIndentModeCheckBox->setObjectName(QStringLiteral("AutoIndentModeCheckBox"));
    m_smartTabsCheckBox->setObjectName(QStringLiteral("SmartTabsCheckBox"));
    auto *group = new QVBoxLayout(m_indentGroupBox);
    group->addWidget(m_autoIndentModeCheckBox);
    group->addWidget(m_smartTabsCheckBox);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_indentGroupBox);
    layout->addStretch(1);
}

void TVURPrefsEditorPane::TranslateTexts()
{
    TVURPrefsDetailPane::TranslateTexts();
    m_indentGroupBox->setTitle(TranslateText(QStringLiteral("<PLK>Tabulatory/wcięcia<ENU>Tabs/indents")));
    m_autoIndentModeCheckBox->setText(TranslateText(QStringLiteral("<PLK>Tryb auto &wcinania<ENU>Auto &indent mode")));
    m_smartTabsCheckBox->setText(TranslateText(QStringLiteral("<PLK>&Sprytne tabulatory<ENU>S&mart tabs")));
    m_autoIndentModeCheckBox->setChecked(EditorSettings().autoIndentMode);
    m_smartTabsCheckBox->setChecked(EditorSettings().smartTabs);
}

void TVURPrefsEditorPane::ApplyPrefs()
{
    EditorSettings().autoIndentMode = m_autoIndentModeCheckBox->isChecked();
    EditorSettings().smartTabs = m_smartTabsCheckBox->isChecked();
}

QString TVURPrefsEditorPane::GetPaneTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Edytor<ENU>Editor"));
}
