#include "DosCommand.h"

#include "VURMessageBoxes.h"

#include <QProcess>

// One run of a program: the process, its line cutter and a copy of the
// settings taken at the start.
class TDosRun : public QObject
{
    Q_OBJECT

public:
    TDosRun(TDosCommand *command, TProcessTimer *timer);
    ~TDosRun() override;

    void Start();
    void RequestStop();
    // The component goes: end the child without reporting to its owner.
    void Abandon();

private:
    void OnReadyRead();
    void OnFinished();
    void OnErrorOccurred(QProcess::ProcessError error);
    void OnTick();
    bool DeliverLine(const QString &line, TOutputType type);
    void End(quint32 exitCode);
    bool IsCurrent() const { return m_command && m_command->m_run == this; }

    QPointer<TDosCommand> m_command;
    QPointer<TProcessTimer> m_timer;
    QProcess m_process;
    TDosLineCutter m_cutter;
    QString m_commandLine;
    TNewLineEvent m_onNewLine;
    TTerminateEvent m_onTerminated;
    std::function<void(const std::exception &)> m_onStartError;
    int m_maxTimeAfterBeginning;
    int m_maxTimeAfterLastOutput;
    bool m_stopRequested = false;
    bool m_ended = false;
    bool m_lastWasPartial = false;
    // Handlers of the owner are running: the run must outlive them.
    int m_callbackDepth = 0;
};

TProcessTimer::TProcessTimer(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        ++m_secondsSinceStart;
        ++m_secondsSinceOutput;
        Q_EMIT Ticked();
    });
}

void TProcessTimer::StartCounting()
{
    m_timer.setInterval(1000);
    m_secondsSinceStart = 0;
    m_secondsSinceOutput = 0;
    m_timer.start();
}

TDosRun::TDosRun(TDosCommand *command, TProcessTimer *timer)
    : QObject(nullptr)
    , m_command(command)
    , m_timer(timer)
    , m_commandLine(command->CommandLine())
    , m_onNewLine(command->m_onNewLine)
    , m_onTerminated(command->m_onTerminated)
    , m_onStartError(command->m_onStartError)
    , m_maxTimeAfterBeginning(command->m_maxTimeAfterBeginning)
    , m_maxTimeAfterLastOutput(command->m_maxTimeAfterLastOutput)
{
    m_process.setProgram(command->m_program);
    m_process.setArguments(command->m_arguments);
    m_process.setWorkingDirectory(command->m_workDir);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &TDosRun::OnReadyRead);
    connect(&m_process, &QProcess::finished, this, &TDosRun::OnFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &TDosRun::OnErrorOccurred);
    connect(timer, &TProcessTimer::Ticked, this, &TDosRun::OnTick);
}

TDosRun::~TDosRun()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.disconnect(this);
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void TDosRun::Start()
{
    // The child's input is a pipe that stays open and empty.
    m_process.start(QIODevice::ReadWrite);
}

void TDosRun::OnReadyRead()
{
    if (m_stopRequested || m_ended)
        return;
    const QByteArray chunk = m_process.readAllStandardOutput();
    if (chunk.isEmpty())
        return;
    m_cutter.Cut(chunk, [this](const QString &line, TOutputType type) { return DeliverLine(line, type); });
}

bool TDosRun::DeliverLine(const QString &line, TOutputType type)
{
    if (m_timer)
        m_timer->ResetOutputCount();
    m_lastWasPartial = type == TOutputType::otBeginningOfLine;
    QPointer<TDosRun> self(this);
    if (m_command)
        m_command->m_outputReturnCode = m_cutter.OutputReturnCode();
    if (m_onNewLine && m_command) {
        ++m_callbackDepth;
        try {
            m_onNewLine(m_command, line, type);
        } catch (...) {
            // A failing handler loses this line only.
        }
        --m_callbackDepth;
    }
    return self && !m_stopRequested;
}

void TDosRun::OnTick()
{
    if (m_ended || m_stopRequested || !m_timer || !IsCurrent())
        return;
    const bool pastStart = m_maxTimeAfterBeginning > 0 && m_timer->SecondsSinceStart() > m_maxTimeAfterBeginning;
    const bool pastOutput =
        m_maxTimeAfterLastOutput > 0 && m_timer->SecondsSinceOutput() > m_maxTimeAfterLastOutput;
    if (pastStart || pastOutput)
        RequestStop();
}

void TDosRun::RequestStop()
{
    if (m_stopRequested || m_ended)
        return;
    m_stopRequested = true;
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    QTimer::singleShot(TDosCommand::kStopGraceMs, this, [this] {
        if (m_process.state() != QProcess::NotRunning)
            m_process.kill();
    });
}

void TDosRun::Abandon()
{
    m_onNewLine = nullptr;
    m_onTerminated = nullptr;
    m_onStartError = nullptr;
    m_stopRequested = true;
    if (m_callbackDepth > 0)
        deleteLater();
    else
        delete this;
}

void TDosRun::OnFinished()
{
    if (m_ended)
        return;
    // Output still waiting in the pipe belongs before the end.
    if (!m_stopRequested) {
        const QByteArray rest = m_process.readAllStandardOutput();
        if (!rest.isEmpty())
            m_cutter.Cut(rest, [this](const QString &line, TOutputType type) { return DeliverLine(line, type); });
    }
    m_cutter.Finish([this](const QString &line, TOutputType type) { return DeliverLine(line, type); });
    quint32 exitCode = TDosCommand::kStillActive;
    if (!m_stopRequested) {
        // A child killed by a signal reports as a shell does: 128 + signal.
        exitCode = m_process.exitStatus() == QProcess::NormalExit ? quint32(m_process.exitCode())
                                                                   : quint32(128 + m_process.exitCode());
    }
    End(exitCode);
}

void TDosRun::OnErrorOccurred(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || m_ended)
        return;
    const auto onStartError = m_onStartError;
    const QString commandLine = m_commandLine;
    End(TDosCommand::kNotStarted);
    const TCreateProcessError failure(commandLine);
    if (onStartError)
        onStartError(failure);
    else
        ShowError(QString::fromStdString(failure.what()));
}

void TDosRun::End(quint32 exitCode)
{
    m_ended = true;
    if (IsCurrent()) {
        if (m_timer)
            m_timer->StopCounting();
        m_command->m_run = nullptr;
    }
    if (m_onTerminated && m_command) {
        ++m_callbackDepth;
        try {
            m_onTerminated(m_command, exitCode);
        } catch (...) {
        }
        --m_callbackDepth;
    }
    deleteLater();
}

TDosCommand::TDosCommand(QObject *parent)
    : QObject(parent)
{
}

TDosCommand::~TDosCommand()
{
    if (m_run) {
        m_run->Abandon();
        m_run = nullptr;
    }
}

void TDosCommand::SetCommand(const QString &program, const QStringList &arguments)
{
    m_program = program;
    m_arguments = arguments;
}

QString TDosCommand::CommandLine() const
{
    QStringList parts{m_program};
    for (const QString &argument : m_arguments) {
        if (argument.isEmpty() || argument.contains(QLatin1Char(' ')))
            parts.append(QLatin1Char('"') + argument + QLatin1Char('"'));
        else
            parts.append(argument);
    }
    return parts.join(QLatin1Char(' '));
}

void TDosCommand::StartProcess()
{
    if (m_program.isEmpty())
        return;
    StopProcess();
    if (!m_timer)
        m_timer = new TProcessTimer(this);
    auto *run = new TDosRun(this, m_timer);
    m_run = run;
    m_timer->StartCounting();
    run->Start();
}

void TDosCommand::StopProcess()
{
    if (!m_run)
        return;
    TDosRun *run = m_run;
    m_run = nullptr;
    m_timer->StopCounting();
    run->RequestStop();
}

#include "DosCommand.moc"
