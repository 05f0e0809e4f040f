#include "VMIZDetectors.h"
#include "VURLang.h"
#include "VURRegistry.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");

// A store whose sections never open.
class ClosedSettings : public IVURSettings
{
public:
    void CloseSection() override {}
    bool DeleteValue(const QString &) override { return false; }
    bool SectionExists(const QString &) override { return false; }
    bool IsSectionEmpty(const QString &) override { return true; }
    void MoveSection(const QString &, const QString &, bool) override {}
    bool OpenSection(const QString &, const QString &, bool) override { return false; }
    bool ReadBool(const QString &, bool) override { return false; }
    int ReadInteger(const QString &, int) override { return 0; }
    QString ReadString(const QString &, const QString &) override { return QString(); }
    void DeleteSectionTree(const QString &) override {}
    void WriteBool(const QString &, bool) override { ++writes; }
    void WriteInteger(const QString &, int) override { ++writes; }
    void WriteString(const QString &, const QString &) override { ++writes; }
    int writes = 0;
};

QList<bool> Ticks(const TVMIZDetectorsDialog &dialog)
{
    QList<bool> ticks;
    for (int i = 0; i < dialog.ChecksListBox()->count(); ++i)
        ticks.append(dialog.ChecksListBox()->item(i)->checkState() == Qt::Checked);
    return ticks;
}

QList<bool> Selection()
{
    return QList<bool>(VMIZDetectors::Selection().begin(), VMIZDetectors::Selection().end());
}

void SetTicks(TVMIZDetectorsDialog &dialog, const QList<int> &ticked)
{
    for (int i = 0; i < dialog.ChecksListBox()->count(); ++i)
        dialog.ChecksListBox()->item(i)->setCheckState(ticked.contains(i) ? Qt::Checked : Qt::Unchecked);
}

} // namespace

class tst_VMIZDetectors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void texts_data();
    void texts();
    void layout();
    void firstStartTicksEverything();
    void okStoresTheTicks();
    void okNeedsATick();
    void allRunsEverythingWithoutStoring();
    void cancelChangesNothing();
    void selectionSurvivesARestart();
    void closedSectionLeavesSelection();

private:
    QTemporaryDir m_dir;
};

void tst_VMIZDetectors::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    VMIZDetectors::Selection().fill(false);
    VMIZDetectors::AllChosen() = false;
    QFile::remove(m_dir.filePath(QStringLiteral("settings.json")));
}

void tst_VMIZDetectors::texts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("trivdemo");
    QTest::newRow("English") << "enu" << "Detectors" << "Select &detectors to execute:" << "A&ll"
                             << "Detect proofs that can be proven with \"by\" (trivdemo)";
    QTest::newRow("Polish") << "plk" << "Detektory" << "Wybór &detektorów do uruchomienia:" << "&Wszystkie"
                            << "Znajdź dowody, które można udowodnić przez \"by\" (trivdemo)";
}

void tst_VMIZDetectors::texts()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, label);
    QFETCH(QString, all);
    QFETCH(QString, trivdemo);
    LangManager()->SetLanguage(language);
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->ChecksLabel()->text(), label);
    QCOMPARE(dialog->AllButton()->text(), all);
    QCOMPARE(dialog->ChecksListBox()->count(), 8);
    QCOMPARE(dialog->ChecksListBox()->item(4)->text(), trivdemo);
    QVERIFY(dialog->ChecksListBox()->item(7)->text().endsWith(QStringLiteral("(irrths)")));
    QCOMPARE(dialog->ChecksLabel()->buddy(), dialog->ChecksListBox());
    QVERIFY(!dialog->HelpButton()->isVisibleTo(dialog.get()));
}

void tst_VMIZDetectors::layout()
{
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->resize(534, 207);
    QTest::qWait(20);
    const auto at = [&dialog](QWidget *widget) { return widget->mapTo(dialog.get(), QPoint(0, 0)); };
    QCOMPARE(at(dialog->ChecksLabel()), QPoint(8, 8));
    QCOMPARE(at(dialog->ChecksListBox()), QPoint(8, 24));
    QCOMPARE(dialog->ChecksListBox()->size(), QSize(518, 142));
    // Buttons are as wide as the style wants (at least 75 pixels); the gaps
    // between them are fixed.
    const auto left = [&at](QWidget *widget) { return at(widget).x(); };
    const auto right = [&at](QWidget *widget) { return at(widget).x() + widget->width(); };
    QCOMPARE(left(dialog->AllButton()), right(dialog->AcceptButton()) + 6);
    QCOMPARE(left(dialog->CancelButton()), right(dialog->AllButton()) + 4);
    QVERIFY(dialog->AllButton()->width() >= 75);
    QCOMPARE(dialog->AllButton()->height(), 25);
    QCOMPARE(at(dialog->AllButton()).y(), at(dialog->CancelButton()).y());
    // Wider, the list takes the room and the buttons keep to the right.
    dialog->resize(734, 307);
    QTest::qWait(20);
    QCOMPARE(dialog->ChecksListBox()->width(), 718);
    QCOMPARE(dialog->ChecksListBox()->height(), dialog->MainPanel()->height() - 24 - 8);
    QVERIFY(dialog->ChecksListBox()->height() >= 240);
    QCOMPARE(left(dialog->CancelButton()), right(dialog->AllButton()) + 4);
    QCOMPARE(right(dialog->HelpButton()), 734 - 5);
    const auto nextTabStop = [](QWidget *widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
        return widget;
    };
    QCOMPARE(nextTabStop(dialog->ChecksListBox()), dialog->AcceptButton());
    QCOMPARE(nextTabStop(dialog->AcceptButton()), dialog->AllButton());
    QCOMPARE(nextTabStop(dialog->AllButton()), dialog->CancelButton());
}

void tst_VMIZDetectors::firstStartTicksEverything()
{
    TVURRegistry store(m_dir.filePath(QStringLiteral("settings.json")));
    LoadDetectorSettings(store, kRoot);
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    QCOMPARE(Ticks(*dialog), QList<bool>(8, true));
    QVERIFY(dialog->AcceptAction()->isEnabled());
}

void tst_VMIZDetectors::okStoresTheTicks()
{
    VMIZDetectors::Selection().fill(true);
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    SetTicks(*dialog, {3});
    dialog->AcceptButton()->click();
    QCOMPARE(dialog->result(), 1);
    QVERIFY(!VMIZDetectors::AllChosen());
    QCOMPARE(Selection(), QList<bool>({false, false, false, true, false, false, false, false}));
}

void tst_VMIZDetectors::okNeedsATick()
{
    VMIZDetectors::Selection().fill(true);
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    SetTicks(*dialog, {});
    QVERIFY(!dialog->AcceptAction()->isEnabled());
    QVERIFY(!dialog->AcceptButton()->isEnabled());
    QVERIFY(dialog->AllButton()->isEnabled());
    dialog->AcceptAction()->trigger();
    QCOMPARE(dialog->result(), 0);
    QCOMPARE(Selection(), QList<bool>(8, true));
    SetTicks(*dialog, {6});
    QVERIFY(dialog->AcceptAction()->isEnabled());
}

void tst_VMIZDetectors::allRunsEverythingWithoutStoring()
{
    VMIZDetectors::Selection().fill(true);
    VMIZDetectors::AllChosen() = true;
    {
        // Every creation starts without the All choice.
        auto dialog = MakeForm<TVMIZDetectorsDialog>();
        QVERIFY(!VMIZDetectors::AllChosen());
        SetTicks(*dialog, {0, 1, 2, 3, 4, 5});
        dialog->AllButton()->click();
        QCOMPARE(dialog->result(), 1);
        QVERIFY(VMIZDetectors::AllChosen());
        QCOMPARE(Selection(), QList<bool>(8, true));
    }
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    QCOMPARE(Ticks(*dialog), QList<bool>(8, true));
}

void tst_VMIZDetectors::cancelChangesNothing()
{
    VMIZDetectors::Selection()[5] = true;
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    SetTicks(*dialog, {0, 1});
    dialog->CancelButton()->click();
    QCOMPARE(dialog->result(), 2);
    QCOMPARE(Selection(), QList<bool>({false, false, false, false, false, true, false, false}));
    QVERIFY(!VMIZDetectors::AllChosen());
}

void tst_VMIZDetectors::selectionSurvivesARestart()
{
    const QString file = m_dir.filePath(QStringLiteral("settings.json"));
    {
        TVURRegistry store(file);
        LoadDetectorSettings(store, kRoot);
        auto dialog = MakeForm<TVMIZDetectorsDialog>();
        SetTicks(*dialog, {3});
        dialog->AcceptButton()->click();
        SaveDetectorSettings(store, kRoot);
    }
    VMIZDetectors::Selection().fill(false);
    TVURRegistry store(file);
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Detectors"), false));
    QCOMPARE(store.ReadBool(QStringLiteral("inacc"), true), false);
    QCOMPARE(store.ReadBool(QStringLiteral("relprem"), false), true);
    QCOMPARE(store.ReadBool(QStringLiteral("irrths"), true), false);
    store.CloseSection();
    LoadDetectorSettings(store, kRoot);
    auto dialog = MakeForm<TVMIZDetectorsDialog>();
    QCOMPARE(Ticks(*dialog), QList<bool>({false, false, false, true, false, false, false, false}));
}

void tst_VMIZDetectors::closedSectionLeavesSelection()
{
    VMIZDetectors::Selection()[2] = true;
    ClosedSettings closed;
    LoadDetectorSettings(closed, kRoot);
    QCOMPARE(Selection(), QList<bool>({false, false, true, false, false, false, false, false}));
    SaveDetectorSettings(closed, kRoot);
    QCOMPARE(closed.writes, 0);
}

QTEST_MAIN(tst_VMIZDetectors)
#include "tst_VMIZDetectors.moc"
