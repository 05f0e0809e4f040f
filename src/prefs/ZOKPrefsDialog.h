#pragma once

#include "VURPrefsDialog.h"

#include <memory>

class TVURHighlighter;
class TVURPrefsDisplayPane;
class TVURPrefsSynEditColorsPane;

// The workbench's preferences: languages, editor, display, colours,
// extensions and misc., over a working copy of the shared highlighter that
// goes back to it on OK.
class TZOKPrefsDialogForm : public TVURPrefsDialogForm
{
    Q_OBJECT

public:
    explicit TZOKPrefsDialogForm(QWidget *owner = nullptr);
    ~TZOKPrefsDialogForm() override;

    void FormCreate() override;
    void TranslateTexts() override;
    void ApplyAllPrefs() override;

    TVURHighlighter *WorkingHighlighter() const { return m_highlighter.get(); }

private:
    std::unique_ptr<TVURHighlighter> m_highlighter;
};
