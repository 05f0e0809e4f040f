#include "VMIZApp.h"
#include "VURChildFile.h"
#include "VURLang.h"
#include "VURRegistry.h"
#include "VURShell.h"

#include <QMainWindow>
#include <QTest>
#include <QTimer>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VMIZApp";
char *g_argv[] = {g_arg0, nullptr};

const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");

} // namespace

class tst_VMIZApp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void identity_data();
    void identity();
    void noTextBeyondTheTable();
    void documentQuestions();
    void filterInBothLanguages();
    void startShowEnd_data();
    void startShowEnd();
};

void tst_VMIZApp::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VMIZApp::identity_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("system name") << 0 << "VUR Mizar Kit";
    QTest::newRow("product name") << 1 << "Quill::MIZ";
    QTest::newRow("version") << 2 << "0.34.a";
    QTest::newRow("date") << 3 << "2010-05-16";
    QTest::newRow("version number") << 4 << "0.34";
    QTest::newRow("company") << 5 << "VUR Software";
    QTest::newRow("Mizar version") << 7 << "Mizar Version: 7.11.02";
    QTest::newRow("system web host") << 9 << "";
    QTest::newRow("product web host") << 10 << "";
}

void tst_VMIZApp::identity()
{
    QFETCH(int, kind);
    QFETCH(QString, expected);
    TVMIZApp app(g_argc, g_argv);
    QCOMPARE(app.GetInfo(kind), expected);
}

void tst_VMIZApp::noTextBeyondTheTable()
{
    TVMIZApp app(g_argc, g_argv);
    // The entries the Help menu shows need these.
    QVERIFY(app.GetInfo(6).contains(QLatin1String("VUR Software")));
    QVERIFY(!app.GetInfo(8).isEmpty() && !app.GetInfo(8).contains(QLatin1String("://")));
    QVERIFY(app.GetInfo(11).contains(QLatin1Char('@')));
    for (int kind = 12; kind <= 127; ++kind)
        QCOMPARE(app.GetInfo(kind), QString());
    QCOMPARE(app.GetInfo(-1), QString());
}

void tst_VMIZApp::documentQuestions()
{
    TVMIZApp app(g_argc, g_argv);
    QCOMPARE(app.GetDefaultExt(), QStringLiteral(".miz"));
    // Every call gives a new, complete article window.
    std::unique_ptr<TVURChildFileForm> first(app.CreateChildEditForm(nullptr));
    std::unique_ptr<TVURChildFileForm> second(app.CreateChildEditForm(nullptr));
    QVERIFY(first && second && first != second);
    QVERIFY(first->ChildAction(QStringLiteral("ProcessMsgNextAction")));
    QCOMPARE(app.GetRegisteredExtensions(),
             std::optional<QStringList>(QStringList{QStringLiteral(".abs"), QStringLiteral(".bib"),
                                                    QStringLiteral(".miz"), QStringLiteral(".voc")}));
}

void tst_VMIZApp::filterInBothLanguages()
{
    TVMIZApp app(g_argc, g_argv);
    QCOMPARE(app.GetFilter(), QStringLiteral("Mizar files (*.miz;*.abs)|*.miz;*.abs|All files (*.*)|*.*"));
    LangManager()->SetLanguage(QStringLiteral("plk"));
    QCOMPARE(app.GetFilter(), QStringLiteral("Pliki Mizarowe (*.miz;*.abs)|*.miz;*.abs|Wszystkie pliki (*.*)|*.*"));
}

void tst_VMIZApp::startShowEnd_data()
{
    QTest::addColumn<QStringList>("commandLine");
    QTest::addColumn<QString>("expectedLanguage");
    QTest::newRow("stored or system language") << QStringList() << "enu";
    QTest::newRow("-lang:plk") << QStringList{"-lang:plk"} << "plk";
}

void tst_VMIZApp::startShowEnd()
{
    QFETCH(QStringList, commandLine);
    QFETCH(QString, expectedLanguage);
    LangManager()->SetCommandLineOverride(commandLine);
    QString caption;
    bool visible = false;
    const int exitCode = RunApp([&] {
        auto app = std::make_unique<TVMIZApp>(g_argc, g_argv);
        // Close the main window once the event loop runs, as the user would.
        QTimer::singleShot(0, [&caption, &visible] {
            auto *window = static_cast<TVURAppGUI *>(GetApp())->MainWindow();
            QVERIFY(window);
            caption = window->windowTitle();
            visible = window->isVisible();
            window->close();
        });
        return app;
    });
    QCOMPARE(exitCode, 0);
    QCOMPARE(caption, QStringLiteral("Quill::MIZ 0.34.a"));
    QVERIFY(visible);
    // The language was written at the end, and the file types at the start.
    TVURRegistry store;
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Language"), false));
    QCOMPARE(store.ReadString(QStringLiteral("Current"), QString()), expectedLanguage);
    QCOMPARE(VURShell::GetAssociatedCommand(QStringLiteral(".miz")),
             VURShell::DesktopExecCommand(QCoreApplication::applicationFilePath()));
}

QTEST_MAIN(tst_VMIZApp)
#include "tst_VMIZApp.moc"
