#include "VMIZRunOutput.h"

#include "VURStrings.h"

namespace {

const QLatin1String kCounterStart(" [");
// A program that prints without end keeps only its last lines: the window
// shows the end of the output, where the verdict stands, and stays quick.
constexpr qsizetype kMaxLines = 20000;

} // namespace

QString TVMIZRunOutput::Trimmed(const QString &line)
{
    return VURStrings::TrimControls(line);
}

QString TVMIZRunOutput::LineKey(const QString &line)
{
    const QString trimmed = Trimmed(line);
    const qsizetype counter = trimmed.indexOf(kCounterStart);
    return counter < 0 ? trimmed : Trimmed(trimmed.left(counter));
}

void TVMIZRunOutput::AddLine(const QString &line)
{
    ++m_revision;
    while (!m_lines.isEmpty() && Trimmed(m_lines.last()).isEmpty())
        m_lines.removeLast();
    if (!m_lines.isEmpty()) {
        const qsizetype counter = line.indexOf(kCounterStart);
        if (counter >= 0 && Trimmed(line.left(counter)) == LineKey(m_lines.last())) {
            m_lines.last() = line;
            return;
        }
    }
    m_lines.append(line);
    if (m_lines.size() > kMaxLines)
        m_lines.remove(0, m_lines.size() - kMaxLines);
}

void TVMIZRunOutput::Clear()
{
    ++m_revision;
    m_lines.clear();
}

QString TVMIZRunOutput::DisplayText() const
{
    QString text;
    for (const QString &line : m_lines) {
        for (const QChar c : line) {
            if (c.unicode() >= ' ' || c == QLatin1Char('\t'))
                text += c;
        }
        text += QLatin1Char('\n');
    }
    return text;
}
