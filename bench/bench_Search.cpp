// Replace all without prompting and the steps of an incremental search on
// a 5 MB article.
#include "ArticleGenerator.h"
#include "BenchTable.h"
#include "VURChildEditSyn.h"
#include "VURSearchState.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString text = GenerateArticle(5 << 20);
    // 10 000 occurrences of a word found nowhere else.
    const qsizetype step = text.size() / 10000;
    int planted = 0;
    for (qsizetype at = step / 2; planted < 10000 && at < text.size(); at += step) {
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), at);
        if (lineEnd < 0)
            break;
        text.insert(lineEnd, QStringLiteral(" :: qwerty"));
        ++planted;
    }
    auto form = MakeForm<TVURChildEditSynForm>(nullptr);
    form->resize(900, 700);
    form->SetText(text);
    form->show();
    QApplication::processEvents();

    TVURSearchState &state = SearchState();
    state.searchText = QStringLiteral("qwerty");
    state.replaceText = QStringLiteral("asdfgh");
    state.replaceAll = true;
    state.promptOnReplace = false;
    QElapsedTimer clock;
    clock.start();
    form->SearchRun(true);
    const double replaceMs = double(clock.nsecsElapsed()) / 1e6;
    const int replaced = int(form->Text().count(QStringLiteral("asdfgh")));

    // Typing a word that first occurs near the end of the text, a letter a step.
    std::vector<double> steps;
    const QString typed = QStringLiteral("zyxwvu");
    form->SynEdit()->append(QStringLiteral(":: zyxwvu\n"));
    state.searchText.clear();
    for (qsizetype i = 1; i <= typed.size(); ++i) {
        clock.start();
        form->IncrementalSearchStep(typed.left(i));
        steps.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("5 MB article (%d KB, %d lines), %d occurrences replaced\n", int(text.toUtf8().size() / 1024),
                form->SynEdit()->lines(), replaced);
    TBenchTable table("search");
    table.Below("replace all of 10 000 occurrences in 5 MB, no prompt", replaceMs, "ms", 1000);
    table.Below("incremental search step, worst", *std::max_element(steps.begin(), steps.end()), "ms", 20);
    table.Detail("  incremental search step, the last", steps.back(), "ms");
    table.Print();
    return 0;
}
