// The workbench's own cost of a verifier chain: the chain on a 1 MB article
// against stand-in programs that finish at once, less what the same programs
// take when started bare.
#include "ArticleGenerator.h"
#include "BenchTable.h"
#include "StandInInstallation.h"
#include "VMIZChildEdit.h"
#include "VMIZHighlighter.h"
#include "VMIZPrograms.h"
#include "VURShell.h"
#include "VURSynEdit.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Ms(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
    StandInInstallation mizar;
    ArticleFolder folder;
    const QByteArray article = GenerateArticle(1 << 20).toUtf8();
    folder.Script(QStringLiteral("bench"), "verifier issue 5 10 4\nverifier issue 200 3 144\nverifier issue 9000 7 4\n");
    const QStringList chain = MizarChainCommands().at(0).programs;
    const QStringList marking{VMIZPrograms::ErrFlag(), VMIZPrograms::AddFMsg()};
    constexpr int kRounds = 7;

    // The programs alone, as the chain starts them.
    std::vector<double> bare;
    for (int round = 0; round < kRounds; ++round) {
        folder.Write(QStringLiteral("bench.miz"), article);
        QElapsedTimer clock;
        clock.start();
        for (const QString &name : chain + marking) {
            const VMIZPrograms::TVMIZProgram *program = VMIZPrograms::Program(name);
            VURShell::RunAndWait(folder.Path(), mizar.Program(name),
                                 VMIZPrograms::Arguments(*program, QStringLiteral("bench.miz")));
        }
        bare.push_back(Ms(clock));
    }

    std::vector<double> chained, reload;
    for (int round = 0; round < kRounds; ++round) {
        folder.Write(QStringLiteral("bench.miz"), article);
        auto form = MakeForm<TVMIZChildEditForm>(nullptr);
        form->resize(900, 700);
        form->OpenFile(folder.File(QStringLiteral("bench.miz")));
        form->show();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        form->RunMizarChain(chain);
        chained.push_back(Ms(clock));
        clock.start();
        form->ReopenFile();
        reload.push_back(Ms(clock));
    }

    const int programs = int(chain.size() + marking.size());
    const double overhead = Median(chained) - Median(bare);
    std::printf("verifier chain on a %d KB article, %d programs, median of %d rounds\n", int(article.size() / 1024),
                programs, kRounds);
    TBenchTable table("verifier chain");
    table.Detail("programs started bare", Median(bare), "ms");
    table.Detail("whole chain", Median(chained), "ms");
    table.Below("verifier chain on 1 MB, own overhead in all", overhead, "ms", 300);
    table.Below("verifier chain on 1 MB, own overhead per program", overhead / programs, "ms", 100);
    table.Detail("  of which the reload, alone", Median(reload), "ms");
    table.Print();
    return 0;
}
