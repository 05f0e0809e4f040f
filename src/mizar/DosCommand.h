#pragma once

#include "DosLineCutter.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <stdexcept>

class TDosCommand;
class TDosRun;

using TNewLineEvent = std::function<void(TDosCommand *sender, const QString &newLine, TOutputType outputType)>;
using TTerminateEvent = std::function<void(TDosCommand *sender, quint32 exitCode)>;

// Kept for the owner's settings; a Linux child has no console window.
enum class TShowWindow {
    swHIDE, swMAXIMIZE, swMINIMIZE, swRESTORE, swSHOW, swSHOWDEFAULT, swSHOWMAXIMIZED,
    swSHOWMINIMIZED, swSHOWMINNOACTIVE, swSHOWNA, swSHOWNOACTIVATE, swSHOWNORMAL,
};
enum class TCreationFlag {
    fCREATE_DEFAULT_ERROR_MODE, fCREATE_NEW_CONSOLE, fCREATE_NEW_PROCESS_GROUP, fCREATE_SEPARATE_WOW_VDM,
    fCREATE_SHARED_WOW_VDM, fCREATE_SUSPENDED, fCREATE_UNICODE_ENVIRONMENT, fDEBUG_PROCESS,
    fDEBUG_ONLY_THIS_PROCESS, fDETACHED_PROCESS,
};

class TCreatePipeError : public std::runtime_error
{
public:
    TCreatePipeError() : std::runtime_error("Cannot create a pipe for the program's output.") {}
};

class TCreateProcessError : public std::runtime_error
{
public:
    explicit TCreateProcessError(const QString &commandLine)
        : std::runtime_error((commandLine + QStringLiteral(" doesn't exist.")).toStdString())
    {
    }
};

// Seconds since a run started and since its last line, counted by a timer
// of the user-interface thread.
class TProcessTimer : public QObject
{
    Q_OBJECT

public:
    explicit TProcessTimer(QObject *parent = nullptr);

    int SecondsSinceStart() const { return m_secondsSinceStart; }
    int SecondsSinceOutput() const { return m_secondsSinceOutput; }
    bool IsCounting() const { return m_timer.isActive(); }

    void StartCounting();
    void ResetOutputCount() { m_secondsSinceOutput = 0; }
    void StopCounting() { m_timer.stop(); }

Q_SIGNALS:
    void Ticked();

private:
    QTimer m_timer;
    int m_secondsSinceStart = 0;
    int m_secondsSinceOutput = 0;
};

// Runs one console program with its output and error streams merged, and
// hands every output line to OnNewLine as it arrives. The end of every run
// is reported once to OnTerminated: the program's exit code, or
// kStillActive when it was stopped or passed a time limit.
class TDosCommand : public QObject
{
    Q_OBJECT

public:
    static constexpr quint32 kStillActive = 259;
    // Reported when the program could not be started at all.
    static constexpr quint32 kNotStarted = 0xFFFFFFFFu;

    explicit TDosCommand(QObject *parent = nullptr);
    ~TDosCommand() override;

    // The program and its arguments, passed on without a shell; an empty
    // program makes StartProcess do nothing.
    void SetCommand(const QString &program, const QStringList &arguments);
    QString Program() const { return m_program; }
    QStringList Arguments() const { return m_arguments; }
    // Program and arguments as one line, for messages.
    QString CommandLine() const;

    void SetOnNewLine(const TNewLineEvent &handler) { m_onNewLine = handler; }
    void SetOnTerminated(const TTerminateEvent &handler) { m_onTerminated = handler; }
    // How a failed start is reported; unset: the error box.
    void SetOnStartError(const std::function<void(const std::exception &)> &handler) { m_onStartError = handler; }

    int MaxTimeAfterBeginning() const { return m_maxTimeAfterBeginning; }
    void SetMaxTimeAfterBeginning(int seconds) { m_maxTimeAfterBeginning = seconds; }
    int MaxTimeAfterLastOutput() const { return m_maxTimeAfterLastOutput; }
    void SetMaxTimeAfterLastOutput(int seconds) { m_maxTimeAfterLastOutput = seconds; }
    TShowWindow ShowWindow() const { return m_showWindow; }
    void SetShowWindow(TShowWindow mode) { m_showWindow = mode; }
    QString WorkDir() const { return m_workDir; }
    void SetWorkDir(const QString &dir) { m_workDir = dir; }
    TCreationFlag CreationFlag() const { return m_creationFlag; }
    void SetCreationFlag(TCreationFlag flag) { m_creationFlag = flag; }
    TReturnCode OutputReturnCode() const { return m_outputReturnCode; }

    void StartProcess();
    // Ends the current run without waiting; its end is still reported.
    void StopProcess();
    bool IsRunning() const { return !m_run.isNull(); }

    // How long a stopped program may take to end before it is killed.
    static constexpr int kStopGraceMs = 1000;

private:
    friend class TDosRun;

    QString m_program;
    QStringList m_arguments;
    TNewLineEvent m_onNewLine;
    TTerminateEvent m_onTerminated;
    std::function<void(const std::exception &)> m_onStartError;
    int m_maxTimeAfterBeginning = 0;
    int m_maxTimeAfterLastOutput = 0;
    TShowWindow m_showWindow = TShowWindow::swHIDE;
    QString m_workDir;
    TCreationFlag m_creationFlag = TCreationFlag::fCREATE_NEW_CONSOLE;
    TReturnCode m_outputReturnCode = TReturnCode::rcCRLF;
    TProcessTimer *m_timer = nullptr;
    QPointer<TDosRun> m_run;
};
