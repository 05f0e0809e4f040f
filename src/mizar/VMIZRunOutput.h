#pragma once

#include <QString>
#include <QStringList>

// The lines a run window shows: a progress line rewritten in place (a label,
// " [" and a counter) replaces its previous state, and a blank line stays
// only while it is the last one. Only the last 20 000 lines are kept.
class TVMIZRunOutput
{
public:
    void AddLine(const QString &line);
    void Clear();

    const QStringList &Lines() const { return m_lines; }
    // Grows with every change, so a display can tell whether to refresh.
    quint64 Revision() const { return m_revision; }
    // The lines as a view shows them: one per line, control characters
    // (the bells before boxed messages) left out.
    QString DisplayText() const;

    // The part before the first " [", trimmed; the whole line trimmed when
    // it has none.
    static QString LineKey(const QString &line);
    // Without leading and trailing characters of code 32 or below.
    static QString Trimmed(const QString &line);

private:
    QStringList m_lines;
    quint64 m_revision = 0;
};
