#include "VURChildEditScript.h"

#include "VUREditorSettings.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURMsgBar.h"
#include "VURStatus.h"
#include "VURSynEdit.h"
#include "VURSynLexer.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QLayout>

#include <algorithm>
#include <vector>

namespace {

struct IssueCommand
{
    const char *name;
    const char *caption;
    const char *hint;
    QKeySequence key;
    void (TVURChildEditScriptForm::*handler)();
};

const IssueCommand kCommands[] = {
    {"ProcessMsgFirstAction", "<PLK>P&ierwsza uwaga<ENU>&First issue",
     "<PLK>Pierwsza uwaga|Przejdź do pierwszej uwagi w pliku<ENU>First issue|Go to the first issue in the file",
     QKeySequence(Qt::CTRL | Qt::Key_F7), &TVURChildEditScriptForm::ProcessMsgFirstActionExecute},
    {"ProcessMsgPrevAction", "<PLK>&Poprzednia uwaga<ENU>&Previous issue",
     "<PLK>Poprzednia uwaga|Przejdź do poprzedniej uwagi<ENU>Previous issue|Go to the previous issue",
     QKeySequence(Qt::Key_F7), &TVURChildEditScriptForm::ProcessMsgPrevActionExecute},
    {"ProcessMsgNextAction", "<PLK>&Następna uwaga<ENU>&Next issue",
     "<PLK>Następna uwaga|Przejdź do następnej uwagi<ENU>Next issue|Go to the next issue",
     QKeySequence(Qt::Key_F8), &TVURChildEditScriptForm::ProcessMsgNextActionExecute},
    {"ProcessMsgLastAction", "<PLK>&Ostatnia uwaga<ENU>&Last issue",
     "<PLK>Ostatnia uwaga|Przejdź do ostatniej uwagi w pliku<ENU>Last issue|Go to the last issue in the file",
     QKeySequence(Qt::CTRL | Qt::Key_F8), &TVURChildEditScriptForm::ProcessMsgLastActionExecute},
    {"ProcessMsgClearAction", "<PLK>&Czyść uwagi<ENU>Clea&r issues",
     "<PLK>Czyść uwagi|Usuń wszystkie uwagi z pliku<ENU>Clear issues|Remove all issues from the file", QKeySequence(),
     &TVURChildEditScriptForm::ProcessMsgClearActionExecute},
};

} // namespace

TVURChildEditScriptForm::TVURChildEditScriptForm(QWidget *owner)
    : TVURChildEditSynForm(owner)
    , m_msgBar(nullptr)
{
    for (const IssueCommand &command : kCommands) {
        QAction *action = AddChildAction(command.name, "Process");
        action->setShortcut(command.key);
        connect(action, &QAction::triggered, this, command.handler);
    }
}

void TVURChildEditScriptForm::FormCreate()
{
    TVURChildEditSynForm::FormCreate();
    m_msgBar = NewForm<TVURMsgBarPane>(this);
    layout()->addWidget(m_msgBar);
    ApplySettings();
    m_msgBar->SetHighlighter(IssueHighlighter());
    m_msgBar->SetLines(SynEdit());
}

void TVURChildEditScriptForm::TranslateTexts()
{
    TVURChildEditSynForm::TranslateTexts();
    for (const IssueCommand &command : kCommands) {
        QAction *action = Action(command.name);
        action->setText(TranslateText(QString::fromUtf8(command.caption)));
        const QString hint = TranslateText(QString::fromUtf8(command.hint));
        action->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
        action->setStatusTip(hint.section(QLatin1Char('|'), 1));
    }
}

void TVURChildEditScriptForm::LanguageChanged()
{
    TVURChildEditSynForm::LanguageChanged();
    ApplySettings();
}

void TVURChildEditScriptForm::ApplySettings()
{
    ApplyEditorSettings(SynEdit(), EditorSettings(), SharedHighlighter());
    if (m_msgBar)
        m_msgBar->setVisible(EditorSettings().visibleMargin);
}

TVURHighlighter *TVURChildEditScriptForm::IssueHighlighter() const
{
    if (auto *lexer = qobject_cast<TVURSynLexer *>(SynEdit()->lexer()); lexer && lexer->Highlighter())
        return lexer->Highlighter();
    return SharedHighlighter();
}

bool TVURChildEditScriptForm::IsTarget(int line) const
{
    const TVURHighlighter *highlighter = IssueHighlighter();
    if (!highlighter)
        return false;
    const QString text = LineText(line);
    return highlighter->IsIssueMarkLine(text) || highlighter->IsSecondaryMarkLine(text);
}

void TVURChildEditScriptForm::ShowTarget(int line)
{
    QsciScintilla *editor = SynEdit();
    editor->setCursorPosition(line, 0);
    const long visible = editor->SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
    editor->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE, qMax(0L, long(line) - visible / 2));
    ShowStatusMessage(QString(), VURColors::clWindowText, false, false);
}

void TVURChildEditScriptForm::ShowFirstTarget(int from, int to)
{
    const int count = SynEdit()->lines();
    const bool hasText = count > 1 || SynEdit()->length() > 0;
    if (hasText && from >= 0 && from < count && to >= 0 && to < count) {
        const int step = from <= to ? 1 : -1;
        for (int line = from; line != to + step; line += step) {
            if (IsTarget(line)) {
                ShowTarget(line);
                return;
            }
        }
    }
    ShowStatusMessage(QStringLiteral("<PLK>Brak dalszych uwag.<ENU>No more issues."), VURColors::kDarkRed, true, false);
}

void TVURChildEditScriptForm::ProcessMsgFirstActionExecute()
{
    ShowFirstTarget(0, SynEdit()->lines() - 1);
}

void TVURChildEditScriptForm::ProcessMsgLastActionExecute()
{
    ShowFirstTarget(SynEdit()->lines() - 1, 0);
}

void TVURChildEditScriptForm::ProcessMsgNextActionExecute()
{
    int line = 0, index = 0;
    SynEdit()->getCursorPosition(&line, &index);
    // Index C is the line below the caret line C (1-based).
    ShowFirstTarget(line + 1, SynEdit()->lines() - 1);
}

void TVURChildEditScriptForm::ProcessMsgPrevActionExecute()
{
    int line = 0, index = 0;
    SynEdit()->getCursorPosition(&line, &index);
    ShowFirstTarget(line - 1, 0);
}

void TVURChildEditScriptForm::ProcessMsgClearActionExecute()
{
    QsciScintilla *editor = SynEdit();
    const TVURHighlighter *highlighter = IssueHighlighter();
    int caretLine = 0, caretColumn = 0;
    editor->getCursorPosition(&caretLine, &caretColumn);
    // Scanned from the last line up, asking once at the first issue line.
    std::vector<int> removed;
    for (int i = editor->lines() - 1; i >= 0 && highlighter; --i) {
        const QString text = LineText(i);
        if (!highlighter->IsIssueMarkLine(text) && !highlighter->IsSecondaryMarkLine(text)
            && !highlighter->IsIssueLine(text))
            continue;
        if (removed.empty()
            && AskYesNo(QStringLiteral("<PLK>Usunąć wszystkie uwagi?<ENU>Clear all issues?")) != VURMessageBox::IdYes)
            return;
        removed.push_back(i);
        if (i < caretLine)
            --caretLine;
        else if (i == caretLine)
            caretColumn = 0;
    }
    if (removed.empty()) {
        ShowStatusMessage(QStringLiteral("<PLK>Brak uwag do usunięcia.<ENU>No issues to clear."), VURColors::kDarkRed,
                          true, false);
        return;
    }
    // One edit from the first to the last removed line: thousands of single
    // deletions cost the control far more, and one undo restores them all.
    const int first = removed.back();
    const int last = removed.front();
    QString kept;
    std::vector<bool> isRemoved(size_t(last - first + 1), false);
    for (int line : removed)
        isRemoved[size_t(line - first)] = true;
    for (int line = first; line <= last; ++line) {
        if (!isRemoved[size_t(line - first)])
            kept += editor->text(line);
    }
    // Bookmarks of kept lines follow their text.
    QList<QPair<int, int>> bookmarks;
    for (int n = 0; n < kBookmarks; ++n)
        bookmarks.append(BookmarkPosition(n));
    const long start = editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, long(first));
    const long end = last + 1 < editor->lines() ? editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, long(last + 1))
                                                : long(editor->length());
    const QByteArray bytes = kept.toUtf8();
    editor->beginUndoAction();
    editor->SendScintilla(QsciScintilla::SCI_SETTARGETSTART, start);
    editor->SendScintilla(QsciScintilla::SCI_SETTARGETEND, end);
    editor->SendScintilla(QsciScintilla::SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.constData());
    editor->endUndoAction();
    for (int n = 0; n < kBookmarks; ++n) {
        // Named copies: clang 14 cannot capture a structured binding.
        const int line = bookmarks.at(n).first;
        const int column = bookmarks.at(n).second;
        if (line < 0)
            continue;
        const int above = int(std::count_if(removed.begin(), removed.end(), [line](int r) { return r < line; }));
        const bool gone = std::find(removed.begin(), removed.end(), line) != removed.end();
        SetBookmark(n, gone ? -1 : line - above, column);
    }
    caretLine = qMin(caretLine, editor->lines() - 1);
    editor->setCursorPosition(qMax(caretLine, 0), qMin(caretColumn, editor->lineLength(qMax(caretLine, 0))));
}
