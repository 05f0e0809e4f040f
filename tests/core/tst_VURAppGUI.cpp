#include "VURAppGUI.h"
#include "VURKernel.h"
#include "VURLang.h"
#include "VURShell.h"

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

QStringList g_log;

// An application layer that records what the framework asks of it.
class RecordingApp : public TVURAppGUI
{
public:
    RecordingApp(int &argc, char **argv) : TVURAppGUI(argc, argv) { g_log.append(QStringLiteral("Create")); }
    ~RecordingApp() override { g_log.append(QStringLiteral("Release")); }

    QString GetInfo(int kind) const override { return kind == 1 ? QStringLiteral("Test") : QString(); }
    void CreateForms() override
    {
        calls.append(QStringLiteral("CreateForms"));
        g_log.append(calls.last());
        seenAsCurrent = GetApp() == this;
        if (failIn == QLatin1String("CreateForms"))
            throw EVURException(QStringLiteral("<PLK>Nie udało się: %s<ENU>Failed: %s"), {QStringLiteral("forms")});
        if (withWindow) {
            window = std::make_unique<QWidget>();
            SetMainWindow(window.get());
            window->show();
            QTimer::singleShot(0, window.get(), [this] { window->close(); });
        }
    }
    std::optional<QStringList> GetRegisteredExtensions() const override
    {
        calls.append(QStringLiteral("GetRegisteredExtensions"));
        g_log.append(calls.last());
        return extensions;
    }
    void Run() override
    {
        calls.append(QStringLiteral("Run"));
        g_log.append(calls.last());
        TVURAppGUI::Run();
    }
    void Finish() override { g_log.append(QStringLiteral("Finish")); }

    mutable QStringList calls;
    std::optional<QStringList> extensions;
    QString failIn;
    bool withWindow = false;
    bool seenAsCurrent = false;
    std::unique_ptr<QWidget> window;
};

// Throws from its event handler.
class ThrowingObject : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw EVURException(QStringLiteral("<PLK>Zepsute<ENU>Broken %s"), {QStringLiteral("handler")});
        if (event->type() == QEvent::User + 1)
            throw std::runtime_error("plain failure");
        return QObject::event(event);
    }
};

int g_argc = 1;
char g_arg0[] = "tst_VURAppGUI";
char *g_argv[] = {g_arg0, nullptr};

} // namespace

class tst_VURAppGUI : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void lifeInOrder();
    void exceptionInInitialize();
    void registersOnlyUnassociatedExtensions();
    void noListRegistersNothing();
    void eventLoopShowsExceptionAndGoesOn();
};

void tst_VURAppGUI::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).removeRecursively();
}

void tst_VURAppGUI::lifeInOrder()
{
    g_log.clear();
    bool currentDuringRun = false;
    const int exitCode = RunApp([&currentDuringRun] {
        auto created = std::make_unique<RecordingApp>(g_argc, g_argv);
        created->withWindow = true;
        QTimer::singleShot(0, [&currentDuringRun, app = created.get()] { currentDuringRun = GetApp() == app; });
        return created;
    });
    QCOMPARE(exitCode, 0);
    QVERIFY(currentDuringRun);
    QCOMPARE(g_log, QStringList({QStringLiteral("Create"), QStringLiteral("CreateForms"),
                                 QStringLiteral("GetRegisteredExtensions"), QStringLiteral("Run"),
                                 QStringLiteral("Finish"), QStringLiteral("Release")}));
    QVERIFY(!GetApp());
}

void tst_VURAppGUI::exceptionInInitialize()
{
    g_log.clear();
    QString boxText;
    QTimer::singleShot(0, [&boxText] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxText = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    const int exitCode = RunApp([] {
        auto created = std::make_unique<RecordingApp>(g_argc, g_argv);
        created->failIn = QStringLiteral("CreateForms");
        return created;
    });
    QCOMPARE(exitCode, 1);
    QCOMPARE(boxText, QStringLiteral("Error|Failed: forms"));
    // Neither Run nor Finish ran; the object was still released.
    QCOMPARE(g_log, QStringList({QStringLiteral("Create"), QStringLiteral("CreateForms"), QStringLiteral("Release")}));
    QVERIFY(!GetApp());
}

void tst_VURAppGUI::registersOnlyUnassociatedExtensions()
{
    const QString program = QCoreApplication::applicationFilePath();
    VURShell::RegisterExtension(QStringLiteral(".miz"), QStringLiteral("Other.miz"), QString(),
                                QStringLiteral("/usr/bin/other-editor"), QString());
    RecordingApp app(g_argc, g_argv);
    SetCurrentApp(&app);
    app.extensions = QStringList{QStringLiteral(".abs"), QStringLiteral(".bib"), QStringLiteral(".miz"),
                                 QStringLiteral(".voc")};
    app.Initialize();
    QCOMPARE(app.calls, QStringList({QStringLiteral("CreateForms"), QStringLiteral("GetRegisteredExtensions")}));
    QVERIFY(app.seenAsCurrent);
    const QString own = VURShell::DesktopExecCommand(program);
    QCOMPARE(VURShell::GetAssociatedCommand(QStringLiteral(".abs")), own);
    QCOMPARE(VURShell::GetAssociatedCommand(QStringLiteral(".bib")), own);
    QCOMPARE(VURShell::GetAssociatedCommand(QStringLiteral(".voc")), own);
    QCOMPARE(VURShell::GetAssociatedCommand(QStringLiteral(".miz")), VURShell::DesktopExecCommand(QStringLiteral("/usr/bin/other-editor")));
    QFile package(VURShell::MimePackageFileName(QStringLiteral(".abs")));
    QVERIFY(package.open(QIODevice::ReadOnly));
    QVERIFY(package.readAll().contains("<comment>VUR.abs</comment>"));
    SetCurrentApp(nullptr);
}

void tst_VURAppGUI::noListRegistersNothing()
{
    RecordingApp app(g_argc, g_argv);
    app.Initialize();
    QCOMPARE(VURShell::GetAssociatedCommand(QStringLiteral(".miz")), QString());
    QVERIFY(!QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications")).exists());
}

void tst_VURAppGUI::eventLoopShowsExceptionAndGoesOn()
{
    ThrowingObject thrower;
    QStringList boxes;
    int ticks = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes.append(box->windowTitle() + QLatin1Char('|') + box->text());
            box->accept();
        }
    });
    closer.start(10);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
    QTimer::singleShot(0, [&ticks] { ++ticks; });
    QTRY_COMPARE(boxes.size(), 2);
    // The second event may arrive while the first box is still open.
    boxes.sort();
    QCOMPARE(boxes, QStringList({QStringLiteral("Error|Broken handler"), QStringLiteral("Error|plain failure")}));
    // The loop went on delivering.
    QTRY_COMPARE(ticks, 1);
}

int main(int argc, char **argv)
{
    TVURApplication application(argc, argv);
    tst_VURAppGUI test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_VURAppGUI.moc"
