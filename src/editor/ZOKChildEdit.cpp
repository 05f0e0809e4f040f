#include "ZOKChildEdit.h"

#include "VURLang.h"
#include "VURSettings.h"
#include "VURStatus.h"
#include "ZOKApp.h"
#include "ZOKHighlighter.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>

namespace {

struct ArticleCommand
{
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;
    QKeySequence key;
    void (TZOKChildEditForm::*handler)();
};

const ArticleCommand kCommands[] = {
    {"EditBlockCommentAction", "Edit", "<PLK>Ko&mentuj blok<ENU>Comment &block", "<PLK>Komentuj blok<ENU>Comment block",
     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period), &TZOKChildEditForm::EditBlockCommentActionExecute},
    {"EditBlockUncommentAction", "Edit", "<PLK>O&dkomentuj blok<ENU>Uncomment bloc&k",
     "<PLK>Odkomentuj blok<ENU>Uncomment block", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Comma),
     &TZOKChildEditForm::EditBlockUncommentActionExecute},
    {"HelpContextAction", "Help", "<PLK>Pomoc synta&ktyczna<ENU>Synta&x Help",
     "<PLK>Pomoc na temat wybranego elementu syntaktycznego w artykule<ENU>Help on the currently selected syntax "
     "element in the article",
     QKeySequence(Qt::CTRL | Qt::Key_F1), &TZOKChildEditForm::HelpContextActionExecute},
};

void Insert(QsciScintilla *editor, int line, int column, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    editor->SendScintilla(QsciScintilla::SCI_INSERTTEXT, editor->positionFromLineIndex(line, column), bytes.constData());
}

void Remove(QsciScintilla *editor, int line, int column, int length)
{
    const long start = editor->positionFromLineIndex(line, column);
    editor->SendScintilla(QsciScintilla::SCI_DELETERANGE, start, long(length));
}

} // namespace

bool &IndentLabels()
{
    static bool value = true;
    return value;
}

void LoadMiscSettings(IVURSettings &reader, const QString &root)
{
    TVURSettingsSection section(reader, root, QStringLiteral("Misc"), true);
    if (!section.IsOpen())
        return;
    IndentLabels() = reader.ReadBool(QStringLiteral("IndentLabels"), IndentLabels());
    section.Close();
}

void SaveMiscSettings(IVURSettings &writer, const QString &root)
{
    TVURSettingsSection section(writer, root, QStringLiteral("Misc"), true);
    if (!section.IsOpen())
        return;
    writer.WriteBool(QStringLiteral("IndentLabels"), IndentLabels());
    section.Close();
}

TZOKChildEditForm::TZOKChildEditForm(QWidget *owner)
    : TVURChildEditScriptForm(owner)
{
    for (const ArticleCommand &command : kCommands) {
        QAction *action = AddChildAction(command.name, command.category);
        action->setShortcut(command.key);
        connect(action, &QAction::triggered, this, command.handler);
    }
    // Before the creation steps of the layers above.
    SynEdit()->setEdgeMode(QsciScintilla::EdgeLine);
    SynEdit()->setEdgeColumn(kRightEdgeColumn);
}

void TZOKChildEditForm::TranslateTexts()
{
    TVURChildEditScriptForm::TranslateTexts();
    for (const ArticleCommand &command : kCommands) {
        QAction *action = Action(command.name);
        action->setText(TranslateText(QString::fromUtf8(command.caption)));
        action->setToolTip(TranslateText(QString::fromUtf8(command.hint)));
        action->setStatusTip(action->toolTip());
    }
}

QString TZOKChildEditForm::GetDefaultExt() const
{
    const TZOKApp *app = GetZOKApp();
    return app ? app->GetDefaultExt() : QString();
}

QString TZOKChildEditForm::GetFilter() const
{
    const TZOKApp *app = GetZOKApp();
    return app ? app->GetFilter() : QString();
}

int TZOKChildEditForm::LabelColumn(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && IsZOKIdentifierChar(line.at(i).unicode()))
        ++i;
    if (i > 0 && i < line.size() && line.at(i) == QLatin1Char(':'))
        return int(i) + 2;
    return 1;
}

QPair<int, int> TZOKChildEditForm::BlockOfLines() const
{
    int lineFrom = -1, indexFrom = -1, lineTo = -1, indexTo = -1;
    SynEdit()->getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
    if (lineFrom < 0 || (lineFrom == lineTo && indexFrom == indexTo)) {
        int line = 0, index = 0;
        SynEdit()->getCursorPosition(&line, &index);
        return {line, line};
    }
    if (indexTo == 0 && lineTo > lineFrom)
        --lineTo;
    return {lineFrom, lineTo};
}

void TZOKChildEditForm::EditBlock(const std::function<void(int line)> &edit)
{
    QsciScintilla *editor = SynEdit();
    const QPair<int, int> block = BlockOfLines();
    // Caret and anchor keep their line and column, not their positions.
    int anchorLine = 0, anchorIndex = 0, caretLine = 0, caretIndex = 0;
    editor->lineIndexFromPosition(int(editor->SendScintilla(QsciScintilla::SCI_GETANCHOR)), &anchorLine, &anchorIndex);
    editor->lineIndexFromPosition(int(editor->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS)), &caretLine, &caretIndex);
    const SelectionMode mode = GetSelectionMode();
    editor->beginUndoAction();
    try {
        for (int line = block.first; line <= block.second; ++line)
            edit(line);
    } catch (...) {
        qWarning("a block edit failed part way; the lines changed so far stay changed");
    }
    editor->endUndoAction();
    SetModified(true);
    SetSelectionMode(mode);
    editor->SendScintilla(QsciScintilla::SCI_SETSEL, long(editor->positionFromLineIndex(anchorLine, anchorIndex)),
                          long(editor->positionFromLineIndex(caretLine, caretIndex)));
}

void TZOKChildEditForm::EditBlockCommentActionExecute()
{
    EditBlock([this](int line) { Insert(SynEdit(), line, 0, QStringLiteral("::")); });
}

void TZOKChildEditForm::EditBlockUncommentActionExecute()
{
    EditBlock([this](int line) {
        if (SynEdit()->text(line).startsWith(QLatin1String("::")))
            Remove(SynEdit(), line, 0, 2);
    });
}

void TZOKChildEditForm::BlockIndent()
{
    if (!IndentLabels()) {
        TVURChildEditScriptForm::BlockIndent();
        return;
    }
    const QString indent(qMax(SynEdit()->tabWidth(), 1), QLatin1Char(' '));
    const TVURHighlighter *highlighter = IssueHighlighter();
    EditBlock([this, &indent, highlighter](int line) {
        QString text = SynEdit()->text(line);
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        if (text.isEmpty() || (highlighter && (highlighter->IsIssueMarkLine(text) || highlighter->IsIssueLine(text))))
            return;
        Insert(SynEdit(), line, LabelColumn(text) - 1, indent);
    });
}

void TZOKChildEditForm::BlockUnindent()
{
    if (!IndentLabels()) {
        TVURChildEditScriptForm::BlockUnindent();
        return;
    }
    const int width = qMax(SynEdit()->tabWidth(), 1);
    EditBlock([this, width](int line) {
        const QString text = SynEdit()->text(line);
        const int start = LabelColumn(text) - 1;
        int blanks = 0;
        while (blanks < width && start + blanks < text.size() && text.at(start + blanks) == QLatin1Char(' '))
            ++blanks;
        if (blanks > 0)
            Remove(SynEdit(), line, start, blanks);
    });
}

bool TZOKChildEditForm::ShowContextHelp()
{
    return false;
}

void TZOKChildEditForm::HelpContextActionExecute()
{
    int line = 0, index = 0;
    SynEdit()->getCursorPosition(&line, &index);
    if (SynEdit()->length() == 0 || line >= SynEdit()->lines())
        return;
    ShowStatusReady();
    if (!ShowContextHelp())
        ShowStatusMessage(QStringLiteral("<PLK>Brak pomocy dla tego kontekstu.<ENU>Help is not available for this context."),
                          VURColors::kDarkRed, true, false);
}

void TZOKChildEditForm::ReportIssueCount(int count)
{
    if (count <= 0) {
        ShowStatusMessage(QStringLiteral("<PLK>DZIĘKI, O.K.<ENU>THANKS, O.K."), VURColors::kDarkGreen, true, false);
        return;
    }
    ShowStatusMessage(TranslateText(QStringLiteral("<PLK>SORKI, znalezionych uwag: %d<ENU>SORRY, issues found: %d"))
                          .replace(QStringLiteral("%d"), QString::number(count)),
                      VURColors::kDarkRed, true, false);
}
