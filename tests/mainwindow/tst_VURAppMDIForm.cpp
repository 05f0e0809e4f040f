#include "EventLoop.h"
#include "MdiTestForm.h"
#include "ModalDriver.h"
#include "VURAppGUI.h"
#include "VURAppMDIForm.h"
#include "VURChildEditSyn.h"
#include "VURLang.h"
#include "VURRecents.h"
#include "VURToolbarMDIChildList.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenuBar>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VURAppMDIForm";
char *g_argv[] = {g_arg0, nullptr};

class IdentityApp : public MdiIdentityApp
{
public:
    IdentityApp() : MdiIdentityApp(g_argc, g_argv) {}
};

using MainForm = MdiTestForm;

QString Name(TVURChildMDIForm *child)
{
    auto *document = dynamic_cast<TVURChildFileForm *>(child);
    return document ? QFileInfo(document->GetFileName()).fileName() : QString();
}

} // namespace

class tst_VURAppMDIForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tabStrip();
    void nextAndPrevious();
    void openOrActivate();
    void untitledNumbers();
    void windowMenu();
    void tileAndArrange();
    void proxiesFollowTheActiveWindow();
    void tabStripRemembered();

private:
    TVURChildEditSynForm *Open(const QString &name) { return m_form->OpenArticle(m_dir.filePath(name)); }
    QStringList Order() const
    {
        QStringList names;
        for (TVURChildMDIForm *child : m_form->WindowOrder())
            names.append(Name(child));
        return names;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<IdentityApp> m_app;
    std::unique_ptr<MainForm> m_form;
};

void tst_VURAppMDIForm::init()
{
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QStringLiteral("/quill-miz/settings.json"));
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_app = std::make_unique<IdentityApp>();
    m_form = std::make_unique<MainForm>();
    m_form->FormCreate();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    // Past the first idle, as the program is when files arrive.
    RunEventLoopFor(50);
}

void tst_VURAppMDIForm::cleanup()
{
    m_form.reset();
    m_app.reset();
}

void tst_VURAppMDIForm::tabStrip()
{
    QTabBar *tabs = m_form->ToolbarMDIChildListPane()->TabControl();
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("No windows"));
    Open(QStringLiteral("a.miz"));
    m_form->SynchronizeTabs();
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("a.miz "));
    QCOMPARE(tabs->tabToolTip(0), m_dir.filePath(QStringLiteral("a.miz")));
    QVERIFY(tabs->isMovable());
    QVERIFY(!tabs->tabsClosable());
    m_form->ActiveChildForm()->parentWidget()->close();
    RunEventLoopFor(20);
    m_form->SynchronizeTabs();
    QCOMPARE(tabs->tabText(0), QStringLiteral("No windows"));
}

void tst_VURAppMDIForm::nextAndPrevious()
{
    TVURChildEditSynForm *a = Open(QStringLiteral("a.miz"));
    Open(QStringLiteral("b.miz"));
    TVURChildEditSynForm *c = Open(QStringLiteral("c.miz"));
    QCOMPARE(Order(), QStringList({"a.miz", "b.miz", "c.miz"}));
    QTest::keyClick(c->SynEdit(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(m_form->ActiveChildForm(), a);
    QTest::keyClick(a->SynEdit(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_form->ActiveChildForm(), c);
    // Dragging the tab of c to the front changes the order.
    m_form->SynchronizeTabs();
    m_form->ToolbarMDIChildListPane()->TabControl()->moveTab(2, 0);
    QCOMPARE(Order(), QStringList({"c.miz", "a.miz", "b.miz"}));
    m_form->MainAction("WindowNextAction")->trigger();
    QCOMPARE(m_form->ActiveChildForm(), a);
    // A new window enters right after the active one.
    Open(QStringLiteral("d.miz"));
    QCOMPARE(Order(), QStringList({"c.miz", "a.miz", "d.miz", "b.miz"}));
}

void tst_VURAppMDIForm::openOrActivate()
{
    TVURChildEditSynForm *a = Open(QStringLiteral("a.miz"));
    TVURChildEditSynForm *b = Open(QStringLiteral("b.miz"));
    QString question;
    bool stop = false;
    {
        const auto no = AnswerBox(QMessageBox::No, &question);
        m_form->OpenOrActivateFile(m_dir.filePath(QStringLiteral("a.miz")), stop);
    }
    QCOMPARE(question, QStringLiteral("Selected file is already opened.\nSwitch to its window?"));
    QVERIFY(!stop);
    QCOMPARE(m_form->ActiveChildForm(), b);
    QCOMPARE(m_form->ClientArea()->subWindowList().size(), 2);
    {
        const auto cancel = AnswerBox(QMessageBox::Cancel);
        m_form->OpenOrActivateFile(m_dir.filePath(QStringLiteral("a.miz")), stop);
    }
    QVERIFY(stop);
    stop = false;
    {
        const auto yes = AnswerBox(QMessageBox::Yes);
        m_form->OpenOrActivateFile(m_dir.path() + QStringLiteral("/./a.miz"), stop);
    }
    QCOMPARE(m_form->ActiveChildForm(), a);
    QCOMPARE(m_form->opened.size(), 2);
    // Cancel in a drop stops the files after it.
    const auto cancel = AnswerBox(QMessageBox::Cancel);
    m_form->OpenDroppedFiles({m_dir.filePath(QStringLiteral("b.miz")), m_dir.filePath(QStringLiteral("c.miz"))});
    QCOMPARE(m_form->opened.size(), 2);
}

void tst_VURAppMDIForm::untitledNumbers()
{
    QCOMPARE(m_form->NextUntitledNumber(), 1);
    QCOMPARE(m_form->NextUntitledNumber(), 2);
    QCOMPARE(m_form->NextUntitledNumber(), 3);
    QCOMPARE(m_form->NextUntitledNumber(), 4);
}

void tst_VURAppMDIForm::windowMenu()
{
    QMenu *menu = m_form->WindowMenu();
    QCOMPARE(menu->title(), QStringLiteral("&Window"));
    const QList<QAction *> menus = m_form->MainMenu()->actions();
    QCOMPARE(menus.indexOf(menu->menuAction()) + 1, menus.indexOf(m_form->HelpMenu()->menuAction()));
    Open(QStringLiteral("a.miz"));
    Open(QStringLiteral("b.miz"));
    for (QMdiSubWindow *sub : m_form->ClientArea()->subWindowList())
        sub->showNormal();
    for (QMdiSubWindow *sub : m_form->ClientArea()->subWindowList())
        sub->showMinimized();
    RunEventLoopFor(20);
    m_form->WindowMenuUpdate();
    QVERIFY(!m_form->MainAction("WindowCascadeAction")->isEnabled());
    QVERIFY(!m_form->MainAction("WindowTileHorizAction")->isEnabled());
    QVERIFY(!m_form->MainAction("WindowNextAction")->isEnabled());
    QVERIFY(m_form->MainAction("WindowArrangeAction")->isEnabled());
    QStringList entries;
    for (QAction *action : menu->actions())
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text().trimmed());
    QCOMPARE(entries, QStringList({"&Cascade", "Tile &horizontally", "Tile &vertically", "&Arrange icons", "-",
                                   "&Previous", "&Next", "&List...", "-", "Main &toolbar", "Win&dow list toolbar", "&Status bar",
                                   "-", "&1 " + m_dir.filePath("a.miz"), "&2 " + m_dir.filePath("b.miz")}));
    QCOMPARE(menu->actions().last()->statusTip(), QStringLiteral("Activate the indicated window"));
    QVERIFY(m_form->MainAction("WindowListAction")->isEnabled());

    // Nine windows are numbered; the rest are reached through the list.
    for (int i = 0; i < 8; ++i)
        Open(QStringLiteral("more%1.miz").arg(i));
    m_form->WindowMenuUpdate();
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.at(actions.size() - 2)->text(), "&9 " + m_dir.filePath("more6.miz"));
    QCOMPARE(actions.last()->text(), QStringLiteral("&More windows..."));
    QCOMPARE(actions.last()->statusTip(), QStringLiteral("Shows a list of open windows"));
}

void tst_VURAppMDIForm::tileAndArrange()
{
    Open(QStringLiteral("a.miz"));
    Open(QStringLiteral("b.miz"));
    Open(QStringLiteral("c.miz"));
    QList<QMdiSubWindow *> subs = m_form->ClientArea()->subWindowList(QMdiArea::CreationOrder);
    subs.at(2)->showMinimized();
    const QRect area = m_form->ClientArea()->viewport()->rect();
    // Only the shown windows share the area, one above the other.
    m_form->MainAction("WindowTileHorizAction")->trigger();
    QVERIFY(subs.at(2)->isMinimized());
    QCOMPARE(subs.at(0)->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    QCOMPARE(subs.at(1)->geometry(), QRect(0, area.height() / 2, area.width(), area.height() / 2));
    m_form->MainAction("WindowTileVertAction")->trigger();
    QCOMPARE(subs.at(0)->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(subs.at(1)->geometry(), QRect(area.width() / 2, 0, area.width() / 2, area.height()));
    // The minimized window lies on the bottom edge after arranging.
    subs.at(2)->move(40, 40);
    m_form->MainAction("WindowArrangeAction")->trigger();
    QCOMPARE(subs.at(2)->geometry().bottom(), area.bottom());
    QCOMPARE(subs.at(2)->x(), 0);
}

void tst_VURAppMDIForm::proxiesFollowTheActiveWindow()
{
    QAction *help = m_form->MainAction("HelpContentsAction");
    QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
    TVURChildEditSynForm *a = Open(QStringLiteral("a.miz"));
    QCOMPARE(help->shortcut(), QKeySequence());
    QAction *save = m_form->ChildProxy("FileSaveAction");
    QCOMPARE(m_form->BoundAction(save), a->ChildAction(QStringLiteral("FileSaveAction")));
    QCOMPARE(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(save->statusTip(), QStringLiteral("Save file|Save the current file"));
    QCOMPARE(save->toolTip(), QStringLiteral("Save file"));
    QVERIFY(!m_form->ChildProxy("FilePrintAction")->isVisible());
    // The proxy acts on the active window's own command.
    a->SynEdit()->append(QStringLiteral("end;\n"));
    m_form->ChildActionListUpdate();
    QVERIFY(save->isEnabled());
    save->trigger();
    QVERIFY(!a->GetModified());
    m_form->ChildProxy("FileCloseAction")->trigger();
    RunEventLoopFor(20);
    QVERIFY(m_form->WindowOrder().isEmpty());
    QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(!save->isEnabled());
    QCOMPARE(m_form->BoundAction(save), nullptr);
    QCOMPARE(m_form->Recents()->List().At(0)->FileName(), m_dir.filePath(QStringLiteral("a.miz")));
}

void tst_VURAppMDIForm::tabStripRemembered()
{
    m_form->MainAction("ToolbarMDIChildListToggleAction")->trigger();
    QVERIFY(!m_form->ToolbarMDIChildListPane()->isVisible());
    m_form.reset();
    m_form = std::make_unique<MainForm>();
    m_form->FormCreate();
    m_form->show();
    QVERIFY(!m_form->ToolbarMDIChildListPane()->isVisible());
    QVERIFY(!m_form->MainAction("ToolbarMDIChildListToggleAction")->isChecked());
}

QTEST_MAIN(tst_VURAppMDIForm)
#include "tst_VURAppMDIForm.moc"
