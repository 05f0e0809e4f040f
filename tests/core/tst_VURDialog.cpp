#include "ModalDriver.h"
#include "VURAppGUI.h"
#include "VURDialog.h"
#include "VURHelp.h"
#include "VURLang.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

class SampleDialog : public TVURDialogForm
{
public:
    explicit SampleDialog(QWidget *owner = nullptr) : TVURDialogForm(owner)
    {
        label = new QLabel(MainPanel());
        MainPanel()->layout()->addWidget(label);
        resize(300, 200);
        ++alive;
    }
    ~SampleDialog() override { --alive; }
    void TranslateTexts() override
    {
        TVURDialogForm::TranslateTexts();
        setWindowTitle(TranslateText(QStringLiteral("<PLK>Próba<ENU>Sample")));
    }

    QLabel *label;
    static int alive;
};
int SampleDialog::alive = 0;

// A main window that hosts help.
class HelpWindow : public QWidget, public IVURHelpHost
{
public:
    void ShowHelpContext(int context) override { asked.append(QString::number(context)); }
    void ShowHelpKeyword(const QString &keyword) override { asked.append(keyword); }
    QStringList asked;
};

class HelpApp : public TVURAppGUI
{
public:
    HelpApp(int &argc, char **argv) : TVURAppGUI(argc, argv) {}
    QString GetInfo(int) const override { return QString(); }
};

int g_argc = 1;
char g_arg0[] = "tst_VURDialog";
char *g_argv[] = {g_arg0, nullptr};

} // namespace

class tst_VURDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void captions_data();
    void captions();
    void results_data();
    void results();
    void showDialogReleases();
    void helpOnlyWithContextOrKeyword();
    void centredOnOwner();
};

void tst_VURDialog::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VURDialog::captions_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("help");
    QTest::newRow("English") << "enu" << "Cancel" << "&Help";
    QTest::newRow("Polish") << "plk" << "Anuluj" << "Pomo&c";
}

void tst_VURDialog::captions()
{
    QFETCH(QString, language);
    QFETCH(QString, cancel);
    QFETCH(QString, help);
    LangManager()->SetLanguage(language);
    const auto dialog = MakeForm<SampleDialog>();
    QCOMPARE(dialog->AcceptButton()->text(), QStringLiteral("O&K"));
    QCOMPARE(dialog->CancelButton()->text(), cancel);
    QCOMPARE(dialog->HelpButton()->text(), help);
    QVERIFY(dialog->AcceptButton()->isDefault());
    QCOMPARE(dialog->HelpAction()->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
}

void tst_VURDialog::results_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    QTest::newRow("OK button") << "ok" << 1;
    QTest::newRow("Enter") << "enter" << 1;
    QTest::newRow("Cancel button") << "cancel" << 2;
    QTest::newRow("Escape") << "escape" << 2;
    QTest::newRow("close box") << "close" << 2;
}

void tst_VURDialog::results()
{
    QFETCH(QString, how);
    QFETCH(int, expected);
    const auto dialog = MakeForm<SampleDialog>();
    ModalDriver driver([&how, &dialog](QWidget *) {
        if (how == QLatin1String("ok"))
            dialog->AcceptButton()->click();
        else if (how == QLatin1String("cancel"))
            dialog->CancelButton()->click();
        else if (how == QLatin1String("enter"))
            QTest::keyClick(dialog.get(), Qt::Key_Return);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->close();
    });
    QCOMPARE(dialog->ShowModal(), expected);
    QVERIFY(driver.Done());
}

void tst_VURDialog::showDialogReleases()
{
    QString title;
    ModalDriver driver([](QWidget *modal) { static_cast<TVURDialogForm *>(modal)->AcceptButton()->click(); });
    const int result = ShowDialog<SampleDialog>(nullptr, {}, [&title](SampleDialog &dialog) {
        title = dialog.windowTitle();
        QCOMPARE(SampleDialog::alive, 1);
    });
    QCOMPARE(result, 1);
    QCOMPARE(title, QStringLiteral("Sample"));
    QCOMPARE(SampleDialog::alive, 0);
}

void tst_VURDialog::helpOnlyWithContextOrKeyword()
{
    HelpApp app(g_argc, g_argv);
    SetCurrentApp(&app);
    HelpWindow window;
    app.SetMainWindow(&window);

    const auto dialog = MakeForm<SampleDialog>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(!dialog->HelpButton()->isVisible());
    // Hidden, it keeps its place: OK and Cancel do not move.
    const QPoint cancelAt = dialog->CancelButton()->pos();
    dialog->SetHelpKeyword(QStringLiteral("PrefsExt"));
    QVERIFY(dialog->HelpButton()->isVisible());
    QCOMPARE(dialog->CancelButton()->pos(), cancelAt);
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    dialog->SetHelpContext(3);
    dialog->HelpButton()->click();
    QCOMPARE(window.asked, QStringList({QStringLiteral("PrefsExt"), QStringLiteral("3")}));
    dialog->SetHelpContext(0);
    dialog->SetHelpKeyword(QString());
    QVERIFY(!dialog->HelpButton()->isVisible());
    SetCurrentApp(nullptr);
}

void tst_VURDialog::centredOnOwner()
{
    QWidget owner;
    owner.setGeometry(100, 120, 800, 600);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const auto dialog = MakeForm<SampleDialog>(&owner);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QPoint offset = dialog->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

QTEST_MAIN(tst_VURDialog)
#include "tst_VURDialog.moc"
