#pragma once

#include "VURChildEditGen.h"
#include "VURSynSearch.h"
#include "VURTextFile.h"

#include <array>
#include <functional>
#include <memory>

class QsciScintilla;
class TVURMacroRecorder;
class TVURSearchConfirmForm;
class TVURSearchIncrementalForm;

// The editor window with its editing control: clipboard, undo, selection
// modes, block indentation, bookmarks 0-9 in the gutter, keystroke macros,
// the caret position text and the enabling of every command.
class TVURChildEditSynForm : public TVURChildEditGenForm
{
    Q_OBJECT

public:
    enum class SelectionMode { Normal, Column, Line };

    explicit TVURChildEditSynForm(QWidget *owner);
    ~TVURChildEditSynForm() override;

    void TranslateTexts() override;

    QsciScintilla *SynEdit() const { return m_synEdit; }
    TVURMacroRecorder *SynMacroRecorder() const { return m_macroRecorder; }

    void LoadFromFile(const QString &fileName) override;
    void SaveToFile(const QString &fileName) override;
    void InsertFile(const QString &fileName, bool &stop) override;
    void WriteBlock(const QString &fileName, bool append) override;
    QString GetPositionText() const override;
    void BlockIndent() override;
    void BlockUnindent() override;

    // The whole text exactly as the control holds it, NUL characters included.
    QString Text() const;
    void SetText(const QString &text);
    VURTextFile::TVUREncoding Encoding() const { return m_encoding; }
    // The line break the text uses: CR LF when it holds one, else LF.
    QString LineBreak() const;

    // The first line in view, 0-based.
    int TopLine() const;
    void SetTopLine(int line);
    // The caret as a count of characters from the start of the text: the
    // start of the selection when there is one.
    int CaretOffset() const;
    // Moves the caret there (the end of the text at most), without selection.
    void SetCaretOffset(int offset);

    SelectionMode GetSelectionMode() const;
    void SetSelectionMode(SelectionMode mode);
    bool IsBookmarkSet(int n) const;
    // (line, column) of bookmark n, 0-based; (-1, -1) when not set.
    QPair<int, int> BookmarkPosition(int n) const;
    // Sets bookmark n at (line, column), or clears it for a line below 0.
    void SetBookmark(int n, int line, int column);

    // The enabling of every command.
    void Child_ActionListUpdate();
    void UpdateChildActions() override { Child_ActionListUpdate(); }

    void EditUndoActionExecute();
    void EditRedoActionExecute();
    void EditCutActionExecute();
    void EditCopyActionExecute();
    void EditPasteActionExecute();
    void EditClearActionExecute();
    void EditSelectAllActionExecute();
    void EditBlockIndentActionExecute();
    void EditBlockUnindentActionExecute();
    void EditSelectNormalActionExecute();
    void EditSelectColumnActionExecute();
    void EditSelectLineActionExecute();
    void BookmarkInsertNActionExecute(QAction *action);
    void BookmarkGotoNActionExecute(QAction *action);
    void BookmarkClearAllActionExecute();
    void MacroRecordActionExecute();
    void MacroPauseActionExecute();
    void MacroPlaybackActionExecute();
    virtual void EditFindActionExecute();
    virtual void EditReplaceActionExecute();
    virtual void EditFindNextActionExecute();
    virtual void EditIncrementalSearchActionExecute();
    virtual void SearchLineActionExecute();
    // Whether a search text has been set; enables Find next.
    virtual bool HasSearchText() const;

    // One search with the program's search state, replacing or not.
    void SearchRun(bool replace);
    void IncrementalSearchStep(const QString &text) override;
    // The question before one replacement; line and column are 0-based.
    TVURSynSearch::Answer SynEditReplaceText(const QString &search, const QString &replace, int line, int column);
    TVURSynSearch &Search() { return m_search; }
    bool OriginFromCursor() const { return m_originFromCursor; }
    bool SelectedOnly() const { return m_selectedOnly; }
    TVURSearchIncrementalForm *IncrementalForm() const { return m_incrementalForm; }
    TVURSearchConfirmForm *ConfirmForm() const { return m_confirmForm.get(); }

    // The run of identifier characters (letters, digits, "_", "'") at a
    // 0-based column of a line, or just left of it; empty when there is none.
    static QString WordAtColumn(const QString &line, int column);
    QString WordAtCaret() const;
    // The caret's 0-based column in characters (the control counts bytes).
    int CaretColumn() const;
    // The text of a 0-based line without its line break.
    QString LineText(int line) const;
    // Screen position of the top-left corner of a character cell.
    QPoint CellScreenPosition(int line, int column) const;
    int LineHeight() const;
    // Places the incremental search dialog so that the caret's line stays free.
    void PlaceIncrementalForm(QWidget *form) const;
    // Places the confirmation dialog near a match; line and column 0-based.
    void PlaceConfirmForm(QWidget *form, int line, int column) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void SynEditChange();
    void SynEditScroll();

private:
    // One undo step over the selected lines (the caret's line without one).
    void EditSelectedLines(const std::function<void(int line)> &edit);
    void RefreshMacroTexts();
    int BookmarkNumber(QAction *action, const char *firstName) const;

    void OpenSearchDialog(bool replace);

    QsciScintilla *m_synEdit;
    TVURMacroRecorder *m_macroRecorder;
    TVURSynSearch m_search;
    // Both false until a dialog search set them, so a first Find next
    // searches the whole text.
    bool m_originFromCursor = false;
    bool m_selectedOnly = false;
    bool m_notFoundMessage = true;
    std::unique_ptr<TVURSearchConfirmForm> m_confirmForm;
    TVURSearchIncrementalForm *m_incrementalForm = nullptr;
    VURTextFile::TVUREncoding m_encoding = VURTextFile::TVUREncoding::Utf8;
    std::array<int, kBookmarks> m_bookmarkHandles;
    std::array<int, kBookmarks> m_bookmarkColumns;
    bool m_loading = false;
};
