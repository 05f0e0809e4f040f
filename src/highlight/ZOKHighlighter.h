#pragma once

#include "VURSynEdit.h"

#include <QStringList>

#include <array>

// The table-driven scanner of the article-workbench layer: words, numbers,
// symbols, blanks, "::" comments to the end of the line, and lines that
// begin with "::>" as issue lines. The reserved words come from FillKeywords.
class TZOKHighlighter : public TVURHighlighter
{
    Q_OBJECT

public:
    enum TokenKind {
        tkComment = 0,
        tkIssue = 1,
        tkIdentifier = 2,
        tkReservedWord = 3,
        tkEndOfLine = 4,
        tkNumber = 5,
        tkSpace = 6,
        tkSymbol = 7,
        tkOther = 8,
    };

    explicit TZOKHighlighter(QObject *parent = nullptr);
    ~TZOKHighlighter() override;

    TSynHighlighterAttributes *GetDefaultAttribute(int role) const override;
    bool IsIdentChar(QChar c) const override;
    QString LanguageName() const override;
    void SetLine(const QString &line, int lineIndex) override;
    void Next() override;
    bool GetEol() const override { return m_tokenKind == tkEndOfLine; }
    QString GetToken() const override;
    int GetTokenPos() const override { return m_tokenStart; }
    int GetTokenKind() const override { return m_tokenKind; }
    int GetTokenLength() const override { return m_run - m_tokenStart; }
    TSynHighlighterAttributes *GetTokenAttribute() const override;
    bool IsKeyword(QStringView word) const override;
    int GetRange() const override { return m_range; }
    void SetRange(int range) override { m_range = quint8(range & 0xFF); }
    void ResetRange() override { m_range = 0; }

    const QStringList &ReservedWords() const { return m_reservedWords; }
    int LineIndex() const { return m_lineIndex; }

    TSynHighlighterAttributes *CommentAttri() const { return m_comment; }
    TSynHighlighterAttributes *IdentifierAttri() const { return m_identifier; }
    TSynHighlighterAttributes *KeyAttri() const { return m_reservedWord; }
    TSynHighlighterAttributes *NumberAttri() const { return m_number; }
    TSynHighlighterAttributes *SpaceAttri() const { return m_space; }
    TSynHighlighterAttributes *SymbolAttri() const { return m_symbol; }
    TSynHighlighterAttributes *ErrorAttri() const { return m_error; }

protected:
    // Adds the language's reserved words; the concrete highlighter fills it.
    virtual void FillKeywords() = 0;
    // Call from the concrete class's constructor: fills the words, builds
    // the tables (FillKeywords is virtual, so it cannot run from here).
    void InitScanner();
    void AddKeyword(const QString &word);

private:
    enum class Step : quint8 { EndOfLine, Space, LineFeed, CarriageReturn, Dollar, Word, Number, Colon, Other };

    void MakeDispatchTable();
    char16_t CharAt(int index) const { return index < m_length ? m_data[index] : u'\0'; }
    static bool IsSpaceChar(char16_t c) { return c != 0 && c != 10 && c != 13 && c <= 32; }

    QStringList m_reservedWords;
    std::array<Step, 256> m_dispatch{};
    QString m_line;
    const char16_t *m_data = nullptr;
    int m_length = 0;
    int m_run = 0;
    int m_tokenStart = 0;
    int m_tokenKind = tkEndOfLine;
    int m_lineIndex = 0;
    quint8 m_range = 0;

    TSynHighlighterAttributes *m_comment;
    TSynHighlighterAttributes *m_identifier;
    TSynHighlighterAttributes *m_reservedWord;
    TSynHighlighterAttributes *m_number;
    TSynHighlighterAttributes *m_space;
    TSynHighlighterAttributes *m_symbol;
    TSynHighlighterAttributes *m_error;
};

// The characters that make up words: ', 0-9, A-Z, _ and a-z.
bool IsZOKIdentifierChar(char16_t c);
