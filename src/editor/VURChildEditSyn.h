#pragma once

#include "VURChildEditGen.h"
#include "VURTextFile.h"

#include <array>
#include <functional>

class QsciScintilla;
class TVURMacroRecorder;

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
    // Hooks for the search of the layers above; nothing here.
    virtual void EditFindActionExecute();
    virtual void EditReplaceActionExecute();
    virtual void EditFindNextActionExecute();
    virtual void EditIncrementalSearchActionExecute();
    virtual void SearchLineActionExecute();
    // Whether a search text has been set; enables Find next.
    virtual bool HasSearchText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void SynEditChange();
    void SynEditScroll();

private:
    // One undo step over the selected lines (the caret's line without one).
    void EditSelectedLines(const std::function<void(int line)> &edit);
    void RefreshMacroTexts();
    int BookmarkNumber(QAction *action, const char *firstName) const;

    QsciScintilla *m_synEdit;
    TVURMacroRecorder *m_macroRecorder;
    VURTextFile::TVUREncoding m_encoding = VURTextFile::TVUREncoding::Utf8;
    std::array<int, kBookmarks> m_bookmarkHandles;
    std::array<int, kBookmarks> m_bookmarkColumns;
    bool m_loading = false;
};
