// Throughput and idle cost of the console process runner, measured on the
// workbench side: wall time and this process's CPU time until the end report.
#include "BenchTable.h"
#include "DosCommand.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <sys/resource.h>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Result
{
    double wallSeconds;
    double cpuSeconds;
    qint64 lines;
    qint64 bytes;
};

Result RunOnce(const QStringList &script)
{
    TDosCommand command;
    QEventLoop loop;
    Result result{0, 0, 0, 0};
    command.SetOnNewLine([&result](TDosCommand *, const QString &line, TOutputType type) {
        if (type == TOutputType::otEntireLine) {
            ++result.lines;
            result.bytes += line.size() + 1;
        }
    });
    command.SetOnTerminated([&loop](TDosCommand *, quint32) { loop.quit(); });
    command.SetCommand(QStringLiteral(QUILL_CHUNK_WRITER_PATH), script);
    const double cpuBefore = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    command.StartProcess();
    loop.exec();
    result.wallSeconds = double(clock.nsecsElapsed()) / 1e9;
    result.cpuSeconds = CpuSeconds() - cpuBefore;
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const qint64 total = 50LL * 1000 * 1000;
    const Result flood = RunOnce({QStringLiteral("flood:%1:80").arg(total)});
    const Result silent = RunOnce({QStringLiteral("p:10000")});
    const double mbPerSecond = double(flood.bytes) / 1e6 / flood.wallSeconds;
    TBenchTable table("console runner");
    table.AtLeast("50 MB in 80-byte lines: throughput", mbPerSecond, "MB/s", 100);
    table.Detail("50 MB in 80-byte lines: wall time", flood.wallSeconds, "s", 3);
    table.Detail("50 MB in 80-byte lines: workbench CPU", flood.cpuSeconds, "s", 3);
    table.Detail("50 MB in 80-byte lines: lines delivered (625000)", double(flood.lines), "", 0);
    table.Below("silent child for 10 s: workbench CPU", silent.cpuSeconds * 1000, "ms", 20);
    table.Print();
    return flood.lines == total / 80 ? 0 : 1;
}
