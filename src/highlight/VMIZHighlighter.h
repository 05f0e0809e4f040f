#pragma once

#include "ZOKHighlighter.h"

// The highlighter of Mizar articles: the reserved words, the sample text of
// the preferences and the issue-line classifications.
class TVMIZHighlighter : public TZOKHighlighter
{
    Q_OBJECT

public:
    explicit TVMIZHighlighter(QObject *parent = nullptr);

    QString GetSampleText() const override;
    // The line begins with "::>".
    bool IsIssueLine(QStringView line) const override;
    // An issue line holding only markers and numbers: no ":" from its ">"
    // on, and more than a bare "::>".
    bool IsIssueMarkLine(QStringView line) const override;

    // The words FillKeywords adds, in its order.
    static const QStringList &MizarReservedWords();

protected:
    void FillKeywords() override;
};
