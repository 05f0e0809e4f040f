#include "VURApp.h"

#include <stdexcept>

namespace {

TVURApp *g_currentApp = nullptr;

} // namespace

TVURApp::TVURApp() = default;

TVURApp::~TVURApp()
{
    if (g_currentApp == this)
        g_currentApp = nullptr;
}

void TVURApp::Finish()
{
}

void TVURApp::Initialize()
{
}

TVURApp *GetApp()
{
    return g_currentApp;
}

void SetCurrentApp(TVURApp *app)
{
    g_currentApp = app;
}

int RunApp(const TVURAppFactory &create)
{
    std::unique_ptr<TVURApp> app = create();
    if (!app)
        return 1;
    SetCurrentApp(app.get());
    try {
        app->Initialize();
        app->Run();
        app->Finish();
    } catch (const EVURTerminate &terminate) {
        app->SetExitCode(terminate.ExitCode());
    } catch (const std::exception &exception) {
        app->HandleException(exception);
    } catch (...) {
        app->HandleException(std::runtime_error("unknown error"));
    }
    const int exitCode = app->ExitCode();
    app.reset();
    SetCurrentApp(nullptr);
    return exitCode;
}
