#include "VURSynLexer.h"

#include "VURSynEdit.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>

namespace {

constexpr int kLinesPastView = 200;

} // namespace

TVURSynLexer::TVURSynLexer(TVURHighlighter *highlighter, QObject *parent)
    : QsciLexerCustom(parent)
    , m_highlighter(highlighter)
    , m_baseFont(QApplication::font())
{
    if (highlighter) {
        m_language = highlighter->LanguageName().toUtf8();
        connect(highlighter, &TVURHighlighter::AttributeChanged, this, &TVURSynLexer::AnnounceStyles);
        connect(highlighter, &QObject::destroyed, this, &TVURSynLexer::AnnounceStyles);
    }
}

void TVURSynLexer::SetBaseFont(const QFont &font)
{
    m_baseFont = font;
    setDefaultFont(font);
    AnnounceStyles();
}

const char *TVURSynLexer::language() const
{
    return m_language.constData();
}

QString TVURSynLexer::description(int style) const
{
    if (style == 0)
        return QStringLiteral("Default");
    const TSynHighlighterAttributes *attribute = AttributeOfStyle(style);
    return attribute ? attribute->Name() : QString();
}

TSynHighlighterAttributes *TVURSynLexer::AttributeOfStyle(int style) const
{
    return m_highlighter && style > 0 ? m_highlighter->Attribute(style - 1) : nullptr;
}

QColor TVURSynLexer::defaultColor(int) const
{
    return QApplication::palette().color(QPalette::Text);
}

QColor TVURSynLexer::defaultPaper(int) const
{
    return QApplication::palette().color(QPalette::Base);
}

QFont TVURSynLexer::defaultFont(int) const
{
    return m_baseFont;
}

QColor TVURSynLexer::color(int style) const
{
    const TSynHighlighterAttributes *attribute = AttributeOfStyle(style);
    const QColor color = attribute ? VURColors::ToQColor(attribute->Foreground(), QApplication::palette()) : QColor();
    return color.isValid() ? color : defaultColor(style);
}

QColor TVURSynLexer::paper(int style) const
{
    const TSynHighlighterAttributes *attribute = AttributeOfStyle(style);
    const QColor color = attribute ? VURColors::ToQColor(attribute->Background(), QApplication::palette()) : QColor();
    return color.isValid() ? color : defaultPaper(style);
}

QFont TVURSynLexer::font(int style) const
{
    QFont font = m_baseFont;
    if (const TSynHighlighterAttributes *attribute = AttributeOfStyle(style)) {
        const auto flags = attribute->FontStyle();
        font.setBold(flags.testFlag(TSynHighlighterAttributes::Bold));
        font.setItalic(flags.testFlag(TSynHighlighterAttributes::Italic));
        font.setUnderline(flags.testFlag(TSynHighlighterAttributes::Underline));
        font.setStrikeOut(flags.testFlag(TSynHighlighterAttributes::StrikeOut));
    }
    return font;
}

void TVURSynLexer::AnnounceStyles()
{
    const int styles = m_highlighter ? m_highlighter->AttrCount() + 1 : 1;
    for (int style = 0; style < styles; ++style) {
        Q_EMIT colorChanged(color(style), style);
        Q_EMIT paperChanged(paper(style), style);
        Q_EMIT fontChanged(font(style), style);
    }
    if (QsciScintilla *control = editor()) {
        if (!m_highlighter) {
            // Detached: the text is plain from now on.
            control->SendScintilla(QsciScintilla::SCI_STARTSTYLING, 0L);
            control->SendScintilla(QsciScintilla::SCI_SETSTYLING, control->length(), 0L);
        }
        control->viewport()->update();
    }
}

int TVURSynLexer::EncodedLength(const QChar *text, int length, bool utf8)
{
    if (!utf8)
        return length;
    int bytes = 0;
    for (int i = 0; i < length; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < length && QChar::isLowSurrogate(text[i + 1].unicode())) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;
        }
    }
    return bytes;
}

void TVURSynLexer::styleText(int start, int end)
{
    QsciScintilla *control = editor();
    if (!control || !m_highlighter)
        return;
    const bool utf8 = control->isUtf8();
    const int firstLine = int(control->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, long(start)));
    int lastLine = int(control->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, long(qMax(start, end - 1))));
    // A request for the whole text (attaching, recolouring) is cut at a
    // little past the view; the control asks again for what it shows later.
    const long firstVisible = control->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const long onScreen = control->SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
    const int viewEnd = int(control->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE, firstVisible + onScreen));
    lastLine = qMax(firstLine, qMin(lastLine, viewEnd + kLinesPastView));
    const long startPosition = control->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, long(firstLine));
    startStyling(int(startPosition));
    // The styles of the whole range go to the control in one message.
    QByteArray styles;
    TVURHighlighter *highlighter = m_highlighter;
    for (int line = firstLine; line <= lastLine; ++line) {
        const QString text = control->text(line);
        qsizetype contentLength = text.size();
        while (contentLength > 0 && (text.at(contentLength - 1) == QLatin1Char('\n') || text.at(contentLength - 1) == QLatin1Char('\r')))
            --contentLength;
        const QString content = text.left(contentLength);
        const qsizetype lineStart = styles.size();
        const int lineBytes = EncodedLength(text.constData(), int(text.size()), utf8);
        highlighter->SetLine(content, line);
        while (!highlighter->GetEol()) {
            const int bytes =
                EncodedLength(content.constData() + highlighter->GetTokenPos(), highlighter->GetTokenLength(), utf8);
            const int index = highlighter->IndexOfAttribute(highlighter->GetTokenAttribute());
            styles.append(bytes, char(index < 0 ? 0 : StyleOf(index)));
            highlighter->Next();
        }
        // The line end, and whatever a stop inside the line left over.
        const qsizetype styled = styles.size() - lineStart;
        if (lineBytes > styled)
            styles.append(lineBytes - styled, char(0));
    }
    control->SendScintilla(QsciScintilla::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()), styles.constData());
}
