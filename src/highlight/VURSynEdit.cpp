#include "VURSynEdit.h"

#include "VURSettings.h"
#include "VURSmartTabs.h"
#include "VURSynLexer.h"
#include "ZOKApp.h"

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace {

std::unique_ptr<TVURHighlighter> &SharedInstance()
{
    static std::unique_ptr<TVURHighlighter> instance;
    return instance;
}

constexpr int kGutterMargin = 0;

QFont EditorFont(const QString &name, int size)
{
    QFont font(name);
    font.setPointSize(size > 0 ? size : 9);
    font.setStyleHint(QFont::TypeWriter);
    // Fontconfig may answer with any face; a proportional one is no use here.
    if (!QFontInfo(font).fixedPitch()) {
        QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fallback.setPointSize(font.pointSize());
        font = fallback;
    }
    return font;
}

} // namespace

TSynHighlighterAttributes::TSynHighlighterAttributes(const QString &name, VURColors::TVURColor foreground,
                                                     VURColors::TVURColor background, Style style, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_foreground(foreground)
    , m_background(background)
    , m_style(style)
{
}

void TSynHighlighterAttributes::SetForeground(VURColors::TVURColor color)
{
    if (color == m_foreground)
        return;
    m_foreground = color;
    Q_EMIT Changed();
}

void TSynHighlighterAttributes::SetBackground(VURColors::TVURColor color)
{
    if (color == m_background)
        return;
    m_background = color;
    Q_EMIT Changed();
}

void TSynHighlighterAttributes::SetFontStyle(Style style)
{
    if (style == m_style)
        return;
    m_style = style;
    Q_EMIT Changed();
}

TVURHighlighter::TVURHighlighter(QObject *parent)
    : QObject(parent)
{
}

TVURHighlighter::~TVURHighlighter() = default;

TSynHighlighterAttributes *TVURHighlighter::AddAttribute(const QString &name, VURColors::TVURColor foreground,
                                                         VURColors::TVURColor background,
                                                         TSynHighlighterAttributes::Style style)
{
    if (TSynHighlighterAttributes *existing = AttributeByName(name))
        return existing;
    auto *attribute = new TSynHighlighterAttributes(name, foreground, background, style, this);
    const auto at = std::lower_bound(m_attributes.begin(), m_attributes.end(), name,
                                     [](const TSynHighlighterAttributes *a, const QString &n) {
                                         return a->Name().compare(n, Qt::CaseInsensitive) < 0;
                                     });
    m_attributes.insert(at, attribute);
    connect(attribute, &TSynHighlighterAttributes::Changed, this, &TVURHighlighter::AttributeChanged);
    return attribute;
}

TSynHighlighterAttributes *TVURHighlighter::Attribute(int index) const
{
    return index >= 0 && index < AttrCount() ? m_attributes[size_t(index)] : nullptr;
}

TSynHighlighterAttributes *TVURHighlighter::AttributeByName(const QString &name) const
{
    for (TSynHighlighterAttributes *attribute : m_attributes) {
        if (attribute->Name().compare(name, Qt::CaseInsensitive) == 0)
            return attribute;
    }
    return nullptr;
}

int TVURHighlighter::IndexOfAttribute(const TSynHighlighterAttributes *attribute) const
{
    const auto it = std::find(m_attributes.begin(), m_attributes.end(), attribute);
    return it == m_attributes.end() ? -1 : int(it - m_attributes.begin());
}

TSynHighlighterAttributes *TVURHighlighter::GetDefaultAttribute(int) const
{
    return nullptr;
}

bool TVURHighlighter::IsIdentChar(QChar c) const
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

QString TVURHighlighter::LanguageName() const
{
    return QString();
}

bool TVURHighlighter::IsKeyword(QStringView) const
{
    return false;
}

QString TVURHighlighter::GetSampleText() const
{
    return QString();
}

bool TVURHighlighter::IsIssueMarkLine(QStringView) const
{
    return false;
}

bool TVURHighlighter::IsIssueLine(QStringView) const
{
    return false;
}

bool TVURHighlighter::IsSecondaryMarkLine(QStringView) const
{
    return false;
}

TVURHighlighter *SharedHighlighter()
{
    return SharedInstance().get();
}

TVURHighlighter *CreateSharedHighlighter()
{
    if (!SharedInstance()) {
        if (TZOKApp *app = GetZOKApp())
            SharedInstance().reset(app->CreateHighlighter(nullptr));
    }
    return SharedInstance().get();
}

void SetSharedHighlighter(std::unique_ptr<TVURHighlighter> highlighter)
{
    SharedInstance() = std::move(highlighter);
}

void ReleaseSharedHighlighter()
{
    SharedInstance().reset();
}

void ReadColors(IVURSettings &reader, const QString &root)
{
    TVURHighlighter *highlighter = SharedHighlighter();
    if (!highlighter)
        return;
    const int count = highlighter->AttrCount();
    for (int i = 0; i < count; ++i) {
        TSynHighlighterAttributes *attribute = highlighter->Attribute(i);
        TVURSettingsSection section(reader, root, QStringLiteral("Colors\\") + attribute->Name(), false);
        if (!section.IsOpen())
            continue;
        attribute->SetForeground(VURColors::TVURColor(
            reader.ReadInteger(QStringLiteral("Foreground"), int(attribute->Foreground()))));
        attribute->SetBackground(VURColors::TVURColor(
            reader.ReadInteger(QStringLiteral("Background"), int(attribute->Background()))));
        const auto current = attribute->FontStyle();
        const bool bold = reader.ReadBool(QStringLiteral("Bold"), current.testFlag(TSynHighlighterAttributes::Bold));
        const bool italic =
            reader.ReadBool(QStringLiteral("Italic"), current.testFlag(TSynHighlighterAttributes::Italic));
        const bool underline =
            reader.ReadBool(QStringLiteral("Underline"), current.testFlag(TSynHighlighterAttributes::Underline));
        TSynHighlighterAttributes::Style style;
        style.setFlag(TSynHighlighterAttributes::Bold, bold);
        style.setFlag(TSynHighlighterAttributes::Italic, italic);
        style.setFlag(TSynHighlighterAttributes::Underline, underline);
        attribute->SetFontStyle(style);
        section.Close();
    }
}

void WriteColors(IVURSettings &writer, const QString &root)
{
    TVURHighlighter *highlighter = SharedHighlighter();
    if (!highlighter)
        return;
    for (int i = 0; i < highlighter->AttrCount(); ++i) {
        const TSynHighlighterAttributes *attribute = highlighter->Attribute(i);
        TVURSettingsSection section(writer, root, QStringLiteral("Colors\\") + attribute->Name(), true);
        if (!section.IsOpen())
            continue;
        writer.WriteInteger(QStringLiteral("Foreground"), int(attribute->Foreground()));
        writer.WriteInteger(QStringLiteral("Background"), int(attribute->Background()));
        writer.WriteBool(QStringLiteral("Bold"), attribute->FontStyle().testFlag(TSynHighlighterAttributes::Bold));
        writer.WriteBool(QStringLiteral("Italic"), attribute->FontStyle().testFlag(TSynHighlighterAttributes::Italic));
        writer.WriteBool(QStringLiteral("Underline"),
                         attribute->FontStyle().testFlag(TSynHighlighterAttributes::Underline));
        section.Close();
    }
}

void CopyHighlighterSettings(const TVURHighlighter &source, TVURHighlighter &target)
{
    for (int i = 0; i < target.AttrCount(); ++i) {
        TSynHighlighterAttributes *to = target.Attribute(i);
        for (int j = 0; j < source.AttrCount(); ++j) {
            const TSynHighlighterAttributes *from = source.Attribute(j);
            if (from->Name() != to->Name())
                continue;
            to->SetForeground(from->Foreground());
            to->SetBackground(from->Background());
            to->SetFontStyle(from->FontStyle());
            break;
        }
    }
}

QString ExpandSample(const QString &text, int indentWidth)
{
    QString result = text;
    result.replace(QLatin1Char('~'), QString(qMax(indentWidth, 0), QLatin1Char(' ')));
    return result;
}

void ApplyEditorSettings(QsciScintilla *editor, bool autoIndent, bool smartTabs, int fontSize,
                         const QString &fontName, bool lineNumbersVisible, int gutterWidth, bool gutterVisible,
                         int tabWidth, TVURHighlighter *highlighter)
{
    if (!editor)
        return;
    // 1. Font.
    const QFont font = EditorFont(fontName, fontSize);
    editor->setFont(font);

    // 3. The highlighter, or plain text; a lexer already showing it is kept.
    auto *current = qobject_cast<TVURSynLexer *>(editor->lexer());
    if (highlighter) {
        if (!current || current->Highlighter() != highlighter) {
            auto *lexer = new TVURSynLexer(highlighter, editor);
            lexer->SetBaseFont(font);
            editor->setLexer(lexer);
            if (current)
                current->deleteLater();
        } else {
            current->SetBaseFont(font);
        }
    } else if (current || editor->lexer()) {
        QsciLexer *old = editor->lexer();
        editor->setLexer(nullptr);
        if (old && old->parent() == editor)
            old->deleteLater();
        editor->setFont(font);
        // The styles the lexer left would otherwise stay painted.
        editor->SendScintilla(QsciScintilla::SCI_STARTSTYLING, 0L);
        editor->SendScintilla(QsciScintilla::SCI_SETSTYLING, long(editor->length()), 0L);
    }

    // 2. Gutter, its line numbers in the text font and colour.
    editor->setMarginType(kGutterMargin, lineNumbersVisible ? QsciScintilla::NumberMargin : QsciScintilla::SymbolMargin);
    int width = gutterVisible ? qMax(gutterWidth, 0) : 0;
    if (gutterVisible && lineNumbersVisible) {
        // Never narrower than the largest line number.
        const int digits = int(QString::number(qMax(editor->lines(), 1)).size());
        width = qMax(width, QFontMetrics(font).horizontalAdvance(QString(digits + 1, QLatin1Char('9'))));
    }
    editor->setMarginWidth(kGutterMargin, width);
    // The gutter is one margin; the control's other default margins stay empty.
    for (int margin = kGutterMargin + 1; margin < 3; ++margin) {
        editor->setMarginWidth(margin, 0);
        editor->setMarginMarkerMask(margin, 0);
    }
    editor->setMarginsFont(font);
    editor->setMarginsForegroundColor(editor->palette().color(QPalette::Text));

    // 4. Auto indent and smart tabs.
    editor->setAutoIndent(autoIndent);
    TVURSmartTabs *tabs = editor->findChild<TVURSmartTabs *>(QString(), Qt::FindDirectChildrenOnly);
    if (smartTabs && !tabs)
        new TVURSmartTabs(editor);
    else if (!smartTabs && tabs)
        delete tabs;

    // 5. Tab width; Tab inserts blanks into the text.
    editor->setTabWidth(qMax(tabWidth, 1));
    editor->setIndentationWidth(qMax(tabWidth, 1));
    editor->setIndentationsUseTabs(false);
    editor->setTabIndents(false);
}
