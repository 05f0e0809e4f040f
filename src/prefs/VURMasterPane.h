#pragma once

#include "VURPane.h"

// A pane that hosts detail panes, one per page, and passes language changes
// on to each of them.
class TVURMasterPane : public TVURPaneForm
{
    Q_OBJECT

public:
    using TVURPaneForm::TVURPaneForm;

    void LanguageChanged() override;

    // The pane of the active page; null without pages.
    virtual TVURDetailPane *GetActivePane() const = 0;
    virtual int GetActivePageIndex() const = 0;
    virtual void SetActivePageIndex(int index) = 0;
    virtual int GetPaneCount() const = 0;
    virtual TVURDetailPane *GetPane(int index) const = 0;
    virtual void AddPane(TVURDetailPane *pane) = 0;
};
