#pragma once

#include <QRegularExpression>
#include <QString>

#include <functional>
#include <memory>

class QObject;
class QsciScintilla;

// The editing control's search and replace: plain text, wildcards ("*" any
// run of characters within a line, "?" one character) or regular
// expressions, over the control's whole text or its selection.
class TVURSynSearch
{
public:
    enum class Engine { Plain, Wildcard, RegEx };

    enum Option : unsigned {
        MatchCase = 1u << 0,
        WholeWord = 1u << 1,
        Backwards = 1u << 2,
        EntireScope = 1u << 3,
        SelectedOnly = 1u << 4,
        Replace = 1u << 5,
        ReplaceAll = 1u << 6,
        Prompt = 1u << 7,
    };

    enum class Answer { Replace, Skip, All, Cancel };
    // Asked before each replacement when prompting; the match is selected
    // and in view. Line and column are 0-based, the column in characters.
    using Confirm = std::function<Answer(const QString &search, const QString &replace, int line, int column)>;

    explicit TVURSynSearch(QsciScintilla *editor);
    ~TVURSynSearch();
    TVURSynSearch(const TVURSynSearch &) = delete;
    TVURSynSearch &operator=(const TVURSynSearch &) = delete;

    Engine GetEngine() const { return m_engine; }
    void SetEngine(Engine engine) { m_engine = engine; }

    // Finds, or replaces, from the caret or through the whole scope and
    // returns the number of matches found. A found match is selected with
    // the caret at its far end in the search direction. A pattern that does
    // not compile raises EVURException and changes nothing.
    int SearchReplace(const QString &search, const QString &replace, unsigned options, const Confirm &confirm = {});

    // The pattern the engine searches with; raises EVURException when it is invalid.
    QRegularExpression Pattern(const QString &search, unsigned options) const;
    // A replacement with "\1" or "$1" (a group), "\n", "\t" and "\\" expanded
    // for regular expressions; the text itself for the other engines.
    QString Replacement(const QString &replace, const QRegularExpressionMatch &match) const;

    // Whole-word matches are bounded by characters other than letters,
    // digits, "_" and "'".
    static bool IsWordChar(QChar c);

private:
    // The control's text, decoded once and kept until the text changes, so
    // that repeated searches of a long text do not decode it every time.
    void RefreshText();

    QsciScintilla *m_editor;
    Engine m_engine = Engine::Plain;
    QByteArray m_bytes;
    QString m_text;
    bool m_textValid = false;
    // Disconnects from the control's change notices when the search goes.
    std::unique_ptr<QObject> m_watch;
};
