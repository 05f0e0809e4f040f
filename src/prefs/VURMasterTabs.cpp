#include "VURMasterTabs.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

TVURMasterTabSheet::TVURMasterTabSheet(QTabWidget *owner, TVURDetailPane *pane)
    : QWidget(owner)
    , m_pane(pane)
{
    setObjectName(QStringLiteral("MasterTabSheet"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (pane) {
        pane->setParent(this);
        layout->addWidget(pane);
        pane->show();
    }
}

TVURMasterTabsPane::TVURMasterTabsPane(QWidget *parent)
    : TVURMasterPane(parent)
    , m_detailPageControl(new QTabWidget(this))
{
    setObjectName(QStringLiteral("MasterTabsPane"));
    m_detailPageControl->setObjectName(QStringLiteral("DetailPageControl"));
    m_detailPageControl->tabBar()->setAttribute(Qt::WA_Hover);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_detailPageControl);
}

TVURDetailPane *TVURMasterTabsPane::GetActivePane() const
{
    auto *sheet = qobject_cast<TVURMasterTabSheet *>(m_detailPageControl->currentWidget());
    return sheet ? sheet->Pane() : nullptr;
}

int TVURMasterTabsPane::GetActivePageIndex() const
{
    return m_detailPageControl->currentIndex();
}

void TVURMasterTabsPane::SetActivePageIndex(int index)
{
    if (index >= 0 && index < m_detailPageControl->count())
        m_detailPageControl->setCurrentIndex(index);
}

int TVURMasterTabsPane::GetPaneCount() const
{
    return m_detailPageControl->count();
}

TVURDetailPane *TVURMasterTabsPane::GetPane(int index) const
{
    auto *sheet = qobject_cast<TVURMasterTabSheet *>(m_detailPageControl->widget(index));
    return sheet ? sheet->Pane() : nullptr;
}

void TVURMasterTabsPane::AddPane(TVURDetailPane *pane)
{
    const int active = GetActivePageIndex();
    auto *sheet = new TVURMasterTabSheet(m_detailPageControl, pane);
    m_detailPageControl->addTab(sheet, pane ? pane->GetPaneTitle() : QString());
    if (active >= 0)
        m_detailPageControl->setCurrentIndex(active);
}
