#include "VURSynSearch.h"

#include "VURKernel.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <vector>

namespace {

// Lines may end in CR LF, LF or CR for "^" and "$".
const QString kNewlines = QStringLiteral("(*ANYCRLF)");

// Maps UTF-16 offsets of the text to byte positions of its UTF-8 form and
// back, walking on from the last position asked for.
class Utf8Offsets
{
public:
    explicit Utf8Offsets(const QByteArray &bytes) : m_bytes(bytes) {}

    qsizetype ToByte(qsizetype offset)
    {
        if (offset < m_offset)
            m_offset = m_byte = 0;
        while (m_offset < offset && m_byte < m_bytes.size())
            Step();
        return m_byte;
    }

    qsizetype ToOffset(qsizetype byte)
    {
        if (byte < m_byte)
            m_offset = m_byte = 0;
        while (m_byte < byte && m_byte < m_bytes.size())
            Step();
        return m_offset;
    }

private:
    void Step()
    {
        const auto lead = static_cast<unsigned char>(m_bytes.at(m_byte));
        const int length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        m_offset += length == 4 ? 2 : 1;
        m_byte = std::min<qsizetype>(m_byte + length, m_bytes.size());
    }

    const QByteArray &m_bytes;
    qsizetype m_offset = 0;
    qsizetype m_byte = 0;
};

struct Found
{
    qsizetype start;
    qsizetype end;
    long startByte;
    long endByte;
    QString replacement;
};

} // namespace

TVURSynSearch::TVURSynSearch(QsciScintilla *editor)
    : m_editor(editor)
    , m_watch(std::make_unique<QObject>())
{
    QObject::connect(m_editor, &QsciScintilla::SCN_MODIFIED, m_watch.get(), [this] { m_textValid = false; });
}

TVURSynSearch::~TVURSynSearch() = default;

void TVURSynSearch::RefreshText()
{
    if (m_textValid)
        return;
    const long length = m_editor->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const auto *raw = reinterpret_cast<const char *>(m_editor->SendScintilla(QsciScintilla::SCI_GETCHARACTERPOINTER));
    m_bytes = QByteArray(raw, length);
    m_text = QString::fromUtf8(m_bytes);
    m_textValid = true;
}

bool TVURSynSearch::IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('\'');
}

QRegularExpression TVURSynSearch::Pattern(const QString &search, unsigned options) const
{
    QString pattern;
    QRegularExpression::PatternOptions patternOptions = QRegularExpression::UseUnicodePropertiesOption;
    switch (m_engine) {
    case Engine::Plain:
        pattern = QRegularExpression::escape(search);
        break;
    case Engine::Wildcard:
        for (const QChar c : search) {
            if (c == QLatin1Char('*'))
                pattern += QStringLiteral("[^\\r\\n]*");
            else if (c == QLatin1Char('?'))
                pattern += QStringLiteral("[^\\r\\n]");
            else
                pattern += QRegularExpression::escape(QString(c));
        }
        break;
    case Engine::RegEx:
        pattern = kNewlines + search;
        patternOptions |= QRegularExpression::MultilineOption;
        break;
    }
    if (!(options & MatchCase))
        patternOptions |= QRegularExpression::CaseInsensitiveOption;
    QRegularExpression expression(pattern, patternOptions);
    if (!expression.isValid()) {
        const qsizetype offset = expression.patternErrorOffset() - (m_engine == Engine::RegEx ? kNewlines.size() : 0);
        throw EVURException(QStringLiteral("<PLK>Nieprawidłowe wyrażenie regularne:\\n%s\\n\\n%s (znak %s).<ENU>Invalid "
                                           "regular expression:\\n%s\\n\\n%s (at character %s)."),
                            {search, expression.errorString(), QString::number(std::max<qsizetype>(offset, 0) + 1)});
    }
    return expression;
}

QString TVURSynSearch::Replacement(const QString &replace, const QRegularExpressionMatch &match) const
{
    if (m_engine != Engine::RegEx)
        return replace;
    QString result;
    for (qsizetype i = 0; i < replace.size(); ++i) {
        const QChar c = replace.at(i);
        const QChar next = i + 1 < replace.size() ? replace.at(i + 1) : QChar();
        if ((c == QLatin1Char('\\') || c == QLatin1Char('$')) && next.isDigit()) {
            result += match.captured(next.digitValue());
            ++i;
        } else if (c == QLatin1Char('\\') && next == QLatin1Char('n')) {
            result += QLatin1Char('\n');
            ++i;
        } else if (c == QLatin1Char('\\') && next == QLatin1Char('t')) {
            result += QLatin1Char('\t');
            ++i;
        } else if (c == QLatin1Char('\\') && next == QLatin1Char('\\')) {
            result += QLatin1Char('\\');
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

int TVURSynSearch::SearchReplace(const QString &search, const QString &replace, unsigned options,
                                 const Confirm &confirm)
{
    if (search.isEmpty())
        return 0;
    const QRegularExpression expression = Pattern(search, options);

    // Copies: the control's text changes while replacing.
    RefreshText();
    const QByteArray bytes = m_bytes;
    const QString text = m_text;
    Utf8Offsets offsets(bytes);
    const qsizetype selectionStart = offsets.ToOffset(m_editor->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART));
    const qsizetype selectionEnd = offsets.ToOffset(m_editor->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND));

    const bool backwards = options & Backwards;
    const bool replacing = options & Replace;
    const bool all = replacing && (options & ReplaceAll);
    qsizetype scopeStart = 0;
    qsizetype scopeEnd = text.size();
    if (options & SelectedOnly) {
        scopeStart = selectionStart;
        scopeEnd = selectionEnd;
    }
    qsizetype from = backwards ? scopeEnd : scopeStart;
    if (!(options & EntireScope)) {
        // A find goes on past the selection; a replace takes the selection
        // in, so the match a find has just selected is the first replaced.
        const bool past = !replacing;
        from = backwards == past ? selectionStart : selectionEnd;
        from = std::clamp(from, scopeStart, scopeEnd);
    }

    // Non-overlapping matches inside [begin, end], in text order.
    const auto collect = [&](qsizetype begin, qsizetype end, bool firstOnly) {
        std::vector<Found> found;
        qsizetype position = begin;
        while (position <= end) {
            // The text came from UTF-8, so it is valid; checking it at every
            // call would cost a pass over the whole text per match.
            const QRegularExpressionMatch match = expression.match(
                text, position, QRegularExpression::NormalMatch, QRegularExpression::DontCheckSubjectStringMatchOption);
            if (!match.hasMatch() || match.capturedEnd() > end)
                break;
            const qsizetype start = match.capturedStart();
            const qsizetype stop = match.capturedEnd();
            const bool whole = !(options & WholeWord)
                               || ((start == 0 || !IsWordChar(text.at(start - 1)))
                                   && (stop == text.size() || !IsWordChar(text.at(stop))));
            if (stop == start || !whole) {
                position = start + 1;
                continue;
            }
            const long startByte = long(offsets.ToByte(start));
            found.push_back({start, stop, startByte, long(offsets.ToByte(stop)),
                             replacing ? Replacement(replace, match) : QString()});
            if (firstOnly)
                break;
            position = stop;
        }
        return found;
    };
    std::vector<Found> found = backwards ? collect(scopeStart, from, false) : collect(from, scopeEnd, !all);
    if (found.empty())
        return 0;
    if (backwards) {
        if (!all)
            found.erase(found.begin(), found.end() - 1);
        std::reverse(found.begin(), found.end());
    }

    if (!replacing) {
        const Found &match = found.front();
        const auto anchor = static_cast<unsigned long>(backwards ? match.endByte : match.startByte);
        m_editor->SendScintilla(QsciScintilla::SCI_SETSEL, anchor, backwards ? match.startByte : match.endByte);
        return 1;
    }

    // Matches are replaced in search order. Going forward, each replacement
    // moves the later ones by its change in length; going backward the
    // earlier ones stay where they are.
    long shift = 0;
    long caret = -1;
    const auto current = [&](long byte) { return byte + (backwards ? 0 : shift); };
    const auto replaceRange = [&](long startByte, long endByte, const QString &with) {
        startByte = current(startByte);
        endByte = current(endByte);
        const QByteArray utf8 = with.toUtf8();
        m_editor->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, static_cast<unsigned long>(startByte), endByte);
        m_editor->SendScintilla(QsciScintilla::SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()),
                                utf8.constData());
        shift += long(utf8.size()) - (endByte - startByte);
        caret = backwards ? startByte : startByte + long(utf8.size());
    };
    // The rest in one edit: the text between them is kept as it is.
    const auto replaceRest = [&](size_t first) {
        const Found &low = backwards ? found.back() : found.at(first);
        const Found &high = backwards ? found.at(first) : found.back();
        QString with;
        qsizetype position = low.start;
        const auto append = [&](const Found &match) {
            with += QStringView(text).mid(position, match.start - position);
            with += match.replacement;
            position = match.end;
        };
        if (backwards) {
            for (size_t i = found.size(); i-- > first;)
                append(found.at(i));
        } else {
            for (size_t i = first; i < found.size(); ++i)
                append(found.at(i));
        }
        replaceRange(low.startByte, high.endByte, with);
    };

    m_editor->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    const bool prompt = (options & Prompt) && confirm;
    for (size_t i = 0; i < found.size(); ++i) {
        const Found &match = found.at(i);
        if (!prompt) {
            replaceRest(i);
            break;
        }
        const long start = current(match.startByte);
        const long end = current(match.endByte);
        m_editor->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(start), end);
        const int line = int(m_editor->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start)));
        const long lineStart = m_editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        const int column = int(m_editor->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS,
                                                       static_cast<unsigned long>(lineStart), start));
        const Answer answer = confirm(search, replace, line, column);
        if (answer == Answer::Cancel || (answer == Answer::Skip && !all))
            break;
        if (answer == Answer::Skip)
            continue;
        if (answer == Answer::All) {
            replaceRest(i);
            break;
        }
        replaceRange(match.startByte, match.endByte, match.replacement);
        if (!all)
            break;
    }
    m_editor->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
    if (caret >= 0)
        m_editor->SendScintilla(QsciScintilla::SCI_GOTOPOS, static_cast<unsigned long>(caret));
    return int(found.size());
}
