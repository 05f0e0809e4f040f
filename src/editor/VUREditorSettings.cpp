#include "VUREditorSettings.h"

#include "VURSettings.h"
#include "VURSynEdit.h"

TVUREditorSettings &EditorSettings()
{
    static TVUREditorSettings settings;
    return settings;
}

void LoadEditorSettings(IVURSettings &reader, const QString &root, TVUREditorSettings &settings)
{
    {
        TVURSettingsSection section(reader, root, QStringLiteral("Display"), true);
        if (section.IsOpen()) {
            settings.editorFontName = reader.ReadString(QStringLiteral("EditorFontName"), settings.editorFontName);
            settings.editorFontSize = reader.ReadInteger(QStringLiteral("EditorFontSize"), settings.editorFontSize);
            settings.gutterWidth = reader.ReadInteger(QStringLiteral("GutterWidth"), settings.gutterWidth);
            settings.syntaxHighlighting =
                reader.ReadBool(QStringLiteral("SyntaxHighlighting"), settings.syntaxHighlighting);
            settings.tabWidth = reader.ReadInteger(QStringLiteral("TabWidth"), settings.tabWidth);
            settings.visibleGutter = reader.ReadBool(QStringLiteral("VisibleGutter"), settings.visibleGutter);
            settings.visibleLineNumbers =
                reader.ReadBool(QStringLiteral("VisibleLineNumbers"), settings.visibleLineNumbers);
            settings.visibleMargin = reader.ReadBool(QStringLiteral("VisibleMargin"), settings.visibleMargin);
            section.Close();
        }
    }
    TVURSettingsSection section(reader, root, QStringLiteral("Editor"), true);
    if (section.IsOpen()) {
        settings.autoIndentMode = reader.ReadBool(QStringLiteral("AutoIndentMode"), settings.autoIndentMode);
        settings.smartTabs = reader.ReadBool(QStringLiteral("SmartTabs"), settings.smartTabs);
        section.Close();
    }
}

void SaveEditorSettings(IVURSettings &writer, const QString &root, const TVUREditorSettings &settings)
{
    {
        TVURSettingsSection section(writer, root, QStringLiteral("Display"), true);
        if (section.IsOpen()) {
            writer.WriteString(QStringLiteral("EditorFontName"), settings.editorFontName);
            writer.WriteInteger(QStringLiteral("EditorFontSize"), settings.editorFontSize);
            writer.WriteInteger(QStringLiteral("GutterWidth"), settings.gutterWidth);
            writer.WriteBool(QStringLiteral("SyntaxHighlighting"), settings.syntaxHighlighting);
            writer.WriteInteger(QStringLiteral("TabWidth"), settings.tabWidth);
            writer.WriteBool(QStringLiteral("VisibleGutter"), settings.visibleGutter);
            writer.WriteBool(QStringLiteral("VisibleLineNumbers"), settings.visibleLineNumbers);
            writer.WriteBool(QStringLiteral("VisibleMargin"), settings.visibleMargin);
            section.Close();
        }
    }
    TVURSettingsSection section(writer, root, QStringLiteral("Editor"), true);
    if (section.IsOpen()) {
        writer.WriteBool(QStringLiteral("AutoIndentMode"), settings.autoIndentMode);
        writer.WriteBool(QStringLiteral("SmartTabs"), settings.smartTabs);
        section.Close();
    }
}

void ApplyEditorSettings(QsciScintilla *editor, const TVUREditorSettings &settings, TVURHighlighter *highlighter)
{
    ApplyEditorSettings(editor, settings.autoIndentMode, settings.smartTabs, settings.editorFontSize,
                        settings.editorFontName, settings.visibleLineNumbers, settings.gutterWidth,
                        settings.visibleGutter, settings.tabWidth, settings.syntaxHighlighting ? highlighter : nullptr);
}
