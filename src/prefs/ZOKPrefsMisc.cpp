#include "ZOKPrefsMisc.h"

#include "VURLang.h"
#include "ZOKChildEdit.h"

#include <QCheckBox>
#include <QVBoxLayout>

TZOKPrefsMiscForm::TZOKPrefsMiscForm(QWidget *parent)
    : TVURPrefsDetailPane(parent)
    , m_indentLabelsCheckBox(new QCheckBox(this))
{
    setObjectName(QStringLiteral("ZOKPrefsMiscForm"));
    m_indentLabelsCheckBox->setObjectName(QStringLiteral("IndentLabelsCheckBox"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_indentLabelsCheckBox);
    layout->addStretch(1);
}

void TZOKPrefsMiscForm::TranslateTexts()
{
    TVURPrefsDetailPane::TranslateTexts();
    m_indentLabelsCheckBox->setText(TranslateText(QStringLiteral("<PLK>&Wcinaj etykiety<ENU>&Indent labels")));
    m_indentLabelsCheckBox->setChecked(IndentLabels());
}

void TZOKPrefsMiscForm::ApplyPrefs()
{
    IndentLabels() = m_indentLabelsCheckBox->isChecked();
}

QString TZOKPrefsMiscForm::GetPaneTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Różne<ENU>Misc."));
}
