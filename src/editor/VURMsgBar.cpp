#include "VURMsgBar.h"

#include "VURSynEdit.h"

#include <Qsci/qsciscintilla.h>

#include <QFrame>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {

class PaintBox : public QWidget
{
public:
    PaintBox(TVURMsgBarPane *pane, QWidget *parent) : QWidget(parent), m_pane(pane)
    {
        setObjectName(QStringLiteral("MsgPaintBox"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_pane->PaintMarks(painter);
    }

private:
    TVURMsgBarPane *m_pane;
};

} // namespace

TVURMsgBarPane::TVURMsgBarPane(QWidget *owner)
    : TVURPaneForm(owner)
    , m_panel(new QFrame(this))
    , m_paintBox(nullptr)
{
    setObjectName(QStringLiteral("MsgBarPane"));
    m_panel->setObjectName(QStringLiteral("MsgPanel"));
    m_panel->setFrameShape(QFrame::NoFrame);
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    m_paintBox = new PaintBox(this, m_panel);
    panelLayout->addWidget(m_paintBox);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);
    setFixedWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    hide();
}

void TVURMsgBarPane::SetHighlighter(TVURHighlighter *highlighter)
{
    m_highlighter = highlighter;
    Reclassify();
}

void TVURMsgBarPane::SetLines(QsciScintilla *editor)
{
    if (m_editor)
        m_editor->disconnect(this);
    m_editor = editor;
    if (editor) {
        connect(editor, &QsciScintillaBase::SCN_MODIFIED, this,
                [this](int position, int modificationType, const char *, int, int linesAdded, int, int, int, int, int) {
                    OnModified(position, modificationType, linesAdded);
                });
    }
    Reclassify();
}

quint8 TVURMsgBarPane::Classify(int line) const
{
    QString text = m_editor->text(line);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    if (m_highlighter->IsIssueMarkLine(text))
        return IssueMark;
    if (m_highlighter->IsSecondaryMarkLine(text))
        return SecondaryMark;
    return NoMark;
}

void TVURMsgBarPane::Reclassify()
{
    m_classes.clear();
    m_changedSincePaint = true;
    if (!m_editor || !m_highlighter)
        return;
    const int count = m_editor->lines();
    m_classes.resize(size_t(count));
    for (int line = 0; line < count; ++line)
        m_classes[size_t(line)] = Classify(line);
}

void TVURMsgBarPane::OnModified(int position, int modificationType, int linesAdded)
{
    if (!(modificationType & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT)))
        return;
    if (!m_editor || !m_highlighter)
        return;
    const int first = int(m_editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(position)));
    if (linesAdded > 0)
        m_classes.insert(m_classes.begin() + qMin<qsizetype>(first + 1, qsizetype(m_classes.size())), size_t(linesAdded), NoMark);
    else if (linesAdded < 0) {
        const auto from = m_classes.begin() + qMin<qsizetype>(first + 1, qsizetype(m_classes.size()));
        const auto to = from + qMin<qsizetype>(-linesAdded, m_classes.end() - from);
        m_classes.erase(from, to);
    }
    const int count = m_editor->lines();
    if (int(m_classes.size()) != count) {
        // Out of step (cannot happen with whole notifications): start over.
        Reclassify();
        return;
    }
    const int last = qMin(count - 1, first + qMax(linesAdded, 0));
    for (int line = first; line <= last; ++line) {
        const quint8 mark = Classify(line);
        if (m_classes[size_t(line)] != mark) {
            m_classes[size_t(line)] = mark;
            m_changedSincePaint = true;
        }
    }
    if (linesAdded != 0)
        m_changedSincePaint = true;
}

int TVURMsgBarPane::Top() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
}

double TVURMsgBarPane::Available() const
{
    return height() - 2 * Top() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2;
}

int TVURMsgBarPane::MarkY(int top, double available, int lineCount, int index)
{
    // Ties go to the even neighbour.
    return top + int(std::nearbyint(available / double(lineCount) * double(index)));
}

void TVURMsgBarPane::PaintMarks(QPainter &painter)
{
    ++m_repaints;
    m_changedSincePaint = false;
    if (isHidden())
        return;
    if (!m_highlighter || !m_editor) {
        m_lineMarks.clear();
        return;
    }
    m_lineMarks = m_classes;
    const int count = int(m_lineMarks.size());
    const int top = Top();
    const double available = Available();
    const int w = width();
    const QColor red(255, 0, 0), maroon(128, 0, 0), yellow(255, 255, 0), olive(128, 128, 0);
    for (int i = 0; i < count; ++i) {
        const quint8 mark = m_lineMarks[size_t(i)];
        if (mark == NoMark)
            continue;
        const int y = MarkY(top, available, count, i);
        // The end points are not drawn: the lines stop one pixel short.
        painter.setPen(mark == IssueMark ? red : yellow);
        painter.drawLine(3, y, w - 5, y);
        painter.setPen(mark == IssueMark ? maroon : olive);
        painter.drawLine(4, y + 1, w - 4, y + 1);
    }
}

void TVURMsgBarPane::ApplicationEventsIdle()
{
    TVURPaneForm::ApplicationEventsIdle();
    if (isHidden())
        return;
    if (!m_highlighter || !m_editor) {
        // Nothing to show: one repaint clears what was drawn.
        if (!m_lineMarks.empty())
            m_paintBox->update();
        return;
    }
    if (m_changedSincePaint || m_classes.size() != m_lineMarks.size())
        m_paintBox->update();
}
