// Opening, editing one line and saving a 5 MB article in an editor window,
// and the memory of ten open 1 MB articles.
#include "ArticleGenerator.h"
#include "BenchTable.h"
#include "VURChildEditSyn.h"
#include "VURForm.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void WriteArticle(const QString &name, qsizetype bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(GenerateArticle(bytes).toUtf8());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.miz"));
    WriteArticle(big, 5 * 1000 * 1000);

    QElapsedTimer clock;
    auto editor = MakeForm<TVURChildEditSynForm>(nullptr);
    clock.start();
    editor->OpenFile(big);
    const double openMs = double(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    editor->SynEdit()->setCursorPosition(editor->SynEdit()->lines() / 2, 0);
    editor->SynEdit()->insert(QStringLiteral(":: edited\n"));
    const double editMs = double(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    editor->SaveFile();
    const double saveMs = double(clock.nsecsElapsed()) / 1e6;
    editor.reset();

    const long before = ResidentKilobytes();
    std::vector<std::unique_ptr<TVURChildEditSynForm>> editors;
    for (int i = 0; i < 10; ++i) {
        const QString name = dir.filePath(QStringLiteral("a%1.miz").arg(i));
        WriteArticle(name, 1000 * 1000);
        editors.push_back(MakeForm<TVURChildEditSynForm>(nullptr));
        editors.back()->OpenFile(name);
    }
    const long after = ResidentKilobytes();

    TBenchTable table("article window");
    table.Below("open a 5 MB article", openMs, "ms", 300);
    table.Detail("edit one line of it", editMs, "ms");
    table.Below("save a 5 MB article (with the backup)", saveMs, "ms", 200);
    table.Below("resident, ten open 1 MB articles", double(after) / 1024, "MB", 150);
    table.Detail("  of which the ten articles", double(after - before) / 1024, "MB");
    table.Print();
    return 0;
}
