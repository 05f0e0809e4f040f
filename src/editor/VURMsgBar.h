#pragma once

#include "VURPane.h"
#include "VURSynEdit.h"

#include <QPointer>

#include <vector>

class QFrame;
class QsciScintilla;
class TVURHighlighter;

// The narrow strip at the right edge of an editor window that marks where
// the issue lines are, the whole text mapped onto the height of the scroll
// bar track. Line classes are kept up to date from the control's change
// notifications, so an idle moment with nothing changed costs nothing.
class TVURMsgBarPane : public TVURPaneForm
{
    Q_OBJECT

public:
    enum LineMark { NoMark = 0, IssueMark = 1, SecondaryMark = 2 };

    explicit TVURMsgBarPane(QWidget *owner);

    void SetHighlighter(TVURHighlighter *highlighter);
    void SetLines(QsciScintilla *editor);
    TVURHighlighter *Highlighter() const { return m_highlighter; }

    // The marks of the last painting, one per line.
    const std::vector<quint8> &LineMarks() const { return m_lineMarks; }
    // Where the mark of a line is drawn for a given pane height.
    static int MarkY(int top, double available, int lineCount, int index);
    int Top() const;
    double Available() const;

    QFrame *MsgPanel() const { return m_panel; }
    QWidget *MsgPaintBox() const { return m_paintBox; }
    int Repaints() const { return m_repaints; }

    void PaintMarks(QPainter &painter);

protected:
    void ApplicationEventsIdle() override;

private:
    void Reclassify();
    void OnModified(int position, int modificationType, int linesAdded);
    quint8 Classify(int line) const;

    QFrame *m_panel;
    QWidget *m_paintBox;
    QPointer<TVURHighlighter> m_highlighter;
    QPointer<QsciScintilla> m_editor;
    std::vector<quint8> m_classes;   // kept current from the notifications
    std::vector<quint8> m_lineMarks; // as painted last
    bool m_changedSincePaint = true;
    int m_repaints = 0;
};
