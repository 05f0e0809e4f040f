#pragma once

#include "VURChildEditScript.h"

class IVURSettings;

// The article window of the workbench: "::" comments over a block of lines,
// block indentation that keeps a leading label in place, the entry of the
// syntax help, and the report of how many issues a verification found.
class TZOKChildEditForm : public TVURChildEditScriptForm
{
    Q_OBJECT

public:
    static constexpr int kRightEdgeColumn = 79;

    explicit TZOKChildEditForm(QWidget *owner);

    void TranslateTexts() override;
    QString GetDefaultExt() const override;
    QString GetFilter() const override;
    void BlockIndent() override;
    void BlockUnindent() override;

    // True when help was shown; the Mizar window gives the help.
    virtual bool ShowContextHelp();
    void ReportIssueCount(int count);

    void EditBlockCommentActionExecute();
    void EditBlockUncommentActionExecute();
    void HelpContextActionExecute();

    // The 1-based column just after a leading label's ":", 1 without a label.
    static int LabelColumn(QStringView line);
    // The block the four block commands work on, 0-based lines (first, last).
    QPair<int, int> BlockOfLines() const;

private:
    // Runs an edit of the block as one undo step, marks the document modified
    // and keeps caret, selection and selection mode.
    void EditBlock(const std::function<void(int line)> &edit);
};

// "Misc"/"IndentLabels": indent and unindent keep leading labels in place.
bool &IndentLabels();
void LoadMiscSettings(IVURSettings &reader, const QString &root);
void SaveMiscSettings(IVURSettings &writer, const QString &root);
