#include "VURPrefsSynEditColors.h"

#include "VURControls.h"
#include "VUREditorSettings.h"
#include "VURLang.h"
#include "VURPrefsExample.h"
#include "VURSynEdit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <Qsci/qsciscintilla.h>
#include <QVBoxLayout>

namespace {

// Attribute name without blanks = bilingual display name.
const char *const kDisplayNames[] = {
    "Comment=<PLK>Komentarze<ENU>Comments",
    "Error=<PLK>Błędy<ENU>Errors",
    "Identifier=<PLK>Identyfikatory<ENU>Identifiers",
    "Number=<PLK>Liczby<ENU>Numbers",
    "Preprocessor=<PLK>Dyrektywy<ENU>Directives",
    "ReservedWord=<PLK>Słowa zastrzeżone<ENU>Reserved words",
    "Space=<PLK>Spacje<ENU>Spaces",
    "String=<PLK>Teksty<ENU>Strings",
    "Symbol=<PLK>Symbole<ENU>Symbols",
};

} // namespace

QString TVURPrefsSynEditColorsPane::AttributeDisplayName(const QString &attributeName)
{
    const QString key = QString(attributeName).remove(QLatin1Char(' '));
    for (const char *row : kDisplayNames) {
        const QString entry = QString::fromUtf8(row);
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (entry.left(equals) == key)
            return TranslateText(entry.mid(equals + 1));
    }
    return QString();
}

TVURPrefsSynEditColorsPane::TVURPrefsSynEditColorsPane(QWidget *parent)
    : TVURPrefsDetailPane(parent)
    , m_colorsLabel(new QLabel(this))
    , m_colorsListBox(new QListWidget(this))
    , m_foregroundLabel(new QLabel(this))
    , m_foregroundColorBox(new TVURColorBox(this))
    , m_backgroundLabel(new QLabel(this))
    , m_backgroundColorBox(new TVURColorBox(this))
    , m_boldCheckBox(new QCheckBox(this))
    , m_italicCheckBox(new QCheckBox(this))
    , m_underlineCheckBox(new QCheckBox(this))
    , m_exampleLabel(new QLabel(this))
    , m_example(new TVURPrefsExample(this))
{
    setObjectName(QStringLiteral("VURPrefsSynEditColorsPane"));
    SetHelpKeyword(QStringLiteral("PrefsColors"));
    const std::pair<QWidget *, const char *> names[] = {
        {m_colorsLabel, "ColorsLabel"},         {m_colorsListBox, "ColorsListBox"},
        {m_foregroundLabel, "ForegroundLabel"}, {m_foregroundColorBox, "ForegroundColorBox"},
        {m_backgroundLabel, "BackgroundLabel"}, {m_backgroundColorBox, "BackgroundColorBox"},
        {m_boldCheckBox, "BoldCheckBox"},       {m_italicCheckBox, "ItalicCheckBox"},
        {m_underlineCheckBox, "UnderlineCheckBox"}, {m_exampleLabel, "ExampleLabel"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    m_colorsLabel->setBuddy(m_colorsListBox);
    m_foregroundLabel->setBuddy(m_foregroundColorBox);
    m_backgroundLabel->setBuddy(m_backgroundColorBox);
    m_exampleLabel->setBuddy(m_example->ExampleSynEdit());
    m_colorsListBox->setMinimumWidth(150);

    auto *left = new QVBoxLayout;
    left->addWidget(m_colorsLabel);
    left->addWidget(m_colorsListBox, 1);
    left->addWidget(m_foregroundLabel);
    left->addWidget(m_foregroundColorBox);
    left->addWidget(m_backgroundLabel);
    left->addWidget(m_backgroundColorBox);
    left->addWidget(m_boldCheckBox);
    left->addWidget(m_italicCheckBox);
    left->addWidget(m_underlineCheckBox);
    auto *right = new QVBoxLayout;
    right->addWidget(m_exampleLabel);
    right->addWidget(m_example, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(m_colorsListBox, &QListWidget::currentRowChanged, this, &TVURPrefsSynEditColorsPane::ShowSelectedAttribute);
    for (TVURColorBox *box : {m_foregroundColorBox, m_backgroundColorBox})
        connect(box, &TVURColorBox::ColorChanged, this, &TVURPrefsSynEditColorsPane::AttributeControlChanged);
    for (QCheckBox *box : {m_boldCheckBox, m_italicCheckBox, m_underlineCheckBox})
        connect(box, &QCheckBox::clicked, this, &TVURPrefsSynEditColorsPane::AttributeControlChanged);
}

void TVURPrefsSynEditColorsPane::FormCreate()
{
    TVURPrefsDetailPane::FormCreate();
    // The saved settings, not those being edited, with colours regardless.
    m_example->Apply(EditorSettings(), m_highlighter, EditorSettings().visibleMargin);
}

void TVURPrefsSynEditColorsPane::TranslateTexts()
{
    TVURPrefsDetailPane::TranslateTexts();
    m_colorsLabel->setText(TranslateText(QStringLiteral("<PLK>K&olory<ENU>&Colors")));
    m_foregroundLabel->setText(TranslateText(QStringLiteral("<PLK>C&zcionka<ENU>&Foreground")));
    m_backgroundLabel->setText(TranslateText(QStringLiteral("<PLK>&Tło<ENU>&Background")));
    m_boldCheckBox->setText(TranslateText(QStringLiteral("<PLK>Pog&rubione<ENU>B&old")));
    m_italicCheckBox->setText(TranslateText(QStringLiteral("<PLK>Poc&hyłe<ENU>&Italic")));
    m_underlineCheckBox->setText(TranslateText(QStringLiteral("<PLK>Po&dkreślone<ENU>&Underline")));
    m_exampleLabel->setText(TranslateText(QStringLiteral("<PLK>&Przykład<ENU>&Example")));
    TranslateColorBox(m_foregroundColorBox);
    TranslateColorBox(m_backgroundColorBox);
    for (int i = 0; m_highlighter && i < m_colorsListBox->count(); ++i) {
        if (TSynHighlighterAttributes *attribute = m_highlighter->Attribute(i))
            m_colorsListBox->item(i)->setText(AttributeDisplayName(attribute->Name()));
    }
}

QString TVURPrefsSynEditColorsPane::GetPaneTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Kolory<ENU>Colors"));
}

void TVURPrefsSynEditColorsPane::SetHighlighter(TVURHighlighter *highlighter)
{
    m_highlighter = highlighter;
    m_example->SetBarHighlighter(highlighter);
    m_example->SetSample(highlighter ? ExpandSample(highlighter->GetSampleText(), EditorSettings().tabWidth) : QString());
    m_example->Apply(EditorSettings(), highlighter, EditorSettings().visibleMargin);
    m_colorsListBox->clear();
    for (int i = 0; highlighter && i < highlighter->AttrCount(); ++i)
        m_colorsListBox->addItem(AttributeDisplayName(highlighter->Attribute(i)->Name()));
    if (m_colorsListBox->count() > 0)
        m_colorsListBox->setCurrentRow(0);
}

TSynHighlighterAttributes *TVURPrefsSynEditColorsPane::SelectedAttribute() const
{
    const int row = m_colorsListBox->currentRow();
    return m_highlighter && row >= 0 ? m_highlighter->Attribute(row) : nullptr;
}

void TVURPrefsSynEditColorsPane::ShowSelectedAttribute()
{
    TSynHighlighterAttributes *attribute = SelectedAttribute();
    if (!attribute)
        return;
    m_showing = true;
    m_foregroundColorBox->SetSelected(attribute->Foreground());
    m_backgroundColorBox->SetSelected(attribute->Background());
    m_boldCheckBox->setChecked(attribute->FontStyle().testFlag(TSynHighlighterAttributes::Bold));
    m_italicCheckBox->setChecked(attribute->FontStyle().testFlag(TSynHighlighterAttributes::Italic));
    m_underlineCheckBox->setChecked(attribute->FontStyle().testFlag(TSynHighlighterAttributes::Underline));
    m_showing = false;
}

void TVURPrefsSynEditColorsPane::AttributeControlChanged()
{
    TSynHighlighterAttributes *attribute = SelectedAttribute();
    if (!attribute || m_showing)
        return;
    attribute->SetForeground(m_foregroundColorBox->Selected());
    attribute->SetBackground(m_backgroundColorBox->Selected());
    TSynHighlighterAttributes::Style style;
    if (m_boldCheckBox->isChecked())
        style |= TSynHighlighterAttributes::Bold;
    if (m_italicCheckBox->isChecked())
        style |= TSynHighlighterAttributes::Italic;
    if (m_underlineCheckBox->isChecked())
        style |= TSynHighlighterAttributes::Underline;
    attribute->SetFontStyle(style);
}
