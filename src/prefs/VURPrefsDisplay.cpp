#include "VURPrefsDisplay.h"

#include "VUREditorSettings.h"
#include "VURLang.h"
#include "VURPrefsExample.h"
#include "VURPrefsSynEditColors.h"
#include "VURSynEdit.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <Qsci/qsciscintilla.h>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

std::optional<int> Number(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QToolButton *ArrowButton(Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

TVURUpDown::TVURUpDown(QLineEdit *associate, int minimum, int maximum, QWidget *parent)
    : QWidget(parent)
    , m_associate(associate)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_position(minimum)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton *up = ArrowButton(Qt::UpArrow, this);
    QToolButton *down = ArrowButton(Qt::DownArrow, this);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] {
        SetPosition(m_position + 1);
        Q_EMIT Stepped();
    });
    connect(down, &QToolButton::clicked, this, [this] {
        SetPosition(m_position - 1);
        Q_EMIT Stepped();
    });
    connect(m_associate, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (const std::optional<int> typed = Number(text))
            m_position = std::clamp(*typed, m_minimum, m_maximum);
    });
}

void TVURUpDown::SetPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
    m_associate->setText(QString::number(m_position));
}

int TVURUpDown::Value() const
{
    return Number(m_associate->text()).value_or(m_position);
}

TVURPrefsDisplayPane::TVURPrefsDisplayPane(QWidget *parent)
    : TVURPrefsDetailPane(parent)
    , m_tabWidthLabel(new QLabel(this))
    , m_tabWidthEdit(new QLineEdit(this))
    , m_tabWidthUpDown(new TVURUpDown(m_tabWidthEdit, 1, 10, this))
    , m_syntaxHighlightingCheckBox(new QCheckBox(this))
    , m_fontButton(new QPushButton(this))
    , m_visibleGutterCheckBox(new QCheckBox(this))
    , m_visibleLineNumbersCheckBox(new QCheckBox(this))
    , m_gutterWidthLabel(new QLabel(this))
    , m_gutterWidthEdit(new QLineEdit(this))
    , m_gutterWidthUpDown(new TVURUpDown(m_gutterWidthEdit, 0, 100, this))
    , m_visibleMarginCheckBox(new QCheckBox(this))
    , m_exampleLabel(new QLabel(this))
    , m_example(new TVURPrefsExample(this))
{
    setObjectName(QStringLiteral("VURPrefsDisplayPane"));
    SetHelpKeyword(QStringLiteral("PrefsDisplay"));
    const std::pair<QWidget *, const char *> names[] = {
        {m_tabWidthLabel, "TabWidthLabel"},
        {m_tabWidthEdit, "TabWidthEdit"},
        {m_tabWidthUpDown, "TabWidthUpDown"},
        {m_syntaxHighlightingCheckBox, "SyntaxHighlightingCheckBox"},
        {m_fontButton, "FontButton"},
        {m_visibleGutterCheckBox, "VisibleGutterCheckBox"},
        {m_visibleLineNumbersCheckBox, "VisibleLineNumbersCheckBox"},
        {m_gutterWidthLabel, "GutterWidthLabel"},
        {m_gutterWidthEdit, "GutterWidthEdit"},
        {m_gutterWidthUpDown, "GutterWidthUpDown"},
        {m_visibleMarginCheckBox, "VisibleMarginCheckBox"},
        {m_exampleLabel, "ExampleLabel"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    m_tabWidthLabel->setBuddy(m_tabWidthEdit);
    m_gutterWidthLabel->setBuddy(m_gutterWidthEdit);
    m_exampleLabel->setBuddy(m_example->ExampleSynEdit());
    for (QLineEdit *edit : {m_tabWidthEdit, m_gutterWidthEdit}) {
        edit->setValidator(new QIntValidator(0, 9999, edit));
        edit->setFixedWidth(48);
    }
    m_fontButton->setMinimumSize(75, 25);

    const auto numberRow = [this](QLineEdit *edit, TVURUpDown *upDown) {
        auto *row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(edit);
        row->addWidget(upDown);
        row->addStretch(1);
        return row;
    };
    auto *left = new QVBoxLayout;
    left->addWidget(m_tabWidthLabel);
    left->addLayout(numberRow(m_tabWidthEdit, m_tabWidthUpDown));
    left->addWidget(m_syntaxHighlightingCheckBox);
    left->addWidget(m_fontButton, 0, Qt::AlignLeft);
    left->addWidget(m_visibleGutterCheckBox);
    left->addWidget(m_visibleLineNumbersCheckBox);
    left->addWidget(m_gutterWidthLabel);
    left->addLayout(numberRow(m_gutterWidthEdit, m_gutterWidthUpDown));
    left->addWidget(m_visibleMarginCheckBox);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_exampleLabel);
    right->addWidget(m_example, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    for (QCheckBox *box : {m_syntaxHighlightingCheckBox, m_visibleGutterCheckBox, m_visibleLineNumbersCheckBox,
                           m_visibleMarginCheckBox})
        connect(box, &QCheckBox::toggled, this, [this] {
            UpdateEnabling();
            Preview();
        });
    for (QLineEdit *edit : {m_tabWidthEdit, m_gutterWidthEdit})
        connect(edit, &QLineEdit::textChanged, this, &TVURPrefsDisplayPane::Preview);
    connect(m_fontButton, &QPushButton::clicked, this, &TVURPrefsDisplayPane::FontButtonClick);
}

void TVURPrefsDisplayPane::TranslateTexts()
{
    TVURPrefsDetailPane::TranslateTexts();
    m_tabWidthLabel->setText(TranslateText(QStringLiteral("<PLK>&Rozmiar wcięcia<ENU>&Indent size")));
    m_syntaxHighlightingCheckBox->setText(TranslateText(QStringLiteral("<PLK>Podświetlanie sy&ntaktyczne<ENU>Synta&x highlighting")));
    m_fontButton->setText(TranslateText(QStringLiteral("<PLK>Czc&ionka<ENU>F&ont")));
    m_visibleGutterCheckBox->setText(TranslateText(QStringLiteral("<PLK>Widoczny &lewy margines<ENU>&Visible gutter")));
    m_visibleLineNumbersCheckBox->setText(TranslateText(QStringLiteral("<PLK>Widoczne n&umery linii<ENU>Visible &line numbers")));
    m_gutterWidthLabel->setText(TranslateText(QStringLiteral("<PLK>Sz&erokość lewego marginesu<ENU>&Gutter width")));
    m_visibleMarginCheckBox->setText(TranslateText(QStringLiteral("<PLK>Widoczny prawy &margines<ENU>Visible &margin")));
    m_exampleLabel->setText(TranslateText(QStringLiteral("<PLK>&Przykład<ENU>&Example")));

    const TVUREditorSettings &settings = EditorSettings();
    m_loading = true;
    m_tabWidthUpDown->SetPosition(settings.tabWidth);
    m_tabWidthEdit->setText(QString::number(settings.tabWidth));
    m_gutterWidthUpDown->SetPosition(settings.gutterWidth);
    m_gutterWidthEdit->setText(QString::number(settings.gutterWidth));
    m_syntaxHighlightingCheckBox->setChecked(settings.syntaxHighlighting);
    m_visibleGutterCheckBox->setChecked(settings.visibleGutter);
    m_visibleLineNumbersCheckBox->setChecked(settings.visibleLineNumbers);
    m_visibleMarginCheckBox->setChecked(settings.visibleMargin);
    m_fontName = settings.editorFontName;
    m_fontSize = settings.editorFontSize;
    m_loading = false;
    UpdateEnabling();
    Preview();
}

QString TVURPrefsDisplayPane::GetPaneTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Wyświetlanie<ENU>Display"));
}

void TVURPrefsDisplayPane::SetHighlighter(TVURHighlighter *highlighter)
{
    m_highlighter = highlighter;
    m_example->SetBarHighlighter(highlighter);
    // The example shows the sample from the start, not from the first change.
    Preview();
}

void TVURPrefsDisplayPane::SetColorsPane(TVURPrefsSynEditColorsPane *colors)
{
    m_colorsPane = colors;
}

void TVURPrefsDisplayPane::UpdateEnabling()
{
    const bool gutter = m_visibleGutterCheckBox->isChecked();
    m_visibleLineNumbersCheckBox->setEnabled(gutter);
    const bool width = gutter && !m_visibleLineNumbersCheckBox->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{m_gutterWidthLabel, m_gutterWidthEdit, m_gutterWidthUpDown})
        control->setEnabled(width);
}

void TVURPrefsDisplayPane::Preview()
{
    if (m_loading)
        return;
    const int indent = Number(m_tabWidthEdit->text()).value_or(0);
    TVUREditorSettings shown = EditorSettings();
    shown.editorFontName = m_fontName;
    shown.editorFontSize = m_fontSize;
    shown.visibleLineNumbers = m_visibleLineNumbersCheckBox->isChecked();
    shown.gutterWidth = m_gutterWidthUpDown->Value();
    shown.visibleGutter = m_visibleGutterCheckBox->isChecked();
    shown.tabWidth = m_tabWidthUpDown->Value();
    TVURHighlighter *highlighter = m_syntaxHighlightingCheckBox->isChecked() ? m_highlighter : nullptr;
    const bool bar = m_visibleMarginCheckBox->isChecked();
    QString sample;
    if (m_highlighter) {
        sample = ExpandSample(m_highlighter->GetSampleText(), indent);
        m_example->SetSample(sample);
    }
    m_example->Apply(shown, highlighter, bar);
    if (m_colorsPane) {
        m_colorsPane->Example()->Apply(shown, highlighter, bar);
        if (m_highlighter)
            m_colorsPane->Example()->SetSample(sample);
    }
}

void TVURPrefsDisplayPane::SetWorkingFont(const QString &name, int size)
{
    m_fontName = name;
    m_fontSize = size;
    Preview();
}

void TVURPrefsDisplayPane::FontButtonClick()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, QFont(m_fontName, m_fontSize), this, QString(),
                                            QFontDialog::MonospacedFonts);
    if (chosen)
        SetWorkingFont(font.family(), font.pointSize());
}

void TVURPrefsDisplayPane::ApplyPrefs()
{
    TVUREditorSettings &settings = EditorSettings();
    settings.tabWidth = m_tabWidthUpDown->Value();
    settings.syntaxHighlighting = m_syntaxHighlightingCheckBox->isChecked();
    settings.visibleGutter = m_visibleGutterCheckBox->isChecked();
    settings.visibleLineNumbers = m_visibleLineNumbersCheckBox->isChecked();
    settings.visibleMargin = m_visibleMarginCheckBox->isChecked();
    settings.gutterWidth = m_gutterWidthUpDown->Value();
    settings.editorFontName = m_fontName;
    settings.editorFontSize = m_fontSize;
}
