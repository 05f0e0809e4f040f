#include "VURSmartTabs.h"

#include <Qsci/qsciscintilla.h>

#include <QKeyEvent>

TVURSmartTabs::TVURSmartTabs(QsciScintilla *editor)
    : QObject(editor)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("SmartTabs"));
    editor->installEventFilter(this);
}

int TVURSmartTabs::TargetColumn(QsciScintilla *editor, int line, int column)
{
    for (int above = line - 1; above >= 0; --above) {
        QString text = editor->text(above);
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        if (text.trimmed().isEmpty())
            continue;
        // The nearest line above with text: its next word start, if any.
        int i = column;
        while (i < text.size() && !text.at(i).isSpace())
            ++i;
        while (i < text.size() && text.at(i).isSpace())
            ++i;
        return i < text.size() && i > column ? i : -1;
    }
    return -1;
}

bool TVURSmartTabs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor || event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::NoModifier || m_editor->hasSelectedText()
        || m_editor->isReadOnly())
        return false;
    int line = 0;
    int index = 0;
    m_editor->getCursorPosition(&line, &index);
    const QString text = m_editor->text(line);
    // Columns count characters here; a tab in the text would break that.
    if (text.left(index).contains(QLatin1Char('\t')))
        return false;
    const int target = TargetColumn(m_editor, line, index);
    if (target < 0)
        return false;
    m_editor->insert(QString(target - index, QLatin1Char(' ')));
    m_editor->setCursorPosition(line, target);
    return true;
}
