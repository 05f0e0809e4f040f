#include "ZOKHighlighter.h"

#include <algorithm>

using namespace VURColors;

namespace {

struct IdentifierTable
{
    std::array<bool, 256> isIdentifier{};
    IdentifierTable()
    {
        for (int c = 0; c < 256; ++c)
            isIdentifier[size_t(c)] = c == '\'' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_'
                                      || (c >= 'a' && c <= 'z');
    }
};

const IdentifierTable kIdentifiers;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool IsZOKIdentifierChar(char16_t c)
{
    return c < 256 && kIdentifiers.isIdentifier[c];
}

TZOKHighlighter::TZOKHighlighter(QObject *parent)
    : TVURHighlighter(parent)
    , m_comment(AddAttribute(QStringLiteral("Comment"), clGray, clWindow, TSynHighlighterAttributes::Italic))
    , m_identifier(AddAttribute(QStringLiteral("Identifier"), clWindowText, clWindow, {}))
    , m_reservedWord(AddAttribute(QStringLiteral("Reserved Word"), clWindowText, clWindow, TSynHighlighterAttributes::Bold))
    , m_number(AddAttribute(QStringLiteral("Number"), clGreen, clWindow, {}))
    , m_space(AddAttribute(QStringLiteral("Space"), clWindowText, clWindow, {}))
    , m_symbol(AddAttribute(QStringLiteral("Symbol"), clWindowText, clWindow, {}))
    , m_error(AddAttribute(QStringLiteral("Error"), clMaroon, clWindow, TSynHighlighterAttributes::Italic))
{
    MakeDispatchTable();
}

TZOKHighlighter::~TZOKHighlighter() = default;

void TZOKHighlighter::InitScanner()
{
    FillKeywords();
    MakeDispatchTable();
    m_range = 0;
}

void TZOKHighlighter::AddKeyword(const QString &word)
{
    const auto at = std::lower_bound(m_reservedWords.begin(), m_reservedWords.end(), word);
    if (at != m_reservedWords.end() && *at == word)
        return;
    m_reservedWords.insert(at, word);
}

void TZOKHighlighter::MakeDispatchTable()
{
    for (int c = 0; c < 256; ++c) {
        Step step = Step::Other;
        if (c == 0)
            step = Step::EndOfLine;
        else if (c == 10)
            step = Step::LineFeed;
        else if (c == 13)
            step = Step::CarriageReturn;
        else if (c <= 32)
            step = Step::Space;
        else if (c == '$')
            step = Step::Dollar;
        else if (c == '\'' || (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z'))
            step = Step::Word;
        else if (c >= '0' && c <= '9')
            step = Step::Number;
        else if (c == ':')
            step = Step::Colon;
        m_dispatch[size_t(c)] = step;
    }
}

TSynHighlighterAttributes *TZOKHighlighter::GetDefaultAttribute(int role) const
{
    switch (role) {
    case RoleComment:
        return m_comment;
    case RoleIdentifier:
        return m_identifier;
    case RoleReservedWord:
        return m_reservedWord;
    case RoleWhiteSpace:
        return m_space;
    case RoleSymbol:
        return m_symbol;
    default:
        return nullptr;
    }
}

bool TZOKHighlighter::IsIdentChar(QChar c) const
{
    return IsZOKIdentifierChar(c.unicode());
}

QString TZOKHighlighter::LanguageName() const
{
    return QStringLiteral("General");
}

void TZOKHighlighter::SetLine(const QString &line, int lineIndex)
{
    m_line = line;
    m_data = reinterpret_cast<const char16_t *>(m_line.constData());
    m_length = int(m_line.size());
    m_run = 0;
    m_lineIndex = lineIndex;
    Next();
}

void TZOKHighlighter::Next()
{
    m_tokenStart = m_run;
    const char16_t first = CharAt(m_run);
    const Step step = first < 256 ? m_dispatch[first] : Step::Other;
    switch (step) {
    case Step::EndOfLine:
        m_tokenKind = tkEndOfLine;
        break;
    case Step::Space:
        ++m_run;
        m_tokenKind = tkSpace;
        while (IsSpaceChar(CharAt(m_run)))
            ++m_run;
        break;
    case Step::LineFeed:
        m_tokenKind = tkSpace;
        ++m_run;
        break;
    case Step::CarriageReturn:
        m_tokenKind = tkSpace;
        ++m_run;
        if (CharAt(m_run) == u'\n')
            ++m_run;
        break;
    case Step::Dollar:
        ++m_run;
        if (IsDigit(CharAt(m_run))) {
            m_tokenKind = tkNumber;
            while (IsDigit(CharAt(m_run)))
                ++m_run;
        } else {
            m_tokenKind = tkOther;
        }
        break;
    case Step::Word:
        while (IsZOKIdentifierChar(CharAt(m_run)))
            ++m_run;
        m_tokenKind = IsKeyword(QStringView(m_line).mid(m_tokenStart, m_run - m_tokenStart)) ? tkReservedWord
                                                                                               : tkIdentifier;
        break;
    case Step::Number:
        ++m_run;
        m_tokenKind = tkNumber;
        while (IsDigit(CharAt(m_run)))
            ++m_run;
        break;
    case Step::Colon:
        ++m_run;
        if (CharAt(m_run) != u':') {
            m_tokenKind = tkSymbol;
            break;
        }
        m_tokenKind = CharAt(m_run + 1) == u'>' && m_tokenStart == 0 ? tkIssue : tkComment;
        ++m_run;
        while (m_run < m_length) {
            const char16_t c = m_data[m_run];
            if (c == 0 || c == 10 || c == 13)
                break;
            ++m_run;
        }
        break;
    case Step::Other:
        ++m_run;
        m_tokenKind = tkOther;
        break;
    }
}

QString TZOKHighlighter::GetToken() const
{
    return m_line.mid(m_tokenStart, m_run - m_tokenStart);
}

TSynHighlighterAttributes *TZOKHighlighter::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case tkComment:
        return m_comment;
    case tkIssue:
        return m_error;
    case tkIdentifier:
        return m_identifier;
    case tkReservedWord:
        return m_reservedWord;
    case tkNumber:
        return m_number;
    case tkSpace:
        return m_space;
    case tkSymbol:
    case tkOther:
        return m_symbol;
    default:
        return nullptr;
    }
}

bool TZOKHighlighter::IsKeyword(QStringView word) const
{
    const auto at = std::lower_bound(m_reservedWords.cbegin(), m_reservedWords.cend(), word,
                                     [](const QString &entry, QStringView w) { return QStringView(entry) < w; });
    return at != m_reservedWords.cend() && QStringView(*at) == word;
}
