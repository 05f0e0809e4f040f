#pragma once

#include "VURMasterPane.h"

#include <QPointer>

class QTabWidget;

// One page of the tabbed master pane, holding its detail pane.
class TVURMasterTabSheet : public QWidget
{
    Q_OBJECT

public:
    TVURMasterTabSheet(QTabWidget *owner, TVURDetailPane *pane);

    TVURDetailPane *Pane() const { return m_pane; }

private:
    QPointer<TVURDetailPane> m_pane;
};

// Hosts each detail pane on a page of its tab control, captioned with the
// pane's title.
class TVURMasterTabsPane : public TVURMasterPane
{
    Q_OBJECT

public:
    explicit TVURMasterTabsPane(QWidget *parent = nullptr);

    TVURDetailPane *GetActivePane() const override;
    int GetActivePageIndex() const override;
    void SetActivePageIndex(int index) override;
    int GetPaneCount() const override;
    TVURDetailPane *GetPane(int index) const override;
    // Adding a page leaves the active page as it was.
    void AddPane(TVURDetailPane *pane) override;

    QTabWidget *DetailPageControl() const { return m_detailPageControl; }

private:
    QTabWidget *m_detailPageControl;
};
