#pragma once

#include "VURColors.h"

#include <QObject>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class IVURSettings;
class QsciScintilla;

// The colours and font style of one kind of token.
class TSynHighlighterAttributes : public QObject
{
    Q_OBJECT

public:
    enum StyleFlag { Bold = 0x1, Italic = 0x2, Underline = 0x4, StrikeOut = 0x8 };
    Q_DECLARE_FLAGS(Style, StyleFlag)

    TSynHighlighterAttributes(const QString &name, VURColors::TVURColor foreground, VURColors::TVURColor background,
                              Style style, QObject *parent = nullptr);

    QString Name() const { return m_name; }
    VURColors::TVURColor Foreground() const { return m_foreground; }
    VURColors::TVURColor Background() const { return m_background; }
    Style FontStyle() const { return m_style; }

    void SetForeground(VURColors::TVURColor color);
    void SetBackground(VURColors::TVURColor color);
    void SetFontStyle(Style style);

Q_SIGNALS:
    // Foreground, background or style has changed.
    void Changed();

private:
    QString m_name;
    VURColors::TVURColor m_foreground;
    VURColors::TVURColor m_background;
    Style m_style;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TSynHighlighterAttributes::Style)

// The base of every highlighter: its attributes, sorted by name, and the
// scanner that an editing control runs over each line it paints.
class TVURHighlighter : public QObject
{
    Q_OBJECT

public:
    enum Role { RoleComment = 0, RoleIdentifier, RoleReservedWord, RoleString, RoleWhiteSpace, RoleSymbol };

    explicit TVURHighlighter(QObject *parent = nullptr);
    ~TVURHighlighter() override;

    int AttrCount() const { return int(m_attributes.size()); }
    // In the order of the names, ignoring case; null outside 0..count-1.
    TSynHighlighterAttributes *Attribute(int index) const;
    TSynHighlighterAttributes *AttributeByName(const QString &name) const;
    int IndexOfAttribute(const TSynHighlighterAttributes *attribute) const;
    virtual TSynHighlighterAttributes *GetDefaultAttribute(int role) const;

    // The scanner contract.
    virtual bool IsIdentChar(QChar c) const;
    virtual QString LanguageName() const;
    virtual void SetLine(const QString &line, int lineIndex) = 0;
    virtual void Next() = 0;
    virtual bool GetEol() const = 0;
    virtual QString GetToken() const = 0;
    virtual int GetTokenPos() const = 0;
    virtual int GetTokenKind() const = 0;
    virtual int GetTokenLength() const = 0;
    virtual TSynHighlighterAttributes *GetTokenAttribute() const = 0;
    virtual bool IsKeyword(QStringView word) const;
    virtual int GetRange() const { return 0; }
    virtual void SetRange(int) {}
    virtual void ResetRange() {}

    // Whole-line questions of the framework.
    virtual QString GetSampleText() const;
    virtual bool IsIssueMarkLine(QStringView line) const;
    virtual bool IsIssueLine(QStringView line) const;
    virtual bool IsSecondaryMarkLine(QStringView line) const;

Q_SIGNALS:
    // One of the attributes has changed; every control showing text through
    // this highlighter repaints.
    void AttributeChanged();

protected:
    // Adds an attribute owned by the highlighter, kept in name order.
    TSynHighlighterAttributes *AddAttribute(const QString &name, VURColors::TVURColor foreground,
                                            VURColors::TVURColor background, TSynHighlighterAttributes::Style style);

private:
    std::vector<TSynHighlighterAttributes *> m_attributes;
};

// The program's one highlighter, shared by every editor window; null until
// CreateSharedHighlighter has run.
TVURHighlighter *SharedHighlighter();
// Makes the application object's highlighter the shared one (a second call
// keeps the first).
TVURHighlighter *CreateSharedHighlighter();
void SetSharedHighlighter(std::unique_ptr<TVURHighlighter> highlighter);
void ReleaseSharedHighlighter();

// The "Colors\" + attribute name sections of the shared highlighter.
void ReadColors(IVURSettings &reader, const QString &root);
void WriteColors(IVURSettings &writer, const QString &root);
// Same-named attributes of the source give the target their colours and style.
void CopyHighlighterSettings(const TVURHighlighter &source, TVURHighlighter &target);
// Every "~" becomes indentWidth blanks.
QString ExpandSample(const QString &text, int indentWidth);

// Font, gutter, highlighter and indentation of one editing control. A
// missing font family falls back to the system's monospace face.
void ApplyEditorSettings(QsciScintilla *editor, bool autoIndent, bool smartTabs, int fontSize,
                         const QString &fontName, bool lineNumbersVisible, int gutterWidth, bool gutterVisible,
                         int tabWidth, TVURHighlighter *highlighter);
