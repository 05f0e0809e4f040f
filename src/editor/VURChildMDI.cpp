#include "VURChildMDI.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>

namespace {

// Suspends a widget's painting for the length of a scope.
class SuspendRedraw
{
public:
    explicit SuspendRedraw(QWidget *widget) : m_widget(widget), m_wasEnabled(widget && widget->updatesEnabled())
    {
        if (m_widget)
            m_widget->setUpdatesEnabled(false);
    }
    ~SuspendRedraw()
    {
        if (m_widget)
            m_widget->setUpdatesEnabled(m_wasEnabled);
    }

private:
    QPointer<QWidget> m_widget;
    bool m_wasEnabled;
};

} // namespace

TVURChildMDIForm::TVURChildMDIForm(QWidget *owner)
    : QWidget(nullptr)
    , TVURWindowForm(this)
    , m_owner(owner)
{
    setObjectName(QStringLiteral("ChildForm"));
    setFocusPolicy(Qt::ClickFocus);
    AddChildAction("FileCloseAction", "File");
    for (const char *name : {"FilePageSetupAction", "FilePrinterSetupAction", "FilePrintPreviewAction", "FilePrintAction"}) {
        QAction *action = AddChildAction(name, "File");
        action->setEnabled(false);
        action->setVisible(false);
    }
    connect(ChildAction(QStringLiteral("FileCloseAction")), &QAction::triggered, this,
            &TVURChildMDIForm::FileCloseActionExecute);
}

TVURChildMDIForm::~TVURChildMDIForm()
{
    Unregister();
}

QAction *TVURChildMDIForm::AddChildAction(const char *name, const char *category)
{
    auto *action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("category", QString::fromLatin1(category));
    m_childActions.append(action);
    return action;
}

QAction *TVURChildMDIForm::ChildAction(const QString &name) const
{
    for (QAction *action : m_childActions) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

IVURChildHost *TVURChildMDIForm::Host() const
{
    return dynamic_cast<IVURChildHost *>(m_owner.data());
}

void TVURChildMDIForm::FormCreate()
{
    SuspendRedraw suspend(m_owner);
    TVURWindowForm::FormCreate();
    IVURChildHost *host = Host();
    const IVURChildHost::ActiveChildState active = host ? host->ActiveChild() : IVURChildHost::ActiveChildState::None;
    m_openMaximized = active != IVURChildHost::ActiveChildState::Normal;
    if (host && !m_registered) {
        m_registered = true;
        host->RegisterChild(this);
        WatchSubWindow();
    }
}

void TVURChildMDIForm::WatchSubWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub)
        return;
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates, Qt::WindowStates now) {
                if (now.testFlag(Qt::WindowActive))
                    FormActivate();
                else
                    FormDeactivate();
            });
    if (sub->windowState().testFlag(Qt::WindowActive))
        FormActivate();
}

void TVURChildMDIForm::FormActivate()
{
    if (m_active)
        return;
    m_active = true;
    if (IVURChildHost *host = Host())
        host->MergeChildActions(m_childActions);
}

void TVURChildMDIForm::FormDeactivate()
{
    if (!m_active)
        return;
    m_active = false;
    if (IVURChildHost *host = Host())
        host->UnmergeChildActions();
}

void TVURChildMDIForm::FormCloseQuery(bool &canClose)
{
    canClose = true;
}

void TVURChildMDIForm::FileCloseActionExecute()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void TVURChildMDIForm::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
    if (!canClose)
        return;
    Unregister();
    // The sub-window (or the window itself) is released once the close is done.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->setAttribute(Qt::WA_DeleteOnClose);
    else
        deleteLater();
}

void TVURChildMDIForm::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void TVURChildMDIForm::Unregister()
{
    if (!m_registered)
        return;
    m_registered = false;
    if (IVURChildHost *host = Host()) {
        if (m_active) {
            m_active = false;
            host->UnmergeChildActions();
        }
        host->UnregisterChild(this);
    }
}
