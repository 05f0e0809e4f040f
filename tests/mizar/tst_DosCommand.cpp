#include "DosCommand.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

namespace {

const QString kWriter = QStringLiteral(QUILL_CHUNK_WRITER_PATH);

// Records what a command reports.
struct Recorder
{
    explicit Recorder(TDosCommand &command)
    {
        command.SetOnNewLine([this](TDosCommand *, const QString &line, TOutputType type) {
            lines.append((type == TOutputType::otEntireLine ? QStringLiteral("E:") : QStringLiteral("B:")) + line);
        });
        command.SetOnTerminated([this](TDosCommand *, quint32 code) {
            ++terminations;
            exitCode = code;
        });
        command.SetOnStartError([this](const std::exception &error) {
            errors.append(QString::fromStdString(error.what()));
            errorAfterTermination = terminations == 1;
        });
    }

    QStringList lines;
    int terminations = 0;
    quint32 exitCode = 0;
    QStringList errors;
    bool errorAfterTermination = false;
};

} // namespace

class tst_DosCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void output_data();
    void output();
    void returnCodeAfterRun();
    void emptyCommandDoesNothing();
    void missingProgram_data();
    void missingProgram();
    void missingProgramShowsErrorBox();
    void stopDuringRun();
    void stopKillsProgramIgnoringTerm();
    void handlerMayStop();
    void failingHandlerLosesOneLine();
    void timeLimits_data();
    void timeLimits();
    void workingDirectory();
    void crashReported();
    void releaseWhileRunningEndsChild();
    void releaseAfterEnd();
    void restartStopsPrevious();
    void settingsCopiedAtStart();
};

void tst_DosCommand::defaults()
{
    TDosCommand command;
    QCOMPARE(command.CommandLine(), QString());
    QCOMPARE(command.MaxTimeAfterBeginning(), 0);
    QCOMPARE(command.MaxTimeAfterLastOutput(), 0);
    QCOMPARE(command.ShowWindow(), TShowWindow::swHIDE);
    QCOMPARE(command.WorkDir(), QString());
    QCOMPARE(command.CreationFlag(), TCreationFlag::fCREATE_NEW_CONSOLE);
    QCOMPARE(command.OutputReturnCode(), TReturnCode::rcCRLF);
    QVERIFY(!command.IsRunning());
    command.SetCommand(QStringLiteral("/opt/mizar/verifier"), {QStringLiteral("ring_1"), QStringLiteral("a b")});
    QCOMPARE(command.CommandLine(), QStringLiteral("/opt/mizar/verifier ring_1 \"a b\""));
}

void tst_DosCommand::output_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<quint32>("exitCode");
    QTest::newRow("two CR LF lines, code 3")
        << QStringList{"w:a\\r\\nb\\r\\n", "x:3"} << QStringList{"E:a", "E:b"} << quint32(3);
    QTest::newRow("line across two chunks")
        << QStringList{"w:abc", "p:150", "w:def\\n"} << QStringList{"B:abc", "E:abcdef"} << quint32(0);
    QTest::newRow("CR at the end of a chunk, LF at the start of the next")
        << QStringList{"w:one\\r", "p:150", "w:\\ntwo\\n"} << QStringList{"E:one", "E:two"} << quint32(0);
    QTest::newRow("progress rewritten with CR")
        << QStringList{"w:P [ 1]\\rP [ 2]\\r"} << QStringList{"E:P [ 1]", "E:P [ 2]"} << quint32(0);
    QTest::newRow("empty lines") << QStringList{"w:\\r\\n\\r\\n"} << QStringList{"E:", "E:"} << quint32(0);
    QTest::newRow("NUL bytes") << QStringList{"w:a\\0b\\0\\n"} << QStringList{"E:ab"} << quint32(0);
    QTest::newRow("tail without line end")
        << QStringList{"w:tail", "x:1"} << QStringList{"B:tail", "B:tail"} << quint32(1);
    QTest::newRow("no output") << QStringList{"x:7"} << QStringList{} << quint32(7);
}

void tst_DosCommand::output()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, expected);
    QFETCH(quint32, exitCode);
    TDosCommand command;
    Recorder recorder(command);
    command.SetCommand(kWriter, script);
    command.StartProcess();
    QVERIFY(command.IsRunning());
    QTRY_COMPARE(recorder.terminations, 1);
    QCOMPARE(recorder.lines, expected);
    QCOMPARE(recorder.exitCode, exitCode);
    QVERIFY(!command.IsRunning());
    QVERIFY(recorder.errors.isEmpty());
}

void tst_DosCommand::returnCodeAfterRun()
{
    TDosCommand command;
    Recorder recorder(command);
    command.SetCommand(kWriter, {QStringLiteral("w:a\\r\\nb\\r\\n")});
    command.StartProcess();
    QTRY_COMPARE(recorder.terminations, 1);
    QCOMPARE(command.OutputReturnCode(), TReturnCode::rcCRLF);
    command.SetCommand(kWriter, {QStringLiteral("w:a\\r\\nb\\n")});
    command.StartProcess();
    QTRY_COMPARE(recorder.terminations, 2);
    QCOMPARE(command.OutputReturnCode(), TReturnCode::rcLF);
}

void tst_DosCommand::emptyCommandDoesNothing()
{
    TDosCommand command;
    Recorder recorder(command);
    command.StartProcess();
    QVERIFY(!command.IsRunning());
    QTest::qWait(100);
    QCOMPARE(recorder.terminations, 0);
    QVERIFY(recorder.errors.isEmpty());
}

void tst_DosCommand::missingProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("workDir");
    QTest::newRow("no such program") << "/nonexistent/mizar/verifier" << QString();
    QTest::newRow("no such working directory") << kWriter << "/nonexistent/folder";
}

void tst_DosCommand::missingProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, workDir);
    TDosCommand command;
    Recorder recorder(command);
    command.SetCommand(program, {QStringLiteral("ring_1")});
    command.SetWorkDir(workDir);
    command.StartProcess();
    QTRY_COMPARE(recorder.errors.size(), 1);
    QCOMPARE(recorder.errors.first(), program + QStringLiteral(" ring_1 doesn't exist."));
    QVERIFY(recorder.errorAfterTermination);
    QCOMPARE(recorder.terminations, 1);
    QVERIFY(!command.IsRunning());
}

void tst_DosCommand::missingProgramShowsErrorBox()
{
    TDosCommand command;
    int terminations = 0;
    command.SetOnTerminated([&terminations](TDosCommand *, quint32) { ++terminations; });
    command.SetCommand(QStringLiteral("/nonexistent/verifier"), {QStringLiteral("ring_1")});
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(20);
    command.StartProcess();
    QTRY_COMPARE(shown, QStringLiteral("/nonexistent/verifier ring_1 doesn't exist."));
    QCOMPARE(terminations, 1);
}

void tst_DosCommand::stopDuringRun()
{
    TDosCommand command;
    Recorder recorder(command);
    command.SetCommand(kWriter, {QStringLiteral("w:started\\n"), QStringLiteral("hang")});
    command.StartProcess();
    QTRY_COMPARE(recorder.lines, QStringList{QStringLiteral("E:started")});
    command.StopProcess();
    QVERIFY(!command.IsRunning());
    QTRY_COMPARE(recorder.terminations, 1);
    QCOMPARE(recorder.exitCode, TDosCommand::kStillActive);
}

void tst_DosCommand::stopKillsProgramIgnoringTerm()
{
    TDosCommand command;
    Recorder recorder(command);
    command.SetCommand(kWriter, {QStringLiteral("ignore-term"), QStringLiteral("w:ready\\n"), QStringLiteral("hang")});
    command.StartProcess();
    QTRY_COMPARE(recorder.lines.size(), 1);
    QElapsedTimer clock;
    clock.start();
    command.StopProcess();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.terminations, 1, 5000);
    QCOMPARE(recorder.exitCode, TDosCommand::kStillActive);
    QVERIFY(clock.elapsed() >= TDosCommand::kStopGraceMs - 50);
}

void tst_DosCommand::handlerMayStop()
{
    TDosCommand command;
    QStringList lines;
    quint32 exitCode = 0;
    int terminations = 0;
    command.SetOnNewLine([&lines](TDosCommand *sender, const QString &line, TOutputType) {
        lines.append(line);
        if (line == QLatin1String("stop here"))
            sender->StopProcess();
    });
    command.SetOnTerminated([&](TDosCommand *, quint32 code) {
        exitCode = code;
        ++terminations;
    });
    command.SetCommand(kWriter, {QStringLiteral("w:one\\nstop here\\nlost\\n"), QStringLiteral("hang")});
    command.StartProcess();
    QTRY_COMPARE(terminations, 1);
    QCOMPARE(lines, QStringList({QStringLiteral("one"), QStringLiteral("stop here")}));
    QCOMPARE(exitCode, TDosCommand::kStillActive);
}

void tst_DosCommand::failingHandlerLosesOneLine()
{
    TDosCommand command;
    QStringList lines;
    int terminations = 0;
    command.SetOnNewLine([&lines](TDosCommand *, const QString &line, TOutputType) {
        if (line == QLatin1String("bad"))
            throw std::runtime_error("handler failed");
        lines.append(line);
    });
    command.SetOnTerminated([&terminations](TDosCommand *, quint32) { ++terminations; });
    command.SetCommand(kWriter, {QStringLiteral("w:good\\nbad\\nafter\\n")});
    command.StartProcess();
    QTRY_COMPARE(terminations, 1);
    QCOMPARE(lines, QStringList({QStringLiteral("good"), QStringLiteral("after")}));
}

void tst_DosCommand::timeLimits_data()
{
    QTest::addColumn<int>("afterBeginning");
    QTest::addColumn<int>("afterOutput");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("minimumMs");
    QTest::addColumn<int>("maximumMs");
    // Ended when the counter passes the limit: at the second tick for 1.
    QTest::newRow("after beginning, silent child")
        << 1 << 0 << QStringList{"hang"} << 1900 << 4500;
    QTest::newRow("after last output resets with output")
        << 0 << 1 << QStringList{"w:a\\n", "p:900", "w:b\\n", "p:900", "w:c\\n", "hang"} << 2700 << 6000;
}

void tst_DosCommand::timeLimits()
{
    QFETCH(int, afterBeginning);
    QFETCH(int, afterOutput);
    QFETCH(QStringList, script);
    QFETCH(int, minimumMs);
    QFETCH(int, maximumMs);
    TDosCommand command;
    Recorder recorder(command);
    command.SetMaxTimeAfterBeginning(afterBeginning);
    command.SetMaxTimeAfterLastOutput(afterOutput);
    command.SetCommand(kWriter, script);
    QElapsedTimer clock;
    clock.start();
    command.StartProcess();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.terminations, 1, 10000);
    QCOMPARE(recorder.exitCode, TDosCommand::kStillActive);
    QVERIFY2(clock.elapsed() >= minimumMs && clock.elapsed() <= maximumMs,
             qPrintable(QString::number(clock.elapsed())));
}

void tst_DosCommand::workingDirectory()
{
    QTemporaryDir dir;
    TDosCommand command;
    Recorder recorder(command);
    command.SetWorkDir(dir.path());
    command.SetCommand(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("pwd; echo err >&2")});
    command.StartProcess();
    QTRY_COMPARE(recorder.terminations, 1);
    // Standard error arrives in the same stream.
    QCOMPARE(recorder.lines, QStringList({QStringLiteral("E:") + QFileInfo(dir.path()).canonicalFilePath(),
                                          QStringLiteral("E:err")}));
}

void tst_DosCommand::crashReported()
{
    TDosCommand command;
    Recorder recorder(command);
    command.SetCommand(kWriter, {QStringLiteral("w:before\\n"), QStringLiteral("abort")});
    command.StartProcess();
    QTRY_COMPARE(recorder.terminations, 1);
    QCOMPARE(recorder.exitCode, quint32(128 + SIGABRT));
    QCOMPARE(recorder.lines, QStringList{QStringLiteral("E:before")});
}

void tst_DosCommand::releaseWhileRunningEndsChild()
{
    QTemporaryDir dir;
    const QString pidFile = dir.filePath(QStringLiteral("pid"));
    int terminations = 0;
    {
        TDosCommand command;
        command.SetOnTerminated([&terminations](TDosCommand *, quint32) { ++terminations; });
        command.SetCommand(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo $$ > '%1'; exec sleep 60").arg(pidFile)});
        command.StartProcess();
        QTRY_VERIFY(QFileInfo(pidFile).size() > 0);
    }
    QFile file(pidFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pid = file.readAll().trimmed();
    QTRY_VERIFY(!QFileInfo::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid)));
    QTest::qWait(50);
    // The owner is gone: nobody is told.
    QCOMPARE(terminations, 0);
}

void tst_DosCommand::releaseAfterEnd()
{
    auto command = std::make_unique<TDosCommand>();
    Recorder recorder(*command);
    command->SetCommand(kWriter, {QStringLiteral("w:done\\n")});
    command->StartProcess();
    QTRY_COMPARE(recorder.terminations, 1);
    command.reset();
    QTest::qWait(20);
    QCOMPARE(recorder.terminations, 1);
}

void tst_DosCommand::restartStopsPrevious()
{
    TDosCommand command;
    QList<quint32> codes;
    command.SetOnTerminated([&codes](TDosCommand *, quint32 code) { codes.append(code); });
    command.SetCommand(kWriter, {QStringLiteral("hang")});
    command.StartProcess();
    command.SetCommand(kWriter, {QStringLiteral("p:100"), QStringLiteral("x:5")});
    command.StartProcess();
    QTRY_COMPARE(codes.size(), 2);
    QCOMPARE(codes.at(0), TDosCommand::kStillActive);
    QCOMPARE(codes.at(1), quint32(5));
}

void tst_DosCommand::settingsCopiedAtStart()
{
    TDosCommand command;
    Recorder recorder(command);
    command.SetCommand(kWriter, {QStringLiteral("p:200"), QStringLiteral("w:x\\n")});
    command.StartProcess();
    int lateCalls = 0;
    command.SetOnNewLine([&lateCalls](TDosCommand *, const QString &, TOutputType) { ++lateCalls; });
    QTRY_COMPARE(recorder.terminations, 1);
    QCOMPARE(recorder.lines, QStringList{QStringLiteral("E:x")});
    QCOMPARE(lateCalls, 0);
}

QTEST_MAIN(tst_DosCommand)
#include "tst_DosCommand.moc"
