#include "VURToolbarMDIChildList.h"

#include "VURChildFile.h"
#include "VURLang.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QTabBar>

Q_DECLARE_METATYPE(TVURChildMDIForm *)

TVURToolbarMDIChildListPane::TVURToolbarMDIChildListPane(QWidget *parent)
    : TVURPaneForm(parent)
    , m_tabControl(new QTabBar(this))
{
    setObjectName(QStringLiteral("ToolbarMDIChildListPane"));
    m_tabControl->setObjectName(QStringLiteral("TabControl"));
    m_tabControl->setMovable(true);
    m_tabControl->setTabsClosable(false);
    m_tabControl->setExpanding(false);
    m_tabControl->setDocumentMode(true);
    m_tabControl->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->addWidget(m_tabControl);
    layout->addStretch(1);
    connect(m_tabControl, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_synchronizing)
            if (TVURChildMDIForm *child = TabWindow(index))
                Q_EMIT WindowChosen(child);
    });
    connect(m_tabControl, &QTabBar::tabBarClicked, this, [this](int index) {
        if (TVURChildMDIForm *child = TabWindow(index))
            Q_EMIT WindowChosen(child);
    });
    connect(m_tabControl, &QTabBar::tabMoved, this, [this](int, int to) {
        if (TVURChildMDIForm *child = TabWindow(to))
            Q_EMIT WindowMoved(child, to);
    });
}

TVURChildMDIForm *TVURToolbarMDIChildListPane::TabWindow(int index) const
{
    if (index < 0 || index >= m_tabControl->count())
        return nullptr;
    return m_tabControl->tabData(index).value<TVURChildMDIForm *>();
}

QString TVURToolbarMDIChildListPane::TabCaption(TVURChildMDIForm *child)
{
    if (auto *document = dynamic_cast<TVURChildFileForm *>(child))
        return QFileInfo(document->GetFileName()).fileName() + QLatin1Char(' ');
    return child->windowTitle() + QLatin1Char(' ');
}

QString TVURToolbarMDIChildListPane::TabHint(TVURChildMDIForm *child)
{
    if (auto *document = dynamic_cast<TVURChildFileForm *>(child))
        return document->GetFileName();
    return QString();
}

void TVURToolbarMDIChildListPane::Synchronize(const QList<TVURChildMDIForm *> &order, TVURChildMDIForm *active)
{
    m_synchronizing = true;
    const QString noWindows = TranslateText(QStringLiteral("<PLK>Brak okien<ENU>No windows"));
    if (order.isEmpty()) {
        if (!(m_tabControl->count() == 1 && !TabWindow(0) && m_tabControl->tabText(0) == noWindows)) {
            while (m_tabControl->count() > 0)
                m_tabControl->removeTab(0);
            m_tabControl->addTab(noWindows);
            m_tabControl->setTabToolTip(0, QString());
        }
        m_synchronizing = false;
        return;
    }
    for (int i = 0; i < order.size(); ++i) {
        TVURChildMDIForm *child = order.at(i);
        const QString caption = TabCaption(child);
        if (i < m_tabControl->count() && TabWindow(i)) {
            if (TabWindow(i) != child || m_tabControl->tabText(i) != caption) {
                m_tabControl->setTabText(i, caption);
                m_tabControl->setTabToolTip(i, TabHint(child));
                m_tabControl->setTabData(i, QVariant::fromValue(child));
            }
        } else {
            if (m_tabControl->count() == 1 && !TabWindow(0))
                m_tabControl->removeTab(0);
            const int index = m_tabControl->insertTab(i, caption);
            m_tabControl->setTabToolTip(index, TabHint(child));
            m_tabControl->setTabData(index, QVariant::fromValue(child));
        }
        if (child == active && m_tabControl->currentIndex() != i)
            m_tabControl->setCurrentIndex(i);
    }
    while (m_tabControl->count() > order.size())
        m_tabControl->removeTab(m_tabControl->count() - 1);
    m_synchronizing = false;
}
