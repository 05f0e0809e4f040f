#include "EventLoop.h"
#include "FileDialogDriver.h"
#include "MdiTestForm.h"
#include "ModalDriver.h"
#include "VURChildMDIList.h"
#include "VURLang.h"

#include <Qsci/qsciscintilla.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VURChildMDIList";
char *g_argv[] = {g_arg0, nullptr};

using Mode = TVURChildMDIListForm::Mode;

} // namespace

Q_DECLARE_METATYPE(TVURChildMDIListForm::Mode)

class tst_VURChildMDIList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void modes_data();
    void modes();
    void selectingActivates();
    void saveAndClose();
    void saveAllStopsAtACancelledSaveAs();
    void closeAllStopsAtARefusal();
    void fromTheMainWindow();

private:
    TVURChildEditSynForm *Open(const QString &name) { return m_form->OpenArticle(m_dir.filePath(name)); }
    TVURChildEditSynForm *Untitled()
    {
        auto *editor = NewForm<TVURChildEditSynForm>(m_form.get());
        editor->InitUntitled(m_form->NextUntitledNumber());
        RunEventLoopFor(20);
        return editor;
    }
    static void Modify(TVURChildEditSynForm *editor)
    {
        editor->SynEdit()->append(QStringLiteral("end;\n"));
        QVERIFY(editor->GetModified());
    }
    std::unique_ptr<TVURChildMDIListForm> List(Mode mode)
    {
        auto dialog = MakeForm<TVURChildMDIListForm>(m_form.get(), mode);
        dialog->FillList(0);
        return dialog;
    }
    static QStringList Rows(const TVURChildMDIListForm &dialog)
    {
        QStringList rows;
        for (int i = 0; i < dialog.WindowsListView()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *row = dialog.WindowsListView()->topLevelItem(i);
            rows.append(QFileInfo(row->text(0)).fileName() + QLatin1Char('|') + row->text(1));
        }
        return rows;
    }
    int ChildCount() const { return int(m_form->ChildWindows().size()); }

    QTemporaryDir m_dir;
    std::unique_ptr<MdiIdentityApp> m_app;
    std::unique_ptr<MdiTestForm> m_form;
};

void tst_VURChildMDIList::init()
{
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QStringLiteral("/quill-miz/settings.json"));
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_app = std::make_unique<MdiIdentityApp>(g_argc, g_argv);
    m_form = std::make_unique<MdiTestForm>();
    m_form->FormCreate();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    RunEventLoopFor(50);
}

void tst_VURChildMDIList::cleanup()
{
    for (QMdiSubWindow *sub : m_form->ClientArea()->subWindowList()) {
        if (auto *document = dynamic_cast<TVURChildFileForm *>(sub->widget()))
            document->SetModified(false);
    }
    m_form.reset();
    m_app.reset();
}

void tst_VURChildMDIList::modes_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("saveAll");
    QTest::newRow("all windows") << Mode::AllWindows
                                 << QStringList({"a.miz|", "b.miz (modified)|(modified)", "|"}) << true;
    QTest::newRow("documents") << Mode::Documents << QStringList({"a.miz|", "b.miz (modified)|(modified)"}) << true;
    QTest::newRow("modified documents") << Mode::ModifiedDocuments << QStringList({"b.miz (modified)|(modified)"})
                                        << true;
}

void tst_VURChildMDIList::modes()
{
    QFETCH(Mode, mode);
    QFETCH(QStringList, rows);
    Open(QStringLiteral("a.miz"));
    Modify(Open(QStringLiteral("b.miz")));
    // A child window that is no document.
    auto *other = NewForm<TVURChildMDIForm>(m_form.get());
    other->setWindowTitle(QString());
    RunEventLoopFor(20);

    const auto dialog = List(mode);
    QCOMPARE(Rows(*dialog), rows);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Window list"));
    QCOMPARE(dialog->WindowsListView()->headerItem()->text(0), QStringLiteral("Window name"));
    QCOMPARE(dialog->WindowsListView()->headerItem()->text(1), QStringLiteral("Status"));
    QCOMPARE(dialog->WindowsListView()->columnWidth(1), 100);
    QCOMPARE(dialog->HelpKeyword(), QStringLiteral("WindowList"));
    QVERIFY(dialog->HelpButton()->isVisibleTo(dialog.get()));
    // The first row is selected after the first fill.
    QCOMPARE(dialog->SelectedWindow(), dialog->ListedWindows().first());
    QVERIFY(dialog->GotoButton()->isEnabled());
    QVERIFY(dialog->CloseAllButton()->isEnabled());
    QCOMPARE(dialog->SaveButton()->isEnabled(), mode == Mode::ModifiedDocuments);
    QVERIFY(dialog->SaveAllButton()->isEnabled());
}

void tst_VURChildMDIList::selectingActivates()
{
    TVURChildEditSynForm *a = Open(QStringLiteral("a.miz"));
    Open(QStringLiteral("b.miz"));
    const auto dialog = List(Mode::AllWindows);
    QCOMPARE(m_form->ActiveChildForm(), a);
    dialog->WindowsListView()->setCurrentItem(dialog->WindowsListView()->topLevelItem(1));
    QCOMPARE(m_form->ActiveChildForm(), dialog->ListedWindows().at(1));
    QVERIFY(!dialog->SaveButton()->isEnabled());
    QVERIFY(!dialog->SaveAllButton()->isEnabled());
    // A minimized window comes back when chosen.
    a->parentWidget()->showMinimized();
    dialog->WindowsListView()->setCurrentItem(dialog->WindowsListView()->topLevelItem(0));
    dialog->ActivateButtonClick();
    QVERIFY(!a->parentWidget()->isMinimized());
    QCOMPARE(m_form->ActiveChildForm(), a);
    dialog->GotoButtonClick();
    QCOMPARE(dialog->result(), int(TVURDialogForm::mrOk));
}

void tst_VURChildMDIList::saveAndClose()
{
    TVURChildEditSynForm *a = Open(QStringLiteral("a.miz"));
    TVURChildEditSynForm *b = Open(QStringLiteral("b.miz"));
    Open(QStringLiteral("c.miz"));
    Modify(b);
    const auto dialog = List(Mode::AllWindows);
    dialog->WindowsListView()->setCurrentItem(dialog->WindowsListView()->topLevelItem(1));
    QVERIFY(dialog->SaveButton()->isEnabled());
    dialog->SaveButtonClick();
    QVERIFY(!b->GetModified());
    QCOMPARE(Rows(*dialog), QStringList({"a.miz|", "b.miz|", "c.miz|"}));
    QCOMPARE(dialog->SelectedWindow(), b);
    QVERIFY(!dialog->SaveButton()->isEnabled());

    // Closing the last row leaves the new last row selected.
    dialog->WindowsListView()->setCurrentItem(dialog->WindowsListView()->topLevelItem(2));
    dialog->CloseButtonClick();
    QCOMPARE(ChildCount(), 2);
    QCOMPARE(Rows(*dialog), QStringList({"a.miz|", "b.miz|"}));
    QCOMPARE(dialog->SelectedWindow(), b);
    QVERIFY(m_form->ChildWindows().contains(a));
}

void tst_VURChildMDIList::saveAllStopsAtACancelledSaveAs()
{
    TVURChildEditSynForm *untitled = Untitled();
    Modify(untitled);
    TVURChildEditSynForm *b = Open(QStringLiteral("b.miz"));
    Modify(b);
    const auto dialog = List(Mode::ModifiedDocuments);
    QCOMPARE(dialog->ListedWindows(), QList<TVURChildMDIForm *>({untitled, b}));
    {
        const auto cancel = ChooseFile(QString());
        dialog->SaveAllButtonClick();
        QVERIFY(cancel->Done());
    }
    QVERIFY(untitled->GetModified());
    QVERIFY(b->GetModified());
    QCOMPARE(dialog->ListedWindows(), QList<TVURChildMDIForm *>({untitled, b}));

    // With the untitled one saved, Save all goes on to the next.
    const QString named = m_dir.filePath(QStringLiteral("named.miz"));
    {
        const auto choose = ChooseFile(named);
        dialog->SaveAllButtonClick();
        QVERIFY(choose->Done());
    }
    QVERIFY(!untitled->GetModified());
    QVERIFY(!b->GetModified());
    QVERIFY(QFile::exists(named));
    QVERIFY(dialog->ListedWindows().isEmpty());
    QVERIFY(!dialog->SaveAllButton()->isEnabled());
    QVERIFY(!dialog->CloseButton()->isEnabled());
}

void tst_VURChildMDIList::closeAllStopsAtARefusal()
{
    TVURChildEditSynForm *a = Open(QStringLiteral("a.miz"));
    TVURChildEditSynForm *b = Open(QStringLiteral("b.miz"));
    TVURChildEditSynForm *c = Open(QStringLiteral("c.miz"));
    Modify(b);
    const auto dialog = List(Mode::Documents);
    {
        const auto cancel = AnswerBox(QMessageBox::Cancel);
        dialog->CloseAllButtonClick();
        QVERIFY(cancel->Done());
    }
    const QList<TVURChildMDIForm *> left = m_form->ChildWindows();
    QVERIFY(!left.contains(a));
    QCOMPARE(left, QList<TVURChildMDIForm *>({b, c}));
    QCOMPARE(dialog->ListedWindows(), QList<TVURChildMDIForm *>({b, c}));
    QCOMPARE(dialog->SelectedWindow(), b);
    // Answering No closes the rest without saving.
    {
        const auto no = AnswerBox(QMessageBox::No);
        dialog->CloseAllButtonClick();
    }
    QCOMPARE(ChildCount(), 0);
    QVERIFY(dialog->ListedWindows().isEmpty());
    QVERIFY(!dialog->CloseAllButton()->isEnabled());
}

void tst_VURChildMDIList::fromTheMainWindow()
{
    QAction *saveAll = m_form->MainAction("FileSaveAllAction");
    QAction *closeAll = m_form->MainAction("FileCloseAllAction");
    m_form->FileSaveAllActionUpdate();
    QVERIFY(!saveAll->isEnabled());
    QVERIFY(!closeAll->isEnabled());
    QCOMPARE(m_form->MainAction("WindowListAction")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_0));
    Modify(Open(QStringLiteral("a.miz")));
    m_form->FileSaveAllActionUpdate();
    QVERIFY(saveAll->isEnabled());
    QVERIFY(closeAll->isEnabled());

    // Save all opens the list of modified documents; OK only closes it.
    Mode shown = Mode::AllWindows;
    QStringList rows;
    {
        const ModalDriver accept([&](QWidget *modal) {
            auto *dialog = qobject_cast<TVURChildMDIListForm *>(modal);
            if (!dialog)
                return false;
            RunEventLoopUntil([dialog] { return dialog->WindowsListView()->topLevelItemCount() > 0; });
            shown = dialog->ListMode();
            rows = Rows(*dialog);
            dialog->AcceptButton()->click();
            return true;
        });
        saveAll->trigger();
        QVERIFY(accept.Done());
    }
    QCOMPARE(shown, Mode::ModifiedDocuments);
    QCOMPARE(rows, QStringList({"a.miz (modified)|(modified)"}));
    QVERIFY(qobject_cast<TVURChildEditSynForm *>(m_form->ActiveChildForm())->GetModified());
}

QTEST_MAIN(tst_VURChildMDIList)
#include "tst_VURChildMDIList.moc"
