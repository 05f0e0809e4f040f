#pragma once

#include <QObject>

class QsciScintilla;

// Smart tabs: the Tab key moves the caret to the next word start of the line
// above, filling with blanks; where the line above offers none it is a
// plain Tab.
class TVURSmartTabs : public QObject
{
    Q_OBJECT

public:
    explicit TVURSmartTabs(QsciScintilla *editor);

    // The column the Tab key goes to from (line, column); -1 when the lines
    // above give no word start to the right.
    static int TargetColumn(QsciScintilla *editor, int line, int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QsciScintilla *m_editor;
};
