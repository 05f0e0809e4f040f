#pragma once

#include <QString>

class IVURSettings;
class QsciScintilla;
class TVURHighlighter;

// The settings that shape every editor window, one set for the program.
struct TVUREditorSettings
{
    // "Display"
    QString editorFontName = QStringLiteral("Courier New");
    int editorFontSize = 9;
    int gutterWidth = 30;
    bool syntaxHighlighting = true;
    int tabWidth = 2;
    bool visibleGutter = true;
    bool visibleLineNumbers = false;
    bool visibleMargin = true;
    // "Editor"
    bool autoIndentMode = true;
    bool smartTabs = true;

    bool operator==(const TVUREditorSettings &) const = default;
};

// The program's editor settings.
TVUREditorSettings &EditorSettings();

// The "Display" and "Editor" sections, each opened with the create flag;
// missing keys keep the values they have.
void LoadEditorSettings(IVURSettings &reader, const QString &root, TVUREditorSettings &settings = EditorSettings());
void SaveEditorSettings(IVURSettings &writer, const QString &root,
                        const TVUREditorSettings &settings = EditorSettings());

// Applies the settings to one control: the highlighter when syntax
// highlighting is on, plain text otherwise.
void ApplyEditorSettings(QsciScintilla *editor, const TVUREditorSettings &settings, TVURHighlighter *highlighter);
