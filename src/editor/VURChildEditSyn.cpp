#include "VURChildEditSyn.h"

#include "VURControls.h"
#include "VURFiles.h"
#include "VURKernel.h"
#include "VURLang.h"
#include "VURMacroRecorder.h"
#include "VURMessageBoxes.h"
#include "VURSearchConfirm.h"
#include "VURSearchIncremental.h"
#include "VURSearchLine.h"
#include "VURSearchReplace.h"
#include "VURSearchState.h"
#include "VURSmartTabs.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QHBoxLayout>

using VURTextFile::TVUREncoding;

namespace {

constexpr int kBookmarkMask = (1 << TVURChildEditGenForm::kBookmarks) - 1;

// A gutter picture for bookmark n: the digit on a small flag.
QPixmap BookmarkPicture(int n)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x1f, 0x4e, 0x79));
    painter.setBrush(QColor(0xd6, 0xe6, 0xf5));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 13, 13), 2, 2);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 14, 14), Qt::AlignCenter, QString::number(n));
    return pixmap;
}

QString FormatPosition(QString text, int line, int column)
{
    const qsizetype first = text.indexOf(QStringLiteral("%d"));
    if (first >= 0)
        text.replace(first, 2, QString::number(line));
    const qsizetype second = text.indexOf(QStringLiteral("%d"));
    if (second >= 0)
        text.replace(second, 2, QString::number(column));
    return text;
}

} // namespace

TVURChildEditSynForm::TVURChildEditSynForm(QWidget *owner)
    : TVURChildEditGenForm(owner)
    , m_synEdit(new QsciScintilla(this))
    , m_macroRecorder(new TVURMacroRecorder(m_synEdit))
    , m_search(m_synEdit)
{
    m_bookmarkHandles.fill(-1);
    m_bookmarkColumns.fill(0);
    m_synEdit->setObjectName(QStringLiteral("SynEdit"));
    // Side by side: the layers above add bars at the right edge.
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_synEdit, 1);
    setFocusProxy(m_synEdit);

    // The initial configuration; the editor settings apply over it.
    m_synEdit->setUtf8(true);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(10);
    m_synEdit->setFont(font);
    QFont gutterFont(QStringLiteral("Courier New"));
    gutterFont.setPointSize(8);
    m_synEdit->setMarginsFont(gutterFont);
    m_synEdit->setTabWidth(2);
    m_synEdit->setEdgeMode(QsciScintilla::EdgeNone);
    m_synEdit->setAutoIndent(true);
    m_synEdit->setIndentationsUseTabs(false);
    m_synEdit->SendScintilla(QsciScintilla::SCI_SETSCROLLWIDTHTRACKING, 1L);
    m_synEdit->SendScintilla(QsciScintilla::SCI_SETENDATLASTLINE, 0L);
    new TVURSmartTabs(m_synEdit);
    m_synEdit->setMarginSensitivity(0, false);
    for (int n = 0; n < kBookmarks; ++n)
        m_synEdit->markerDefine(BookmarkPicture(n), n);
    m_synEdit->setMarginMarkerMask(0, kBookmarkMask);
    m_synEdit->installEventFilter(this);

    connect(m_synEdit, &QsciScintilla::textChanged, this, &TVURChildEditSynForm::SynEditChange);
    connect(m_synEdit, &QsciScintilla::selectionChanged, this, &TVURChildEditSynForm::Child_ActionListUpdate);
    connect(m_synEdit, &QsciScintilla::cursorPositionChanged, this, &TVURChildEditSynForm::Child_ActionListUpdate);
    connect(m_synEdit->verticalScrollBar(), &QScrollBar::valueChanged, this, &TVURChildEditSynForm::SynEditScroll);
    connect(m_synEdit->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TVURChildEditSynForm::SynEditScroll);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TVURChildEditSynForm::Child_ActionListUpdate);
    connect(m_macroRecorder, &TVURMacroRecorder::StateChanged, this, [this] {
        RefreshMacroTexts();
        Child_ActionListUpdate();
    });

    const struct
    {
        const char *name;
        void (TVURChildEditSynForm::*handler)();
    } handlers[] = {
        {"EditUndoAction", &TVURChildEditSynForm::EditUndoActionExecute},
        {"EditRedoAction", &TVURChildEditSynForm::EditRedoActionExecute},
        {"EditCutAction", &TVURChildEditSynForm::EditCutActionExecute},
        {"EditCopyAction", &TVURChildEditSynForm::EditCopyActionExecute},
        {"EditPasteAction", &TVURChildEditSynForm::EditPasteActionExecute},
        {"EditClearAction", &TVURChildEditSynForm::EditClearActionExecute},
        {"EditSelectAllAction", &TVURChildEditSynForm::EditSelectAllActionExecute},
        {"EditBlockIndentAction", &TVURChildEditSynForm::EditBlockIndentActionExecute},
        {"EditBlockUnindentAction", &TVURChildEditSynForm::EditBlockUnindentActionExecute},
        {"EditSelectNormalAction", &TVURChildEditSynForm::EditSelectNormalActionExecute},
        {"EditSelectColumnAction", &TVURChildEditSynForm::EditSelectColumnActionExecute},
        {"EditSelectLineAction", &TVURChildEditSynForm::EditSelectLineActionExecute},
        {"EditFindAction", &TVURChildEditSynForm::EditFindActionExecute},
        {"EditReplaceAction", &TVURChildEditSynForm::EditReplaceActionExecute},
        {"EditFindNextAction", &TVURChildEditSynForm::EditFindNextActionExecute},
        {"EditIncrementalSearchAction", &TVURChildEditSynForm::EditIncrementalSearchActionExecute},
        {"SearchLineAction", &TVURChildEditSynForm::SearchLineActionExecute},
        {"BookmarkClearAllAction", &TVURChildEditSynForm::BookmarkClearAllActionExecute},
        {"MacroRecordAction", &TVURChildEditSynForm::MacroRecordActionExecute},
        {"MacroPauseAction", &TVURChildEditSynForm::MacroPauseActionExecute},
        {"MacroPlaybackAction", &TVURChildEditSynForm::MacroPlaybackActionExecute},
    };
    for (const auto &entry : handlers)
        connect(Action(entry.name), &QAction::triggered, this, entry.handler);
    for (int n = 0; n < kBookmarks; ++n) {
        QAction *insert = ChildAction(QStringLiteral("BookmarkInsert%1Action").arg(n));
        QAction *go = ChildAction(QStringLiteral("BookmarkGoto%1Action").arg(n));
        connect(insert, &QAction::triggered, this, [this, insert] { BookmarkInsertNActionExecute(insert); });
        connect(go, &QAction::triggered, this, [this, go] { BookmarkGotoNActionExecute(go); });
    }
    Child_ActionListUpdate();
}

TVURChildEditSynForm::~TVURChildEditSynForm()
{
    Unregister();
}

void TVURChildEditSynForm::TranslateTexts()
{
    TVURChildEditGenForm::TranslateTexts();
    RefreshMacroTexts();
}

QString TVURChildEditSynForm::Text() const
{
    const long length = m_synEdit->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const char *bytes = reinterpret_cast<const char *>(m_synEdit->SendScintilla(QsciScintilla::SCI_GETCHARACTERPOINTER));
    return bytes ? QString::fromUtf8(bytes, length) : QString();
}

void TVURChildEditSynForm::SetText(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    m_synEdit->SendScintilla(QsciScintilla::SCI_CLEARALL);
    m_synEdit->SendScintilla(QsciScintilla::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
}

QString TVURChildEditSynForm::LineBreak() const
{
    const QString text = Text();
    return text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

int TVURChildEditSynForm::TopLine() const
{
    return m_synEdit->firstVisibleLine();
}

void TVURChildEditSynForm::SetTopLine(int line)
{
    m_synEdit->setFirstVisibleLine(line);
}

int TVURChildEditSynForm::CaretOffset() const
{
    const long start = m_synEdit->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART);
    return int(m_synEdit->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, 0UL, start));
}

void TVURChildEditSynForm::SetCaretOffset(int offset)
{
    // Counted from the start, so a character of several bytes is one step.
    const long length = m_synEdit->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    long position = m_synEdit->SendScintilla(QsciScintilla::SCI_POSITIONRELATIVE, 0UL, long(offset < 0 ? 0 : offset));
    if (position <= 0 && offset > 0)
        position = length;
    // Not scrolled into view: the caller may have set the top line already.
    m_synEdit->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(position));
}

void TVURChildEditSynForm::LoadFromFile(const QString &fileName)
{
    const VURTextFile::TVURTextContent content = VURTextFile::ReadTextFile(fileName);
    m_loading = true;
    SetText(content.text);
    m_synEdit->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    m_synEdit->SendScintilla(QsciScintilla::SCI_SETSAVEPOINT);
    m_loading = false;
    m_encoding = content.encoding;
    int line = 0;
    int index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    if (m_synEdit->length() == 0)
        m_synEdit->setCursorPosition(0, 0);
    else if (line >= m_synEdit->lines())
        m_synEdit->setCursorPosition(m_synEdit->lines() - 1, 0);
    Child_ActionListUpdate();
}

void TVURChildEditSynForm::SaveToFile(const QString &fileName)
{
    VURTextFile::WriteTextFile(fileName, Text(), m_encoding);
}

void TVURChildEditSynForm::InsertFile(const QString &fileName, bool &)
{
    QString text = VURTextFile::ReadTextFile(fileName).text;
    // Lines, each ending in this text's line break.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    text.replace(QLatin1Char('\n'), LineBreak());
    m_synEdit->beginUndoAction();
    if (m_synEdit->hasSelectedText())
        m_synEdit->removeSelectedText();
    const QByteArray bytes = text.toUtf8();
    m_synEdit->SendScintilla(QsciScintilla::SCI_REPLACESEL, 0UL, bytes.constData());
    m_synEdit->endUndoAction();
}

void TVURChildEditSynForm::WriteBlock(const QString &fileName, bool append)
{
    QString text;
    QString lineBreak = QStringLiteral("\n");
    if (append) {
        const VURTextFile::TVURTextContent existing = VURTextFile::ReadTextFile(fileName);
        if (existing.text.contains(QStringLiteral("\r\n")))
            lineBreak = QStringLiteral("\r\n");
        QString lines = existing.text;
        if (!lines.isEmpty() && !lines.endsWith(QLatin1Char('\n')))
            lines += lineBreak;
        text = lines;
    }
    QString block = m_synEdit->selectedText();
    block.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!block.endsWith(QLatin1Char('\n')))
        block += QLatin1Char('\n');
    block.replace(QLatin1Char('\n'), lineBreak);
    text += block;
    const QFileInfo info(fileName);
    if (info.exists() && info.size() > 0)
        VURFiles::CreateBackupFile(fileName);
    VURTextFile::WriteTextFile(fileName, text, m_encoding);
}

QString TVURChildEditSynForm::GetPositionText() const
{
    int line = 0;
    int index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    return FormatPosition(TranslateText(QStringLiteral("<PLK>Pozycja %d : %d<ENU>Position %d : %d")), line + 1, index + 1);
}

void TVURChildEditSynForm::EditSelectedLines(const std::function<void(int line)> &edit)
{
    int lineFrom = 0, indexFrom = 0, lineTo = 0, indexTo = 0;
    m_synEdit->getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
    if (lineFrom < 0) {
        m_synEdit->getCursorPosition(&lineFrom, &indexFrom);
        lineTo = lineFrom;
    } else if (lineTo > lineFrom && indexTo == 0) {
        // A selection of whole lines ends at the start of the next one.
        --lineTo;
    }
    m_synEdit->beginUndoAction();
    for (int line = lineFrom; line <= lineTo; ++line)
        edit(line);
    m_synEdit->endUndoAction();
}

void TVURChildEditSynForm::BlockIndent()
{
    EditSelectedLines([this](int line) { m_synEdit->indent(line); });
}

void TVURChildEditSynForm::BlockUnindent()
{
    EditSelectedLines([this](int line) { m_synEdit->unindent(line); });
}

TVURChildEditSynForm::SelectionMode TVURChildEditSynForm::GetSelectionMode() const
{
    switch (m_synEdit->SendScintilla(QsciScintilla::SCI_GETSELECTIONMODE)) {
    case QsciScintilla::SC_SEL_RECTANGLE:
    case QsciScintilla::SC_SEL_THIN:
        return SelectionMode::Column;
    case QsciScintilla::SC_SEL_LINES:
        return SelectionMode::Line;
    default:
        return SelectionMode::Normal;
    }
}

void TVURChildEditSynForm::SetSelectionMode(SelectionMode mode)
{
    const long scintillaMode = mode == SelectionMode::Column ? QsciScintilla::SC_SEL_RECTANGLE
                               : mode == SelectionMode::Line ? QsciScintilla::SC_SEL_LINES
                                                             : QsciScintilla::SC_SEL_STREAM;
    m_synEdit->SendScintilla(QsciScintilla::SCI_SETSELECTIONMODE, scintillaMode);
    Child_ActionListUpdate();
}

bool TVURChildEditSynForm::IsBookmarkSet(int n) const
{
    return n >= 0 && n < kBookmarks && m_bookmarkHandles[size_t(n)] >= 0
           && m_synEdit->markerLine(m_bookmarkHandles[size_t(n)]) >= 0;
}

QPair<int, int> TVURChildEditSynForm::BookmarkPosition(int n) const
{
    if (!IsBookmarkSet(n))
        return {-1, -1};
    return {m_synEdit->markerLine(m_bookmarkHandles[size_t(n)]), m_bookmarkColumns[size_t(n)]};
}

void TVURChildEditSynForm::Child_ActionListUpdate()
{
    const bool selection = m_synEdit->hasSelectedText();
    Action("EditUndoAction")->setEnabled(m_synEdit->isUndoAvailable());
    Action("EditRedoAction")->setEnabled(m_synEdit->isRedoAvailable());
    for (const char *name : {"EditCutAction", "EditCopyAction", "EditClearAction", "EditBlockSaveAction", "EditBlockAppendAction"})
        Action(name)->setEnabled(selection);
    Action("EditPasteAction")->setEnabled(m_synEdit->SendScintilla(QsciScintilla::SCI_CANPASTE) != 0);
    const int lines = m_synEdit->lines();
    Action("EditSelectAllAction")->setEnabled(lines >= 2 || (lines == 1 && m_synEdit->length() > 0));
    Action("EditFindNextAction")->setEnabled(HasSearchText());
    Action("SearchLineAction")->setEnabled(m_synEdit->length() > 0 || lines > 1);
    const TVURMacroRecorder::State state = m_macroRecorder->GetState();
    Action("MacroRecordAction")->setEnabled(state != TVURMacroRecorder::State::Playing);
    Action("MacroPauseAction")->setEnabled(state == TVURMacroRecorder::State::Recording
                                           || state == TVURMacroRecorder::State::Paused);
    Action("MacroPlaybackAction")->setEnabled(state == TVURMacroRecorder::State::Stopped && !m_macroRecorder->IsEmpty());
    bool anyBookmark = false;
    for (int n = 0; n < kBookmarks; ++n) {
        const bool set = IsBookmarkSet(n);
        anyBookmark = anyBookmark || set;
        ChildAction(QStringLiteral("BookmarkGoto%1Action").arg(n))->setEnabled(set);
    }
    Action("BookmarkClearAllAction")->setEnabled(anyBookmark);
    const SelectionMode mode = GetSelectionMode();
    Action("EditSelectNormalAction")->setChecked(mode == SelectionMode::Normal);
    Action("EditSelectColumnAction")->setChecked(mode == SelectionMode::Column);
    Action("EditSelectLineAction")->setChecked(mode == SelectionMode::Line);
}

void TVURChildEditSynForm::EditUndoActionExecute() { m_synEdit->undo(); }
void TVURChildEditSynForm::EditRedoActionExecute() { m_synEdit->redo(); }
void TVURChildEditSynForm::EditCutActionExecute() { m_synEdit->cut(); }
void TVURChildEditSynForm::EditCopyActionExecute() { m_synEdit->copy(); Child_ActionListUpdate(); }
void TVURChildEditSynForm::EditPasteActionExecute() { m_synEdit->paste(); }
void TVURChildEditSynForm::EditClearActionExecute() { m_synEdit->removeSelectedText(); }

void TVURChildEditSynForm::EditSelectAllActionExecute()
{
    SetSelectionMode(SelectionMode::Normal);
    m_synEdit->selectAll(true);
}

void TVURChildEditSynForm::EditBlockIndentActionExecute() { BlockIndent(); }
void TVURChildEditSynForm::EditBlockUnindentActionExecute() { BlockUnindent(); }
void TVURChildEditSynForm::EditSelectNormalActionExecute() { SetSelectionMode(SelectionMode::Normal); }
void TVURChildEditSynForm::EditSelectColumnActionExecute() { SetSelectionMode(SelectionMode::Column); }
void TVURChildEditSynForm::EditSelectLineActionExecute() { SetSelectionMode(SelectionMode::Line); }

int TVURChildEditSynForm::BookmarkNumber(QAction *action, const char *firstName) const
{
    return ActionIndex(&ChildActionList(), action) - ActionIndex(&ChildActionList(), ChildAction(QString::fromLatin1(firstName)));
}

void TVURChildEditSynForm::SetBookmark(int n, int line, int column)
{
    if (n < 0 || n >= kBookmarks)
        return;
    if (m_bookmarkHandles[size_t(n)] >= 0)
        m_synEdit->markerDeleteHandle(m_bookmarkHandles[size_t(n)]);
    m_bookmarkHandles[size_t(n)] = line < 0 ? -1 : m_synEdit->markerAdd(line, n);
    m_bookmarkColumns[size_t(n)] = column;
    Child_ActionListUpdate();
}

void TVURChildEditSynForm::BookmarkInsertNActionExecute(QAction *action)
{
    int line = 0;
    int index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    SetBookmark(BookmarkNumber(action, "BookmarkInsert0Action"), line, index);
}

void TVURChildEditSynForm::BookmarkGotoNActionExecute(QAction *action)
{
    const int n = BookmarkNumber(action, "BookmarkGoto0Action");
    if (!IsBookmarkSet(n))
        return;
    const auto [line, column] = BookmarkPosition(n);
    m_synEdit->setCursorPosition(line, qMin(column, m_synEdit->lineLength(line)));
    m_synEdit->ensureCursorVisible();
}

void TVURChildEditSynForm::BookmarkClearAllActionExecute()
{
    for (int n = kBookmarks - 1; n >= 0; --n) {
        if (IsBookmarkSet(n))
            m_synEdit->markerDeleteHandle(m_bookmarkHandles[size_t(n)]);
        m_bookmarkHandles[size_t(n)] = -1;
    }
    Child_ActionListUpdate();
}

void TVURChildEditSynForm::MacroRecordActionExecute()
{
    if (m_macroRecorder->GetState() == TVURMacroRecorder::State::Stopped)
        m_macroRecorder->RecordMacro();
    else
        m_macroRecorder->Stop();
    RefreshMacroTexts();
}

void TVURChildEditSynForm::MacroPauseActionExecute()
{
    if (m_macroRecorder->GetState() == TVURMacroRecorder::State::Paused)
        m_macroRecorder->Resume();
    else
        m_macroRecorder->Pause();
    RefreshMacroTexts();
}

void TVURChildEditSynForm::MacroPlaybackActionExecute()
{
    if (m_macroRecorder->GetState() == TVURMacroRecorder::State::Stopped && !m_macroRecorder->IsEmpty())
        m_macroRecorder->PlaybackMacro();
    RefreshMacroTexts();
}

void TVURChildEditSynForm::EditFindActionExecute()
{
    OpenSearchDialog(false);
}

void TVURChildEditSynForm::EditReplaceActionExecute()
{
    OpenSearchDialog(true);
}

void TVURChildEditSynForm::OpenSearchDialog(bool replace)
{
    TVURSearchState &state = SearchState();
    // The last match still selected does not narrow the next search.
    state.selectedOnly = state.searchText == m_synEdit->selectedText() ? false : m_synEdit->hasSelectedText();
    if (SearchWordAtCaret()) {
        const QString word = WordAtCaret();
        if (!word.isEmpty())
            state.searchText = word;
    }
    const auto load = [&state](TVURSearchFindForm &dialog) { dialog.LoadState(state); };
    const auto store = [&state](TVURSearchFindForm &dialog) { dialog.StoreState(state); };
    const int result = replace ? ShowDialog<TVURSearchReplaceForm>(this, load, store)
                               : ShowDialog<TVURSearchFindForm>(this, load, store);
    if (result != TVURDialogForm::mrOk)
        return;
    state.lastWasReplace = replace;
    state.searchTextSet = true;
    m_originFromCursor = state.fromCursor;
    m_selectedOnly = state.selectedOnly;
    if (!state.searchText.isEmpty())
        SearchRun(replace);
}

void TVURChildEditSynForm::EditFindNextActionExecute()
{
    SearchRun(SearchState().lastWasReplace);
}

bool TVURChildEditSynForm::HasSearchText() const
{
    return SearchState().searchTextSet;
}

void TVURChildEditSynForm::SearchRun(bool replace)
{
    const TVURSearchState &state = SearchState();
    unsigned options = 0;
    if (replace) {
        options |= TVURSynSearch::Replace;
        if (state.replaceAll)
            options |= TVURSynSearch::ReplaceAll;
        if (state.promptOnReplace)
            options |= TVURSynSearch::Prompt;
    }
    if (state.backwards)
        options |= TVURSynSearch::Backwards;
    if (state.matchCase)
        options |= TVURSynSearch::MatchCase;
    if (!m_originFromCursor)
        options |= TVURSynSearch::EntireScope;
    if (m_selectedOnly)
        options |= TVURSynSearch::SelectedOnly;
    if (state.wholeWords)
        options |= TVURSynSearch::WholeWord;
    m_search.SetEngine(state.regularExpressions ? TVURSynSearch::Engine::RegEx
                       : state.wildcards        ? TVURSynSearch::Engine::Wildcard
                                                : TVURSynSearch::Engine::Plain);
    const auto confirm = [this](const QString &search, const QString &with, int line, int column) {
        return SynEditReplaceText(search, with, line, column);
    };
    int found = -1;
    try {
        found = m_search.SearchReplace(state.searchText, state.replaceText, options, confirm);
    } catch (const EVURException &error) {
        // A pattern that does not compile: said in words, nothing changed.
        if (m_notFoundMessage)
            ShowError(error.Message());
    }
    if (found == 0) {
        if (m_notFoundMessage)
            ShowError(GetNotFoundText());
        const long position = m_synEdit->SendScintilla(state.backwards ? QsciScintilla::SCI_GETSELECTIONSTART
                                                                       : QsciScintilla::SCI_GETSELECTIONEND);
        m_synEdit->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(position));
    }
    m_confirmForm.reset();
    m_originFromCursor = true;
    m_selectedOnly = false;
}

TVURSynSearch::Answer TVURChildEditSynForm::SynEditReplaceText(const QString &search, const QString &replace,
                                                               int line, int column)
{
    if (search == replace)
        return TVURSynSearch::Answer::Skip;
    if (!m_confirmForm) {
        m_confirmForm = MakeForm<TVURSearchConfirmForm>(this);
        m_confirmForm->SetSearchText(search);
    }
    PlaceConfirmForm(m_confirmForm.get(), line, column);
    switch (m_confirmForm->ShowModal()) {
    case TVURDialogForm::mrOk:
        return TVURSynSearch::Answer::Replace;
    case TVURSearchConfirmForm::mrAll:
        return TVURSynSearch::Answer::All;
    case TVURSearchConfirmForm::mrNo:
        return TVURSynSearch::Answer::Skip;
    default:
        return TVURSynSearch::Answer::Cancel;
    }
}

void TVURChildEditSynForm::EditIncrementalSearchActionExecute()
{
    int line = 0, index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    SearchState().ResetForIncremental();
    m_search.SetEngine(TVURSynSearch::Engine::Plain);
    std::unique_ptr<TVURSearchIncrementalForm> form = MakeForm<TVURSearchIncrementalForm>(this);
    form->SetStep([this](const QString &text) { IncrementalSearchStep(text); });
    m_incrementalForm = form.get();
    PlaceIncrementalForm(form.get());
    const int result = form->ShowModal();
    m_incrementalForm = nullptr;
    if (result != TVURDialogForm::mrOk)
        m_synEdit->setCursorPosition(line, index);
}

void TVURChildEditSynForm::IncrementalSearchStep(const QString &text)
{
    TVURSearchState &state = SearchState();
    m_originFromCursor = state.fromCursor;
    m_selectedOnly = state.selectedOnly;
    state.searchText = text;
    if (!text.isEmpty()) {
        state.searchTextSet = true;
        m_notFoundMessage = false;
        try {
            SearchRun(false);
        } catch (...) {
            m_notFoundMessage = true;
            throw;
        }
        m_notFoundMessage = true;
    } else {
        state.searchTextSet = false;
        m_synEdit->setCursorPosition(0, 0);
    }
    if (m_incrementalForm)
        PlaceIncrementalForm(m_incrementalForm);
}

void TVURChildEditSynForm::SearchLineActionExecute()
{
    if (m_synEdit->length() == 0 && m_synEdit->lines() <= 1)
        return;
    std::unique_ptr<TVURSearchLineForm> form = MakeForm<TVURSearchLineForm>(this, 1, m_synEdit->lines());
    if (form->ShowModal() != TVURDialogForm::mrOk)
        return;
    m_synEdit->setCursorPosition(form->ChosenLine() - 1, 0);
    m_synEdit->ensureCursorVisible();
}

QString TVURChildEditSynForm::WordAtColumn(const QString &line, int column)
{
    qsizetype at = column;
    if (at < 0 || at > line.size())
        return QString();
    if (at == line.size() || !TVURSynSearch::IsWordChar(line.at(at))) {
        if (at == 0 || !TVURSynSearch::IsWordChar(line.at(at - 1)))
            return QString();
        --at;
    }
    qsizetype start = at;
    qsizetype end = at + 1;
    while (start > 0 && TVURSynSearch::IsWordChar(line.at(start - 1)))
        --start;
    while (end < line.size() && TVURSynSearch::IsWordChar(line.at(end)))
        ++end;
    return line.mid(start, end - start);
}

QString TVURChildEditSynForm::LineText(int line) const
{
    QString text = m_synEdit->text(line);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

int TVURChildEditSynForm::CaretColumn() const
{
    int line = 0, index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    const long lineStart = m_synEdit->positionFromLineIndex(line, 0);
    const long caret = m_synEdit->positionFromLineIndex(line, index);
    return int(m_synEdit->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, static_cast<unsigned long>(lineStart), caret));
}

QString TVURChildEditSynForm::WordAtCaret() const
{
    int line = 0, index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    return WordAtColumn(LineText(line), CaretColumn());
}

QPoint TVURChildEditSynForm::CellScreenPosition(int line, int column) const
{
    const int lines = m_synEdit->lines();
    const int shownLine = std::clamp(line, 0, std::max(0, lines - 1));
    const long lineStart = m_synEdit->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE,
                                                    static_cast<unsigned long>(shownLine));
    const long position = m_synEdit->SendScintilla(QsciScintilla::SCI_POSITIONRELATIVE,
                                                   static_cast<unsigned long>(lineStart), long(std::max(column, 0)));
    const int x = int(m_synEdit->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL,
                                               position > 0 || column == 0 ? position : lineStart));
    // Lines past the end lie below the last one at the same spacing.
    const int y = int(m_synEdit->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, lineStart))
                  + (line - shownLine) * LineHeight();
    return m_synEdit->viewport()->mapToGlobal(QPoint(x, y));
}

int TVURChildEditSynForm::LineHeight() const
{
    return int(m_synEdit->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL));
}

namespace {

QPoint ClampToScreen(const QWidget *form, QPoint position, const QWidget *near)
{
    const QScreen *screen = near->screen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1 << 16, 1 << 16);
    const QSize size = form->frameGeometry().size();
    position.setY(std::clamp(position.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    position.setX(std::clamp(position.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    return position;
}

} // namespace

void TVURChildEditSynForm::PlaceIncrementalForm(QWidget *form) const
{
    const int height = form->frameGeometry().height();
    int gutter = 0;
    for (int margin = 0; margin < 5; ++margin)
        gutter += int(m_synEdit->SendScintilla(QsciScintilla::SCI_GETMARGINWIDTHN, static_cast<unsigned long>(margin)));
    const QPoint textLeft = m_synEdit->viewport()->mapToGlobal(QPoint(gutter + 4, 0));
    const int windowBottom = mapToGlobal(QPoint(0, this->height())).y();
    int top = windowBottom - height;
    int line = 0, index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    if (top < CellScreenPosition(line + 1, 0).y())
        top = CellScreenPosition(line - 1, 0).y() - height;
    form->move(ClampToScreen(form, QPoint(textLeft.x(), top), this));
}

void TVURChildEditSynForm::PlaceConfirmForm(QWidget *form, int line, int column) const
{
    const int height = form->frameGeometry().height();
    QPoint position = CellScreenPosition(line + 2, column);
    const QScreen *screen = this->screen();
    if (screen && position.y() + height > screen->geometry().bottom() + 1)
        position = CellScreenPosition(line - 1, column) - QPoint(0, height);
    form->move(ClampToScreen(form, position, this));
}

void TVURChildEditSynForm::RefreshMacroTexts()
{
    const TVURMacroRecorder::State state = m_macroRecorder->GetState();
    QAction *record = Action("MacroRecordAction");
    QAction *pause = Action("MacroPauseAction");
    const auto setTexts = [](QAction *action, const char *caption, const char *hint) {
        action->setText(TranslateText(QString::fromUtf8(caption)));
        const QString both = TranslateText(QString::fromUtf8(hint));
        action->setToolTip(both.section(QLatin1Char('|'), 0, 0));
        action->setStatusTip(both.section(QLatin1Char('|'), 1));
    };
    if (state != TVURMacroRecorder::State::Stopped) {
        setTexts(record, "<PLK>&Zatrzymaj<ENU>&Stop", "<PLK>Zatrzymaj|Zakończ rejestrację makra<ENU>Stop|Stop macro recording");
    } else {
        setTexts(record, "<PLK>&Rejestruj<ENU>&Record",
                 "<PLK>Rejestruj|Zarejestruj sekwencję klawiszy jako makro<ENU>Record|Record key sequence as a macro");
        pause->setChecked(false);
    }
    if (state == TVURMacroRecorder::State::Paused)
        setTexts(pause, "<PLK>&Wznów<ENU>Res&ume", "<PLK>Wznów|Wznów wstrzymaną rejestrację makra<ENU>Resume|Resume paused macro recording");
    else
        setTexts(pause, "<PLK>&Pauza<ENU>&Pause", "<PLK>Pauza|Wstrzymaj rejestrację makra<ENU>Pause|Pause macro recording");
}

void TVURChildEditSynForm::SynEditChange()
{
    if (m_loading)
        return;
    SetModified(true);
    Child_ActionListUpdate();
}

void TVURChildEditSynForm::SynEditScroll()
{
    const long firstLine = m_synEdit->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const long visibleLines = m_synEdit->SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
    const int firstDocLine = int(m_synEdit->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE, firstLine));
    const int lastDocLine =
        int(m_synEdit->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE, firstLine + qMax(visibleLines - 1, 0L)));
    const int charWidth = qMax(1, int(m_synEdit->SendScintilla(QsciScintilla::SCI_TEXTWIDTH, 32L, " ")));
    const int firstColumn = int(m_synEdit->SendScintilla(QsciScintilla::SCI_GETXOFFSET)) / charWidth;
    int textWidth = m_synEdit->viewport()->width();
    for (int margin = 0; margin < 5; ++margin)
        textWidth -= m_synEdit->marginWidth(margin);
    const int lastColumn = firstColumn + qMax(textWidth / charWidth - 1, 0);
    int line = 0;
    int index = 0;
    m_synEdit->getCursorPosition(&line, &index);
    if (index < firstColumn)
        m_synEdit->setCursorPosition(line, qMin(firstColumn, m_synEdit->lineLength(line)));
    else if (index > lastColumn)
        m_synEdit->setCursorPosition(line, lastColumn);
    else if (line < firstDocLine)
        m_synEdit->setCursorPosition(firstDocLine, qMin(index, m_synEdit->lineLength(firstDocLine)));
    else if (line > lastDocLine)
        m_synEdit->setCursorPosition(lastDocLine, qMin(index, m_synEdit->lineLength(lastDocLine)));
}

bool TVURChildEditSynForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_synEdit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool arrow = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up
                           || key->key() == Qt::Key_Down;
        if (arrow && key->modifiers() == (Qt::AltModifier | Qt::ShiftModifier)
            && GetSelectionMode() != SelectionMode::Column)
            SetSelectionMode(SelectionMode::Column);
    }
    return TVURChildEditGenForm::eventFilter(watched, event);
}
