#pragma once

#include <Qsci/qscilexercustom.h>

#include <QFont>
#include <QPointer>

class TSynHighlighterAttributes;
class TVURHighlighter;

// Paints an editing control's text through a highlighter: each attribute
// is a style, and only the lines the control asks for are scanned. One
// highlighter may serve any number of controls, each with its own lexer.
class TVURSynLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    explicit TVURSynLexer(TVURHighlighter *highlighter, QObject *parent = nullptr);

    TVURHighlighter *Highlighter() const { return m_highlighter; }
    // The font of the text; attributes add their style to it.
    void SetBaseFont(const QFont &font);

    const char *language() const override;
    QString description(int style) const override;
    void styleText(int start, int end) override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    QColor color(int style) const override;
    QColor paper(int style) const override;
    QFont font(int style) const override;

    // The style of an attribute: its index plus one; 0 is plain text.
    static int StyleOf(int attributeIndex) { return attributeIndex + 1; }

    // Bytes of the text in the control's encoding.
    static int EncodedLength(const QChar *text, int length, bool utf8);

private:
    TSynHighlighterAttributes *AttributeOfStyle(int style) const;
    void AnnounceStyles();

    QPointer<TVURHighlighter> m_highlighter;
    QFont m_baseFont;
    QByteArray m_language;
};
