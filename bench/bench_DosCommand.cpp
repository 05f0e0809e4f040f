// Throughput and idle cost of the console process runner, measured on the
// workbench side: wall time and this process's CPU time until the end report.
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
    std::printf("%-44s %14s %14s\n", "figure", "measured", "target");
    std::printf("%-44s %11.1f MB/s %11s\n", "50 MB in 80-byte lines: throughput", mbPerSecond, ">= 100 MB/s");
    std::printf("%-44s %12.3f s %14s\n", "50 MB in 80-byte lines: wall time", flood.wallSeconds, "");
    std::printf("%-44s %12.3f s %14s\n", "50 MB in 80-byte lines: workbench CPU", flood.cpuSeconds, "");
    std::printf("%-44s %14lld %14s\n", "50 MB in 80-byte lines: lines delivered", (long long)flood.lines, "625000");
    std::printf("%-44s %11.1f ms %11s\n", "silent child for 10 s: workbench CPU", silent.cpuSeconds * 1000, "< 20 ms");
    return flood.lines == total / 80 ? 0 : 1;
}
