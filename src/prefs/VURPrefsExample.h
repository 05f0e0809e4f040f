#pragma once

#include <QFrame>

class QsciScintilla;
class TVURHighlighter;
class TVURMsgBarPane;
struct TVUREditorSettings;

// The example of the display and colour pages: a read-only editor showing
// the sample article, with a message bar at its right edge.
class TVURPrefsExample : public QFrame
{
    Q_OBJECT

public:
    explicit TVURPrefsExample(QWidget *parent = nullptr);

    // Shows the settings (auto indent and smart tabs off) through the
    // highlighter, or plain when it is null; the bar as asked.
    void Apply(const TVUREditorSettings &settings, TVURHighlighter *highlighter, bool showBar);
    void SetSample(const QString &text);
    void SetBarHighlighter(TVURHighlighter *highlighter);

    QsciScintilla *ExampleSynEdit() const { return m_exampleSynEdit; }
    TVURMsgBarPane *MsgBar() const { return m_msgBar; }

private:
    QsciScintilla *m_exampleSynEdit;
    TVURMsgBarPane *m_msgBar;
};
