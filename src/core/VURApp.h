#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <memory>

// The root of the application object's layers. The object owns no window;
// it answers the questions the framework cannot answer for itself.
class TVURApp
{
public:
    TVURApp();
    virtual ~TVURApp();

    TVURApp(const TVURApp &) = delete;
    TVURApp &operator=(const TVURApp &) = delete;

    virtual void HandleException(const std::exception &exception) = 0;
    virtual void Run() = 0;
    virtual void Finish();
    virtual void Initialize();
    // Identity texts by kind (0 to 127); empty for kinds without a text.
    virtual QString GetInfo(int kind) const = 0;

    // The process exit code RunApp returns.
    int ExitCode() const { return m_exitCode; }
    void SetExitCode(int code) { m_exitCode = code; }

private:
    int m_exitCode = 0;
};

// Thrown to end the program at once with an exit code (the language check).
class EVURTerminate : public std::exception
{
public:
    explicit EVURTerminate(int exitCode) : m_exitCode(exitCode) {}
    int ExitCode() const { return m_exitCode; }
    const char *what() const noexcept override { return "program terminated"; }

private:
    int m_exitCode;
};

using TVURAppFactory = std::function<std::unique_ptr<TVURApp>()>;

// The whole life of the program: creates the object, makes it current, runs
// Initialize, Run and Finish inside one guard, releases it, returns the exit code.
int RunApp(const TVURAppFactory &create);

// The current application object; null before RunApp creates it and after
// it is released.
TVURApp *GetApp();
// Makes an object current; RunApp uses it, and tests that build an
// application object without RunApp.
void SetCurrentApp(TVURApp *app);
