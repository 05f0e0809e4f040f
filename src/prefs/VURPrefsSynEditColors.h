#pragma once

#include "VURPane.h"

class QCheckBox;
class QLabel;
class QListWidget;
class TSynHighlighterAttributes;
class TVURColorBox;
class TVURHighlighter;
class TVURPrefsExample;

// The colour page: every attribute of the working highlighter under its
// display name, with its colours and style; a change shows in the examples
// at once.
class TVURPrefsSynEditColorsPane : public TVURPrefsDetailPane
{
    Q_OBJECT

public:
    explicit TVURPrefsSynEditColorsPane(QWidget *parent = nullptr);

    void FormCreate() override;
    void TranslateTexts() override;
    QString GetPaneTitle() const override;

    void SetHighlighter(TVURHighlighter *highlighter);
    // The attribute of the selected entry; null without a selection.
    TSynHighlighterAttributes *SelectedAttribute() const;
    void ShowSelectedAttribute();
    void AttributeControlChanged();
    // The display name of an attribute, found by its name without blanks.
    static QString AttributeDisplayName(const QString &attributeName);

    QListWidget *ColorsListBox() const { return m_colorsListBox; }
    TVURColorBox *ForegroundColorBox() const { return m_foregroundColorBox; }
    TVURColorBox *BackgroundColorBox() const { return m_backgroundColorBox; }
    QCheckBox *BoldCheckBox() const { return m_boldCheckBox; }
    QCheckBox *ItalicCheckBox() const { return m_italicCheckBox; }
    QCheckBox *UnderlineCheckBox() const { return m_underlineCheckBox; }
    TVURPrefsExample *Example() const { return m_example; }

private:
    QLabel *m_colorsLabel;
    QListWidget *m_colorsListBox;
    QLabel *m_foregroundLabel;
    TVURColorBox *m_foregroundColorBox;
    QLabel *m_backgroundLabel;
    TVURColorBox *m_backgroundColorBox;
    QCheckBox *m_boldCheckBox;
    QCheckBox *m_italicCheckBox;
    QCheckBox *m_underlineCheckBox;
    QLabel *m_exampleLabel;
    TVURPrefsExample *m_example;
    TVURHighlighter *m_highlighter = nullptr;
    bool m_showing = false;
};
