#include "VURAppMDIForm.h"

#include "VURChildFile.h"
#include "VURChildMDI.h"
#include "VURFiles.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURSettings.h"
#include "VURStatusbar.h"
#include "VURToolbarMDIChildList.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct Command
{
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;
};

const Command kMainCommands[] = {
    {"FileNewAction", "File", "<PLK>&Nowy...<ENU>&New...", "<PLK>Nowy plik|Utwórz nowy plik<ENU>New file|Create a new file"},
    {"FileOpenAction", "File", "<PLK>&Otwórz...<ENU>&Open...",
     "<PLK>Otwórz plik|Otwórz istniejący plik<ENU>Open file|Open an existing file"},
    {"FileSaveAllAction", "File", "<PLK>Zapisz &wszystkie<ENU>Save a&ll",
     "<PLK>Zapisz wszystkie otwarte pliki<ENU>Save all opened files"},
    {"FileCloseAllAction", "File", "<PLK>Za&mknij wszystkie<ENU>Clos&e all",
     "<PLK>Zamknij wszystkie otwarte pliki<ENU>Close all opened files"},
    {"WindowCascadeAction", "Windows", "<PLK>&Kaskada<ENU>&Cascade", "<PLK>Kaskada otwartych okien<ENU>Cascades all open windows"},
    {"WindowTileHorizAction", "Windows", "<PLK>Ułóż p&oziomo<ENU>Tile &horizontally",
     "<PLK>Rozmieszcza otwarte okna poziomo<ENU>Tiles all open windows horizontally"},
    {"WindowTileVertAction", "Windows", "<PLK>Ułóż p&ionowo<ENU>Tile &vertically",
     "<PLK>Rozmieszcza otwarte okna pionowo<ENU>Tiles all open windows vertically"},
    {"WindowArrangeAction", "Windows", "<PLK>&Rozmieść ikony<ENU>&Arrange icons",
     "<PLK>Układa ikony zminimalizowanych okien<ENU>Arranges icons of minimized windows"},
    {"WindowPrevAction", "Windows", "<PLK>&Poprzednie<ENU>&Previous",
     "<PLK>Przechodzi do poprzedniego okna<ENU>Moves the focus to the previous window"},
    {"WindowNextAction", "Windows", "<PLK>Nas&tępne<ENU>&Next",
     "<PLK>Przechodzi do następnego okna<ENU>Moves the focus to the next window"},
    {"WindowListAction", "Windows", "<PLK>&Lista...<ENU>&List...",
     "<PLK>Pokazuje listę otwartych okien<ENU>Shows a list of open windows"},
    {"ToolbarMDIChildListToggleAction", "Views", "<PLK>P&asek z listą okien<ENU>Win&dow list toolbar",
     "<PLK>Pokazuje pasek narzędziowy z zakładkami opisującymi otwarte okna<ENU>Shows a toolbar with open windows as "
     "tabs"},
};

const Command kProxies[] = {
    {"FileInsertAction", "File", "<PLK>Ws&taw...<ENU>&Insert...",
     "<PLK>Wstaw plik|Wstaw plik do aktualnego pliku<ENU>Insert file|Insert file into the current file"},
    {"FileSaveAction", "File", "<PLK>Zapi&sz<ENU>&Save", "<PLK>Zapisz plik|Zapisz aktualny plik<ENU>Save file|Save the current file"},
    {"FileSaveAsAction", "File", "<PLK>Zapisz j&ako...<ENU>Save &as...",
     "<PLK>Zapisz aktualny plik pod inną nazwą<ENU>Save the current file under a different name"},
    {"FileCloseAction", "File", "<PLK>&Zamknij<ENU>&Close", "<PLK>Zamknij aktualny plik<ENU>Close the current file"},
    {"FilePageSetupAction", "File", "", ""},
    {"FilePrinterSetupAction", "File", "", ""},
    {"FilePrintPreviewAction", "File", "", ""},
    {"FilePrintAction", "File", "", ""},
};

void SetTexts(QAction *action, const Command &command)
{
    if (*command.caption)
        TVURAppMDIForm::SetCommandTexts(action, command.caption, command.hint);
}

TVURChildMDIForm *ChildOf(QMdiSubWindow *sub)
{
    return sub ? qobject_cast<TVURChildMDIForm *>(sub->widget()) : nullptr;
}

} // namespace

void TVURAppMDIForm::SetCommandTexts(QAction *action, const QString &caption, const QString &hint)
{
    if (!action)
        return;
    action->setText(caption);
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(hint);
}

void TVURAppMDIForm::SetCommandTexts(QAction *action, const char *caption, const char *hint)
{
    SetCommandTexts(action, TranslateText(QString::fromUtf8(caption)), TranslateText(QString::fromUtf8(hint)));
}

TVURAppMDIForm::TVURAppMDIForm(QWidget *parent)
    : TVURAppGUIForm(parent)
    , m_area(new QMdiArea)
{
    m_area->setObjectName(QStringLiteral("ClientArea"));
    m_area->setActivationOrder(QMdiArea::CreationOrder);
    SetClientWidget(m_area);
    for (const Command &command : kMainCommands)
        AddMainAction(command.name, command.category);
    for (const Command &command : kProxies)
        AddChildProxy(command.name, command.category);
    ChildProxy("FileSaveAction")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ChildProxy("FileCloseAction")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    for (const char *name : {"FilePageSetupAction", "FilePrinterSetupAction", "FilePrintPreviewAction", "FilePrintAction"})
        ChildProxy(name)->setVisible(false);
    MainAction("FileNewAction")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MainAction("FileOpenAction")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MainAction("WindowPrevAction")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
    MainAction("WindowNextAction")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(MainAction("WindowCascadeAction"), &QAction::triggered, m_area, &QMdiArea::cascadeSubWindows);
    connect(MainAction("WindowTileHorizAction"), &QAction::triggered, this, &TVURAppMDIForm::WindowTileHorizActionExecute);
    connect(MainAction("WindowTileVertAction"), &QAction::triggered, this, &TVURAppMDIForm::WindowTileVertActionExecute);
    connect(MainAction("WindowArrangeAction"), &QAction::triggered, this, &TVURAppMDIForm::WindowArrangeActionExecute);
    connect(MainAction("WindowPrevAction"), &QAction::triggered, this, &TVURAppMDIForm::WindowPrevActionExecute);
    connect(MainAction("WindowNextAction"), &QAction::triggered, this, &TVURAppMDIForm::WindowNextActionExecute);
    MainAction("WindowListAction")->setShortcut(QKeySequence(Qt::ALT | Qt::Key_0));
    connect(MainAction("WindowListAction"), &QAction::triggered, this,
            [this] { ShowWindowList(TVURChildMDIListForm::Mode::AllWindows); });
    connect(MainAction("FileSaveAllAction"), &QAction::triggered, this,
            [this] { ShowWindowList(TVURChildMDIListForm::Mode::ModifiedDocuments); });
    connect(MainAction("FileCloseAllAction"), &QAction::triggered, this,
            [this] { ShowWindowList(TVURChildMDIListForm::Mode::Documents); });
    QAction *stripToggle = MainAction("ToolbarMDIChildListToggleAction");
    stripToggle->setCheckable(true);
    connect(stripToggle, &QAction::triggered, this, [this](bool shown) {
        if (!m_tabStrip)
            return;
        m_tabStrip->setVisible(shown);
        if (shown)
            SynchronizeTabs();
    });
    // Ctrl+Tab goes by this window's order, not the area's own cycling.
    qApp->installEventFilter(this);
}

TVURAppMDIForm::~TVURAppMDIForm()
{
    qApp->removeEventFilter(this);
    // The children leave while this layer is still whole, and the closed
    // files are in the recent list before it is written.
    for (QMdiSubWindow *sub : m_area->subWindowList())
        delete sub;
    WriteSettingsOnce();
}

QAction *TVURAppMDIForm::AddChildProxy(const char *name, const char *category)
{
    auto *proxy = new QAction(this);
    proxy->setObjectName(QString::fromLatin1(name));
    proxy->setProperty("category", QString::fromLatin1(category));
    proxy->setEnabled(false);
    addAction(proxy);
    connect(proxy, &QAction::triggered, this, [this, proxy] {
        if (QAction *bound = BoundAction(proxy))
            bound->trigger();
    });
    m_proxies.append(proxy);
    return proxy;
}

QAction *TVURAppMDIForm::ChildProxy(const char *name) const
{
    for (QAction *proxy : m_proxies) {
        if (proxy->objectName() == QLatin1String(name))
            return proxy;
    }
    return nullptr;
}

QAction *TVURAppMDIForm::BoundAction(QAction *proxy) const
{
    return m_bindings.value(proxy).data();
}

void TVURAppMDIForm::FormCreate()
{
    TVURAppGUIForm::FormCreate();
    // The Window menu goes just before the Help menu.
    m_windowMenu = new QMenu(this);
    m_windowMenu->setObjectName(QStringLiteral("WindowMenu"));
    for (const char *name : {"WindowCascadeAction", "WindowTileHorizAction", "WindowTileVertAction", "WindowArrangeAction"})
        AddActionMenuItem(m_windowMenu, MainAction(name));
    AddSeparatorMenuItem(m_windowMenu);
    AddActionMenuItem(m_windowMenu, MainAction("WindowPrevAction"));
    AddActionMenuItem(m_windowMenu, MainAction("WindowNextAction"));
    AddActionMenuItem(m_windowMenu, MainAction("WindowListAction"));
    if (ToolbarPane() || m_tabStrip || StatusbarPane())
        AddSeparatorMenuItem(m_windowMenu);
    if (ToolbarPane())
        AddActionMenuItem(m_windowMenu, MainAction("ToolbarToggleAction"));
    if (m_tabStrip)
        AddActionMenuItem(m_windowMenu, MainAction("ToolbarMDIChildListToggleAction"));
    if (StatusbarPane())
        AddActionMenuItem(m_windowMenu, MainAction("StatusbarToggleAction"));
    if (HelpMenu())
        MainMenu()->insertMenu(HelpMenu()->menuAction(), m_windowMenu);
    else
        MainMenu()->addMenu(m_windowMenu);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TVURAppMDIForm::WindowMenuUpdate);
    TranslateTexts();
    PadMenuCaptions(m_windowMenu);
    SynchronizeTabs();
}

void TVURAppMDIForm::CreateToolbars()
{
    TVURAppGUIForm::CreateToolbars();
    m_tabStrip = new TVURToolbarMDIChildListPane(this);
    m_tabStrip->FormCreate();
    m_tabStrip->setFocusPolicy(Qt::NoFocus);
    // Directly below the toolbar.
    const int toolbarIndex = ToolbarPane() ? TopLayout()->indexOf(ToolbarPane()) : -1;
    TopLayout()->insertWidget(toolbarIndex + 1, m_tabStrip);
    connect(m_tabStrip, &TVURToolbarMDIChildListPane::WindowChosen, this, &TVURAppMDIForm::ActivateChild);
    connect(m_tabStrip, &TVURToolbarMDIChildListPane::WindowMoved, this, [this](TVURChildMDIForm *child, int to) {
        if (m_order.removeOne(child))
            m_order.insert(std::clamp<qsizetype>(to, 0, m_order.size()), child);
    });
}

void TVURAppMDIForm::BuildHelpMenu()
{
    TVURAppGUIForm::BuildHelpMenu();
    if (m_windowMenu)
        MainMenu()->insertMenu(HelpMenu()->menuAction(), m_windowMenu);
}

void TVURAppMDIForm::TranslateTexts()
{
    TVURAppGUIForm::TranslateTexts();
    for (const Command &command : kMainCommands)
        SetTexts(MainAction(command.name), command);
    for (const Command &command : kProxies)
        SetTexts(ChildProxy(command.name), command);
    SetCommandTexts(MainAction("ToolbarToggleAction"), "<PLK>Pasek &narzędzi<ENU>Main &toolbar",
                    "<PLK>Pokazuje i chowa pasek narzędzi<ENU>Shows and hides the main toolbar");
    if (m_windowMenu) {
        m_windowMenu->setTitle(TranslateText(QStringLiteral("<PLK>O&kno<ENU>&Window")));
        m_windowMenu->menuAction()->setStatusTip(TranslateText(QStringLiteral("<PLK>Funkcje obsługujące okna<ENU>Window handling functions")));
    }
}

void TVURAppMDIForm::LanguageChanged()
{
    TVURAppGUIForm::LanguageChanged();
    if (m_windowMenu)
        PadMenuCaptions(m_windowMenu);
    for (QMdiSubWindow *sub : SubWindows()) {
        if (TVURChildMDIForm *child = ChildOf(sub))
            child->LanguageChanged();
    }
    if (m_tabStrip)
        m_tabStrip->LanguageChanged();
    SynchronizeTabs();
}

void TVURAppMDIForm::FirstIdle()
{
    UnmergeChildActions();
    TVURAppGUIForm::FirstIdle();
}

bool TVURAppMDIForm::AcceptsDroppedFiles() const
{
    return true;
}

QList<QMdiSubWindow *> TVURAppMDIForm::SubWindows() const
{
    return m_area->subWindowList(QMdiArea::CreationOrder);
}

QList<TVURChildMDIForm *> TVURAppMDIForm::ChildWindows() const
{
    QList<TVURChildMDIForm *> children;
    for (QMdiSubWindow *sub : SubWindows()) {
        if (TVURChildMDIForm *child = ChildOf(sub))
            children.append(child);
    }
    return children;
}

TVURChildMDIForm *TVURAppMDIForm::ActiveChildForm() const
{
    return ChildOf(m_area->activeSubWindow());
}

IVURChildHost::ActiveChildState TVURAppMDIForm::ActiveChild() const
{
    QMdiSubWindow *active = m_area->activeSubWindow();
    if (!active)
        return ActiveChildState::None;
    return active->isMaximized() ? ActiveChildState::Maximized : ActiveChildState::Normal;
}

void TVURAppMDIForm::RegisterChild(TVURChildMDIForm *child)
{
    TVURChildMDIForm *active = ActiveChildForm();
    const qsizetype at = active ? m_order.indexOf(active) : -1;
    if (at >= 0)
        m_order.insert(at + 1, child);
    else
        m_order.append(child);
    QMdiSubWindow *sub = m_area->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    if (child->OpenMaximized())
        sub->showMaximized();
    else
        sub->showNormal();
}

void TVURAppMDIForm::UnregisterChild(TVURChildMDIForm *child)
{
    if (auto *document = dynamic_cast<TVURChildFileForm *>(child); document && !document->GetUntitled())
        NoteRecentClosed(document->GetFileName());
    m_order.removeAll(child);
}

int TVURAppMDIForm::NextUntitledNumber()
{
    return ++m_untitledCounter;
}

TVURChildMDIForm *TVURAppMDIForm::FindChildByFileName(const QString &fileName)
{
    for (QMdiSubWindow *sub : SubWindows()) {
        auto *document = dynamic_cast<TVURChildFileForm *>(ChildOf(sub));
        if (document && VURFiles::SameFileName(document->GetFileName(), fileName))
            return document;
    }
    return nullptr;
}

void TVURAppMDIForm::OpenOrActivateFile(const QString &fileName, bool &stop)
{
    TVURChildMDIForm *open = FindChildByFileName(fileName);
    if (!open) {
        OpenFileInNewWindow(fileName);
        return;
    }
    switch (AskYesNoCancel(QStringLiteral("<PLK>Wybrany plik jest już otwarty.\\nPrzejść do jego okna?<ENU>Selected file "
                                          "is already opened.\\nSwitch to its window?"))) {
    case VURMessageBox::IdYes:
        ActivateChild(open);
        break;
    case VURMessageBox::IdNo:
        break;
    default:
        stop = true;
        break;
    }
}

void TVURAppMDIForm::MergeChildActions(const QList<QAction *> &actions)
{
    MainAction("HelpContentsAction")->setShortcut(QKeySequence());
    m_bindings.clear();
    for (QAction *proxy : std::as_const(m_proxies)) {
        const auto partner = std::find_if(actions.begin(), actions.end(),
                                          [proxy](QAction *action) { return action->objectName() == proxy->objectName(); });
        if (partner != actions.end())
            m_bindings.insert(proxy, *partner);
    }
    ChildActionListUpdate();
}

void TVURAppMDIForm::UnmergeChildActions()
{
    MainAction("HelpContentsAction")->setShortcut(QKeySequence(Qt::Key_F1));
    m_bindings.clear();
    for (QAction *proxy : std::as_const(m_proxies))
        proxy->setEnabled(false);
}

void TVURAppMDIForm::ChildActionListUpdate()
{
    if (TVURChildMDIForm *active = ActiveChildForm(); active && !m_bindings.isEmpty())
        active->UpdateChildActions();
    for (QAction *proxy : std::as_const(m_proxies)) {
        QAction *bound = BoundAction(proxy);
        if (!bound) {
            proxy->setEnabled(false);
            continue;
        }
        proxy->setVisible(bound->isVisible());
        if (bound->isVisible()) {
            // Group membership is fixed by the layer that made the proxy.
            proxy->setEnabled(bound->isEnabled());
            proxy->setCheckable(bound->isCheckable());
            proxy->setChecked(bound->isChecked());
        }
    }
}

void TVURAppMDIForm::ActivateChild(TVURChildMDIForm *child)
{
    auto *sub = child ? qobject_cast<QMdiSubWindow *>(child->parentWidget()) : nullptr;
    if (!sub)
        return;
    if (sub->isMinimized()) {
        sub->showNormal();
        m_area->setActiveSubWindow(sub);
        return;
    }
    setUpdatesEnabled(false);
    m_area->setActiveSubWindow(sub);
    sub->raise();
    setUpdatesEnabled(true);
}

void TVURAppMDIForm::WindowNextActionExecute()
{
    if (m_order.size() < 2)
        return;
    const qsizetype at = m_order.indexOf(ActiveChildForm());
    ActivateChild(at < 0 || at + 1 >= m_order.size() ? m_order.first() : m_order.at(at + 1));
}

void TVURAppMDIForm::WindowPrevActionExecute()
{
    if (m_order.size() < 2)
        return;
    const qsizetype at = m_order.indexOf(ActiveChildForm());
    ActivateChild(at <= 0 ? m_order.last() : m_order.at(at - 1));
}

void TVURAppMDIForm::WindowTileHorizActionExecute()
{
    Tile(Qt::Vertical);
}

void TVURAppMDIForm::WindowTileVertActionExecute()
{
    Tile(Qt::Horizontal);
}

void TVURAppMDIForm::Tile(Qt::Orientation direction)
{
    // The windows that are not minimized, in equal strips along the direction.
    QList<QMdiSubWindow *> shown;
    for (QMdiSubWindow *sub : SubWindows()) {
        if (!sub->isMinimized())
            shown.append(sub);
    }
    if (shown.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int count = int(shown.size());
    for (int i = 0; i < count; ++i) {
        shown.at(i)->showNormal();
        if (direction == Qt::Vertical)
            shown.at(i)->setGeometry(0, i * (area.height() / count), area.width(), area.height() / count);
        else
            shown.at(i)->setGeometry(i * (area.width() / count), 0, area.width() / count, area.height());
    }
}

void TVURAppMDIForm::WindowArrangeActionExecute()
{
    // The minimized windows in a row along the bottom edge.
    int x = 0;
    const QRect area = m_area->viewport()->rect();
    for (QMdiSubWindow *sub : SubWindows()) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > area.width())
            x = 0;
        sub->move(x, area.height() - size.height());
        x += size.width();
    }
}

void TVURAppMDIForm::WindowMenuUpdate()
{
    int minimized = 0, normal = 0;
    for (QMdiSubWindow *sub : SubWindows())
        ++(sub->isMinimized() ? minimized : normal);
    for (const char *name : {"WindowCascadeAction", "WindowTileHorizAction", "WindowTileVertAction"})
        MainAction(name)->setEnabled(normal > 0);
    MainAction("WindowArrangeAction")->setEnabled(minimized > 0);
    MainAction("WindowPrevAction")->setEnabled(normal >= 2);
    MainAction("WindowNextAction")->setEnabled(normal >= 2);
    MainAction("WindowListAction")->setEnabled(minimized + normal > 0);
    MainAction("ToolbarToggleAction")->setChecked(ToolbarPane() && ToolbarPane()->isVisible());
    MainAction("StatusbarToggleAction")->setChecked(StatusbarPane() && StatusbarPane()->isVisible());
    MainAction("ToolbarMDIChildListToggleAction")->setChecked(m_tabStrip && m_tabStrip->isVisible());

    // The open windows, numbered up to nine, the active one checked.
    for (QAction *entry : std::as_const(m_windowEntries))
        delete entry;
    m_windowEntries.clear();
    const QList<QMdiSubWindow *> subs = SubWindows();
    if (subs.isEmpty())
        return;
    m_windowEntries.append(m_windowMenu->addSeparator());
    const QString activateHint = TranslateText(QStringLiteral("<PLK>Przejdź do wskazywanego okna<ENU>Activate the indicated window"));
    for (int i = 0; i < subs.size() && i < 9; ++i) {
        TVURChildMDIForm *child = ChildOf(subs.at(i));
        if (!child)
            continue;
        QAction *entry = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(child->windowTitle()));
        // Only the active window carries a check mark.
        entry->setCheckable(subs.at(i) == m_area->activeSubWindow());
        entry->setChecked(entry->isCheckable());
        entry->setStatusTip(activateHint);
        connect(entry, &QAction::triggered, this, [this, child] { ActivateChild(child); });
        m_windowEntries.append(entry);
    }
    if (subs.size() > 9) {
        QAction *more = m_windowMenu->addAction(TranslateText(QStringLiteral("<PLK>&Więcej okien...<ENU>&More windows...")));
        more->setStatusTip(TranslateText(QStringLiteral("<PLK>Pokazuje listę otwartych okien<ENU>Shows a list of open windows")));
        connect(more, &QAction::triggered, this, [this] { ShowWindowList(TVURChildMDIListForm::Mode::AllWindows); });
        m_windowEntries.append(more);
    }
}

void TVURAppMDIForm::ShowWindowList(TVURChildMDIListForm::Mode mode)
{
    std::unique_ptr<TVURChildMDIListForm> dialog = MakeForm<TVURChildMDIListForm>(this, mode);
    dialog->ShowModal();
}

void TVURAppMDIForm::FileSaveAllActionUpdate()
{
    const QList<TVURChildMDIForm *> children = ChildWindows();
    const bool documents = std::any_of(children.begin(), children.end(), [](TVURChildMDIForm *child) {
        return dynamic_cast<TVURChildFileForm *>(child) != nullptr;
    });
    MainAction("FileSaveAllAction")->setEnabled(documents);
    MainAction("FileCloseAllAction")->setEnabled(documents);
}

void TVURAppMDIForm::SynchronizeTabs()
{
    if (m_tabStrip && m_tabStrip->isVisibleTo(this))
        m_tabStrip->Synchronize(m_order, ActiveChildForm());
}

void TVURAppMDIForm::ApplicationEventsIdle()
{
    TVURAppGUIForm::ApplicationEventsIdle();
    ChildActionListUpdate();
    FileSaveAllActionUpdate();
    SynchronizeTabs();
}

bool TVURAppMDIForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        auto *widget = qobject_cast<QWidget *>(watched);
        if (tab && (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && widget
            && m_area->isAncestorOf(widget)) {
            if (modifiers & Qt::ShiftModifier || key->key() == Qt::Key_Backtab)
                WindowPrevActionExecute();
            else
                WindowNextActionExecute();
            return true;
        }
    }
    return TVURAppGUIForm::eventFilter(watched, event);
}

void TVURAppMDIForm::LoadSettings(IVURSettings &reader)
{
    TVURAppGUIForm::LoadSettings(reader);
    bool shown = true;
    TVURSettingsSection section(reader, GetSettingsRoot(), QStringLiteral("Views"), true);
    if (section.IsOpen()) {
        shown = reader.ReadBool(QStringLiteral("ToolbarMDIChildList"), true);
        section.Close();
    }
    if (m_tabStrip)
        m_tabStrip->setVisible(shown);
    MainAction("ToolbarMDIChildListToggleAction")->setChecked(shown);
}

void TVURAppMDIForm::SaveSettings(IVURSettings &writer)
{
    TVURAppGUIForm::SaveSettings(writer);
    TVURSettingsSection section(writer, GetSettingsRoot(), QStringLiteral("Views"), true);
    if (!section.IsOpen())
        return;
    writer.WriteBool(QStringLiteral("ToolbarMDIChildList"), MainAction("ToolbarMDIChildListToggleAction")->isChecked());
    section.Close();
}
