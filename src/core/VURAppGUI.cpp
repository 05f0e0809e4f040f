#include "VURAppGUI.h"

#include "VURKernel.h"
#include "VURMessageBoxes.h"
#include "VURShell.h"

#include <QCoreApplication>

#include <stdexcept>

TVURApplication::TVURApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool TVURApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &exception) {
        ReportEventLoopException(exception);
    } catch (...) {
        ReportEventLoopException(std::runtime_error("unknown error"));
    }
    return false;
}

void TVURApplication::ReportEventLoopException(const std::exception &exception)
{
    // A second failure while the box is up must not escape into Qt.
    try {
        ShowError(ExceptionMessage(exception));
    } catch (...) {
        qWarning("error while reporting an error: %s", exception.what());
    }
}

void TVURApplication::RunReportingErrors(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &exception) {
        ReportEventLoopException(exception);
    } catch (...) {
        ReportEventLoopException(std::runtime_error("unknown error"));
    }
}

QString ExceptionMessage(const std::exception &exception)
{
    if (const auto *framework = dynamic_cast<const EVURException *>(&exception))
        return framework->Message();
    return QString::fromLocal8Bit(exception.what());
}

TVURAppGUI::TVURAppGUI(int &argc, char **argv)
{
    if (!QCoreApplication::instance())
        m_application = std::make_unique<TVURApplication>(argc, argv);
    // Windows has its task-bar button here; the desktop groups windows by
    // the desktop file name instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("quill-miz"));
    QCoreApplication::setApplicationName(QStringLiteral("quill-miz"));
}

TVURAppGUI::~TVURAppGUI() = default;

void TVURAppGUI::HandleException(const std::exception &exception)
{
    TVURApplication::ReportEventLoopException(exception);
    SetExitCode(1);
}

void TVURAppGUI::Run()
{
    if (!m_mainWindow)
        return;
    QApplication::exec();
}

void TVURAppGUI::Initialize()
{
    TVURApp::Initialize();
    CreateForms();
    RegisterFileTypes();
}

void TVURAppGUI::CreateForms()
{
}

bool TVURAppGUI::CheckVersion()
{
    return true;
}

std::optional<QStringList> TVURAppGUI::GetRegisteredExtensions() const
{
    return std::nullopt;
}

void TVURAppGUI::RegisterFileTypes()
{
    const std::optional<QStringList> extensions = GetRegisteredExtensions();
    if (!extensions)
        return;
    const QString program = QCoreApplication::applicationFilePath();
    bool registered = false;
    for (const QString &extension : *extensions) {
        if (!VURShell::GetAssociatedCommand(extension).isEmpty())
            continue;
        VURShell::RegisterExtension(extension, QStringLiteral("VUR") + extension, QString(), program, QString());
        registered = true;
    }
    if (registered)
        VURShell::RefreshDesktopCaches();
}
