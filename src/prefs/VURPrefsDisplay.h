#pragma once

#include "VURPane.h"

#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TVURHighlighter;
class TVURPrefsExample;
class TVURPrefsSynEditColorsPane;

// Arrows beside a number box: they step the box's number within their
// range; a number typed into the box moves them, clamped, but stays as typed.
class TVURUpDown : public QWidget
{
    Q_OBJECT

public:
    TVURUpDown(QLineEdit *associate, int minimum, int maximum, QWidget *parent = nullptr);

    int Position() const { return m_position; }
    void SetPosition(int position);
    // The box's number, or the arrows' position when it holds none.
    int Value() const;

Q_SIGNALS:
    void Stepped();

private:
    QLineEdit *m_associate;
    int m_minimum;
    int m_maximum;
    int m_position;
};

// The display page: indent size, syntax highlighting, font, gutter, line
// numbers, message bar, and an example showing them.
class TVURPrefsDisplayPane : public TVURPrefsDetailPane
{
    Q_OBJECT

public:
    explicit TVURPrefsDisplayPane(QWidget *parent = nullptr);

    void TranslateTexts() override;
    void ApplyPrefs() override;
    QString GetPaneTitle() const override;

    // The dialog's working highlighter; the example shows the sample at once.
    void SetHighlighter(TVURHighlighter *highlighter);
    void SetColorsPane(TVURPrefsSynEditColorsPane *colors);
    void UpdateEnabling();
    void Preview();
    void FontButtonClick();
    // The page's working font, kept apart from the settings until OK.
    void SetWorkingFont(const QString &name, int size);

    QLineEdit *TabWidthEdit() const { return m_tabWidthEdit; }
    TVURUpDown *TabWidthUpDown() const { return m_tabWidthUpDown; }
    QCheckBox *SyntaxHighlightingCheckBox() const { return m_syntaxHighlightingCheckBox; }
    QPushButton *FontButton() const { return m_fontButton; }
    QCheckBox *VisibleGutterCheckBox() const { return m_visibleGutterCheckBox; }
    QCheckBox *VisibleLineNumbersCheckBox() const { return m_visibleLineNumbersCheckBox; }
    QLabel *GutterWidthLabel() const { return m_gutterWidthLabel; }
    QLineEdit *GutterWidthEdit() const { return m_gutterWidthEdit; }
    TVURUpDown *GutterWidthUpDown() const { return m_gutterWidthUpDown; }
    QCheckBox *VisibleMarginCheckBox() const { return m_visibleMarginCheckBox; }
    TVURPrefsExample *Example() const { return m_example; }

private:
    QLabel *m_tabWidthLabel;
    QLineEdit *m_tabWidthEdit;
    TVURUpDown *m_tabWidthUpDown;
    QCheckBox *m_syntaxHighlightingCheckBox;
    QPushButton *m_fontButton;
    QCheckBox *m_visibleGutterCheckBox;
    QCheckBox *m_visibleLineNumbersCheckBox;
    QLabel *m_gutterWidthLabel;
    QLineEdit *m_gutterWidthEdit;
    TVURUpDown *m_gutterWidthUpDown;
    QCheckBox *m_visibleMarginCheckBox;
    QLabel *m_exampleLabel;
    TVURPrefsExample *m_example;
    TVURHighlighter *m_highlighter = nullptr;
    QPointer<TVURPrefsSynEditColorsPane> m_colorsPane;
    QString m_fontName;
    int m_fontSize = 9;
    bool m_loading = false;
};
