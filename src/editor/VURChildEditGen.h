#pragma once

#include "VURChildFile.h"

// The generic editor window: it declares the editing commands and saves or
// appends the selected block to a file; the text belongs to the layer above.
class TVURChildEditGenForm : public TVURChildFileForm
{
    Q_OBJECT

public:
    explicit TVURChildEditGenForm(QWidget *owner);

    void TranslateTexts() override;

    virtual void WriteBlock(const QString &fileName, bool append);
    virtual QString GetBlockDialogTitle(bool append) const;
    virtual QString GetPositionText() const;
    virtual QString GetNotFoundText() const;
    virtual void BlockIndent();
    virtual void BlockUnindent();
    virtual bool SearchWordAtCaret() const;
    virtual void IncrementalSearchStep(const QString &text);

    void EditBlockSaveActionExecute();
    void EditBlockAppendActionExecute();

    QAction *Action(const char *name) const { return ChildAction(QString::fromLatin1(name)); }

    static constexpr int kBookmarks = 10;

protected:
    // Saves or appends after asking for the file; errors are shown.
    void SaveBlock(bool append);
};
