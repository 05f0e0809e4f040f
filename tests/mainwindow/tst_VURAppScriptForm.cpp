#include "EventLoop.h"
#include "MdiTestForm.h"
#include "VURAppScriptForm.h"
#include "VURLang.h"
#include "VURRecents.h"
#include "VURStatusbar.h"
#include "VURToolbarImages.h"
#include "VURToolbarScript.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VURAppScriptForm";
char *g_argv[] = {g_arg0, nullptr};

// Counts what reaches the information panel.
class ScriptForm : public MdiTestFormOf<TVURAppScriptForm>
{
public:
    void ShowStatusInfo(const QString &text) override
    {
        infos.append(text);
        MdiTestFormOf<TVURAppScriptForm>::ShowStatusInfo(text);
    }
    QStringList infos;
};

// The entries of a menu as a user reads them: captions without their
// padding, "-" for a separator, "name >" for a submenu.
QStringList Entries(QMenu *menu)
{
    QStringList entries;
    for (QAction *action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            entries.append(QStringLiteral("-"));
        else
            entries.append(action->text().trimmed() + (action->menu() ? QStringLiteral(" >") : QString()));
    }
    return entries;
}

QStringList Titles(const QMenuBar *bar)
{
    QStringList titles;
    for (QAction *action : bar->actions())
        titles.append(action->text());
    return titles;
}

} // namespace

class tst_VURAppScriptForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void menus_data();
    void menus();
    void menuTitles_data();
    void menuTitles();
    void keys_data();
    void keys();
    void bookmarks();
    void withoutEditorWindow();
    void proxiesAndButtonsFollowTheEditor();
    void selectionModes();
    void positionShownWhenItChanges();
    void macroTextsFollowTheWindow();
    void recentFiles();
    void toolbar();

private:
    TVURChildEditSynForm *Open(const QString &name) { return m_form->OpenArticle(m_dir.filePath(name)); }
    void NewForm(const char *language)
    {
        LangManager()->SetLanguage(QString::fromLatin1(language));
        m_form = std::make_unique<ScriptForm>();
        m_form->FormCreate();
        LangManager()->SetLanguage(QString::fromLatin1(language));
        m_form->LanguageChanged();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        RunEventLoopFor(50);
    }
    void Idle() { RunEventLoopFor(30); }

    QTemporaryDir m_dir;
    std::unique_ptr<MdiIdentityApp> m_app;
    std::unique_ptr<ScriptForm> m_form;
};

void tst_VURAppScriptForm::init()
{
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QStringLiteral("/quill-miz/settings.json"));
    LangManager()->SetCommandLineOverride(QStringList());
    m_app = std::make_unique<MdiIdentityApp>(g_argc, g_argv);
    NewForm("enu");
}

void tst_VURAppScriptForm::cleanup()
{
    m_form.reset();
    m_app.reset();
}

void tst_VURAppScriptForm::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("File") << "FileMenu"
                          << QStringList({"&New...", "&Open...", "&Recent >", "&Insert...", "-", "&Save", "Save &as...",
                                          "Save a&ll", "Save &block...", "Appen&d block...", "-", "&Close", "Clos&e all",
                                          "E&xit"});
    QTest::newRow("Edit") << "EditMenu"
                          << QStringList({"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "C&lear", "Select &all", "-",
                                          "&Indent block", "U&nindent block", "-", "Nor&mal blocks", "C&olumn blocks",
                                          "Lin&e blocks", "-", "Pre&ferences..."});
    QTest::newRow("Search") << "SearchMenu"
                            << QStringList({"&Find...", "&Replace...", "Find &next", "In&cremental...", "-",
                                            "Go to &line...", "-", "&Insert bookmark >", "&Go to bookmark >",
                                            "Clear &all bookmarks"});
    QTest::newRow("Macro") << "MacroMenu" << QStringList({"&Record", "&Pause", "Play&back"});
    QTest::newRow("Process") << "ProcessMenu"
                             << QStringList({"&First issue", "&Previous issue", "&Next issue", "&Last issue", "-",
                                             "Clea&r issues"});
}

void tst_VURAppScriptForm::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    auto *found = m_form->findChild<QMenu *>(menu);
    QVERIFY(found);
    QCOMPARE(Entries(found), entries);
    // Every caption carries the padding that keeps the keys apart.
    for (QAction *action : found->actions()) {
        if (!action->isSeparator())
            QVERIFY2(action->text().endsWith(QStringLiteral("   ")), qPrintable(action->text()));
    }
}

void tst_VURAppScriptForm::menuTitles_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("firstEditEntry");
    QTest::addColumn<QString>("recent");
    QTest::newRow("English") << "enu"
                             << QStringList({"&File", "&Edit", "&Search", "&Macro", "&Process", "&Window", "&Help"})
                             << "&Undo" << "&Recent";
    QTest::newRow("Polish") << "plk"
                            << QStringList({"&Plik", "&Edycja", "&Szukaj", "&Makra", "P&rocesor", "O&kno", "Pomo&c"})
                            << "&Cofnij" << "Ostatni&e";
}

void tst_VURAppScriptForm::menuTitles()
{
    QFETCH(QString, language);
    QFETCH(QStringList, titles);
    QFETCH(QString, firstEditEntry);
    QFETCH(QString, recent);
    NewForm(qPrintable(language));
    QCOMPARE(Titles(m_form->MainMenu()), titles);
    QCOMPARE(Entries(m_form->EditMenu()).first(), firstEditEntry);
    QCOMPARE(m_form->FileRecentsMenu()->title().trimmed(), recent);
    QCOMPARE(m_form->MacroMenu()->actions().at(0)->text().trimmed(),
             language == "enu" ? QStringLiteral("&Record") : QStringLiteral("&Rejestruj"));
    // Texts set after a language change too.
    LangManager()->SetLanguage(language == "enu" ? QStringLiteral("plk") : QStringLiteral("enu"));
    m_form->LanguageChanged();
    QVERIFY(Titles(m_form->MainMenu()) != titles);
}

void tst_VURAppScriptForm::keys_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<QKeySequence>>("keys");
    using Keys = QList<QKeySequence>;
    QTest::newRow("undo") << "EditUndoAction" << Keys({Qt::ALT | Qt::Key_Backspace, Qt::CTRL | Qt::Key_Z});
    QTest::newRow("redo") << "EditRedoAction"
                          << Keys({Qt::SHIFT | Qt::ALT | Qt::Key_Backspace, Qt::SHIFT | Qt::CTRL | Qt::Key_Z});
    QTest::newRow("clear") << "EditClearAction" << Keys({Qt::CTRL | Qt::Key_Delete});
    QTest::newRow("find next") << "EditFindNextAction" << Keys({QKeySequence(Qt::Key_F3)});
    QTest::newRow("incremental") << "EditIncrementalSearchAction" << Keys({Qt::CTRL | Qt::Key_F3});
    QTest::newRow("line blocks") << "EditSelectLineAction" << Keys({Qt::CTRL | Qt::SHIFT | Qt::Key_L});
    QTest::newRow("record") << "MacroRecordAction" << Keys({Qt::CTRL | Qt::SHIFT | Qt::Key_R});
    QTest::newRow("pause") << "MacroPauseAction" << Keys();
    QTest::newRow("previous issue") << "ProcessMsgPrevAction" << Keys({QKeySequence(Qt::Key_F7)});
    QTest::newRow("last issue") << "ProcessMsgLastAction" << Keys({Qt::CTRL | Qt::Key_F8});
    QTest::newRow("insert bookmark 7") << "BookmarkInsert7Action" << Keys({Qt::CTRL | Qt::SHIFT | Qt::Key_7});
    QTest::newRow("go to bookmark 0") << "BookmarkGoto0Action" << Keys({Qt::CTRL | Qt::Key_0});
}

void tst_VURAppScriptForm::keys()
{
    QFETCH(QString, action);
    QFETCH(QList<QKeySequence>, keys);
    QAction *proxy = m_form->ChildProxy(qPrintable(action));
    QVERIFY(proxy);
    QCOMPARE(proxy->shortcuts(), keys);
}

void tst_VURAppScriptForm::bookmarks()
{
    const QList<QAction *> insert = m_form->BookmarkInsertMenu()->actions();
    const QList<QAction *> go = m_form->BookmarkGotoMenu()->actions();
    QCOMPARE(insert.size(), 10);
    QCOMPARE(go.size(), 10);
    for (int digit = 0; digit <= 9; ++digit) {
        const QString caption = QStringLiteral("Bookmark &%1").arg(digit);
        QCOMPARE(insert.at(digit)->text().trimmed(), caption);
        QCOMPARE(insert.at(digit)->statusTip(), QStringLiteral("Define bookmark %1").arg(digit));
        QCOMPARE(go.at(digit)->text().trimmed(), caption);
        QCOMPARE(go.at(digit)->statusTip(), QStringLiteral("Go to bookmark %1").arg(digit));
    }
    QCOMPARE(m_form->BookmarkInsertMenu()->menuAction()->statusTip(), QStringLiteral("Define current caret position as a bookmark"));
}

void tst_VURAppScriptForm::withoutEditorWindow()
{
    Idle();
    for (QAction *proxy : m_form->ChildActionList())
        QVERIFY2(!proxy->isEnabled(), qPrintable(proxy->objectName()));
    QCOMPARE(m_form->ChildProxy("MacroRecordAction")->statusTip(),
             QStringLiteral("Record|Record key sequence as a macro"));
    QCOMPARE(m_form->ChildProxy("MacroPauseAction")->text().trimmed(), QStringLiteral("&Pause"));
    QCOMPARE(m_form->StatusbarPane()->InfoText(), QString());
    QVERIFY(!m_form->ToolbarScriptPane()->Button(QStringLiteral("EditCutToolButton"))->isEnabled());
    QVERIFY(m_form->ToolbarScriptPane()->Button(QStringLiteral("FileNewToolButton"))->isEnabled() ==
            m_form->MainAction("FileNewAction")->isEnabled());
}

void tst_VURAppScriptForm::proxiesAndButtonsFollowTheEditor()
{
    TVURChildEditSynForm *editor = Open(QStringLiteral("a.miz"));
    QVERIFY(editor);
    Idle();
    QAction *cut = m_form->ChildProxy("EditCutAction");
    QToolButton *cutButton = m_form->ToolbarScriptPane()->Button(QStringLiteral("EditCutToolButton"));
    QVERIFY(!cut->isEnabled());
    QVERIFY(!cutButton->isEnabled());
    QVERIFY(m_form->ChildProxy("EditSelectAllAction")->isEnabled());
    m_form->ChildProxy("EditSelectAllAction")->trigger();
    Idle();
    QVERIFY(cut->isEnabled());
    QVERIFY(cutButton->isEnabled());
    QCOMPARE(cutButton->toolTip(), QStringLiteral("Cut"));
    QCOMPARE(cutButton->statusTip(), QStringLiteral("Cut|Move the selected block to the clipboard"));
    QVERIFY(cutButton->text().isEmpty() || cutButton->toolButtonStyle() == Qt::ToolButtonIconOnly);
    // The button runs the active window's own command.
    cutButton->click();
    QCOMPARE(editor->SynEdit()->text(), QString());
    QVERIFY(editor->GetModified());
    Idle();
    QToolButton *saveButton = m_form->ToolbarScriptPane()->Button(QStringLiteral("FileSaveToolButton"));
    QVERIFY(saveButton->isEnabled());
    saveButton->click();
    QVERIFY(!editor->GetModified());
    QFile file(m_dir.filePath(QStringLiteral("a.miz")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray());
}

void tst_VURAppScriptForm::selectionModes()
{
    TVURChildEditSynForm *editor = Open(QStringLiteral("a.miz"));
    Idle();
    QAction *normal = m_form->ChildProxy("EditSelectNormalAction");
    QAction *column = m_form->ChildProxy("EditSelectColumnAction");
    QAction *line = m_form->ChildProxy("EditSelectLineAction");
    QVERIFY(normal->isChecked());
    m_form->ToolbarScriptPane()->Button(QStringLiteral("EditSelectColumnToolButton"))->click();
    Idle();
    QVERIFY(editor->ChildAction(QStringLiteral("EditSelectColumnAction"))->isChecked());
    QVERIFY(column->isChecked());
    QVERIFY(!normal->isChecked());
    QVERIFY(!line->isChecked());
    QVERIFY(m_form->ToolbarScriptPane()->Button(QStringLiteral("EditSelectColumnToolButton"))->isChecked());
    QVERIFY(!m_form->ToolbarScriptPane()->Button(QStringLiteral("EditSelectNormalToolButton"))->isChecked());
    // A second window has its own mode.
    Open(QStringLiteral("b.miz"));
    Idle();
    QVERIFY(normal->isChecked());
    QVERIFY(!column->isChecked());
}

void tst_VURAppScriptForm::positionShownWhenItChanges()
{
    TVURChildEditSynForm *editor = Open(QStringLiteral("position.miz"));
    Idle();
    QCOMPARE(m_form->StatusbarPane()->InfoText(), QStringLiteral("Position 1 : 1"));
    m_form->infos.clear();
    Idle();
    Idle();
    QVERIFY(m_form->infos.isEmpty());
    editor->SynEdit()->setCursorPosition(0, 3);
    QVERIFY(RunEventLoopUntil([this] { return !m_form->infos.isEmpty(); }));
    Idle();
    Idle();
    QCOMPARE(m_form->infos, QStringList({"Position 1 : 4"}));
    editor->parentWidget()->close();
    QVERIFY(RunEventLoopUntil([this] { return m_form->StatusbarPane()->InfoText().isEmpty(); }));
}

void tst_VURAppScriptForm::macroTextsFollowTheWindow()
{
    TVURChildEditSynForm *a = Open(QStringLiteral("a.miz"));
    TVURChildEditSynForm *b = Open(QStringLiteral("b.miz"));
    QAction *record = m_form->ChildProxy("MacroRecordAction");
    m_form->ActivateChild(a);
    Idle();
    record->trigger();
    Idle();
    QCOMPARE(record->text().trimmed(), QStringLiteral("&Stop"));
    QVERIFY(record->text().endsWith(QStringLiteral("   ")));
    QVERIFY(m_form->ChildProxy("MacroPauseAction")->isEnabled());
    m_form->ActivateChild(b);
    Idle();
    QCOMPARE(record->text().trimmed(), QStringLiteral("&Record"));
    QVERIFY(!m_form->ChildProxy("MacroPauseAction")->isEnabled());
    m_form->ActivateChild(a);
    Idle();
    QCOMPARE(record->text().trimmed(), QStringLiteral("&Stop"));
    record->trigger();
    Idle();
    QCOMPARE(record->text().trimmed(), QStringLiteral("&Record"));
}

void tst_VURAppScriptForm::recentFiles()
{
    // Empty: one disabled entry under Recent.
    Q_EMIT m_form->FileMenu()->aboutToShow();
    const QList<QAction *> empty = m_form->FileRecentsMenu()->actions();
    QVERIFY(!empty.isEmpty());
    QCOMPARE(empty.first()->text().trimmed(), QStringLiteral("[no files]"));
    QVERIFY(!empty.first()->isEnabled());

    Open(QStringLiteral("a.miz"))->parentWidget()->close();
    Idle();
    Q_EMIT m_form->FileMenu()->aboutToShow();
    QVERIFY(m_form->FileRecentsMenu()->actions().first()->text().contains(QStringLiteral("a.miz")));
    // The Open button's list is filled when it drops down; an entry opens its file.
    QMenu *list = m_form->FileRecentsPopupMenu();
    QCOMPARE(m_form->ToolbarScriptPane()->Button(QStringLiteral("FileOpenToolButton"))->menu(), list);
    Q_EMIT list->aboutToShow();
    QVERIFY(list->actions().first()->text().contains(QStringLiteral("a.miz")));
    list->actions().first()->trigger();
    Idle();
    QCOMPARE(m_form->ChildWindows().size(), 1);
}

void tst_VURAppScriptForm::toolbar()
{
    TVURToolbarScriptPane *pane = m_form->ToolbarScriptPane();
    QVERIFY(pane);
    QCOMPARE(pane->ButtonOrder(),
             QStringList({"FileNewToolButton", "FileOpenToolButton", "FileSaveToolButton", "FilePrintPreviewToolButton",
                          "FilePrintToolButton", "-", "EditUndoToolButton", "EditRedoToolButton", "-",
                          "EditCutToolButton", "EditCopyToolButton", "EditPasteToolButton", "-",
                          "EditBlockIndentToolButton", "EditBlockUnindentToolButton", "-", "EditSelectNormalToolButton",
                          "EditSelectColumnToolButton", "EditSelectLineToolButton", "-", "EditFindToolButton",
                          "EditReplaceToolButton", "EditFindNextToolButton", "EditIncrementalSearchToolButton", "-",
                          "MacroRecordToolButton", "MacroPauseToolButton", "MacroPlaybackToolButton", "-",
                          "ProcessMsgFirstToolButton", "ProcessMsgPrevToolButton", "ProcessMsgNextToolButton",
                          "ProcessMsgLastToolButton"}));
    for (QToolButton *button : pane->ToolBar()->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->objectName().isEmpty() || button->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QVERIFY2(!button->toolTip().isEmpty() || button->objectName().startsWith(QStringLiteral("FilePrint")), qPrintable(button->objectName()));
    }
    QVERIFY(!pane->Button(QStringLiteral("FilePrintToolButton"))->isVisible());
    QVERIFY(pane->Button(QStringLiteral("FileSaveToolButton"))->isVisible());
    QCOMPARE(pane->Button(QStringLiteral("FileOpenToolButton"))->popupMode(), QToolButton::MenuButtonPopup);
    // Every drawn picture has ink in it, at 1x and 2x, enabled and disabled.
    for (const QString &command : VURToolbarImages::DrawnCommands()) {
        const QIcon icon = VURToolbarImages::DrawnIcon(command);
        for (qreal scale : {1.0, 2.0}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                const QImage image = icon.pixmap(QSize(16, 16), scale, mode).toImage();
                QCOMPARE(image.size(), QSize(16, 16) * scale);
                int inked = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        inked += qAlpha(image.pixel(x, y)) > 0;
                QVERIFY2(inked > image.width(), qPrintable(command));
            }
        }
    }
}

QTEST_MAIN(tst_VURAppScriptForm)
#include "tst_VURAppScriptForm.moc"
