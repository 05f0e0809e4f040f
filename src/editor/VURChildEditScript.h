#pragma once

#include "VURChildEditSyn.h"

class TVURHighlighter;
class TVURMsgBarPane;

// The issue-aware editor window: the message bar beside the text, the
// editor settings applied, and the commands that step through and clear the
// "::>" issue lines.
class TVURChildEditScriptForm : public TVURChildEditSynForm
{
    Q_OBJECT

public:
    explicit TVURChildEditScriptForm(QWidget *owner);

    void FormCreate() override;
    void TranslateTexts() override;
    void LanguageChanged() override;

    TVURMsgBarPane *MsgBar() const { return m_msgBar; }
    // The highlighter that classifies lines for the commands: the control's,
    // or the shared one when syntax highlighting is off.
    TVURHighlighter *IssueHighlighter() const;

    void ProcessMsgFirstActionExecute();
    void ProcessMsgPrevActionExecute();
    void ProcessMsgNextActionExecute();
    void ProcessMsgLastActionExecute();
    void ProcessMsgClearActionExecute();

protected:
    void ApplySettings();

private:
    bool IsTarget(int line) const;
    // Scans from `from` to `to` (inclusive, either direction) and shows the
    // first target, or reports that there is none.
    void ShowFirstTarget(int from, int to);
    void ShowTarget(int line);

    TVURMsgBarPane *m_msgBar;
};
