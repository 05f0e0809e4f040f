// Issue commands and the message bar's idle pass on a 200 000-line article
// with 5 000 issue lines.
#include "BenchTable.h"
#include "VMIZHighlighter.h"
#include "VURForm.h"
#include "VURMsgBar.h"
#include "VURSynEdit.h"
#include "ZOKChildEdit.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
    QString text;
    text.reserve(200000 * 24);
    for (int i = 0; i < 200000; ++i) {
        if (i % 40 == 39)
            text += QStringLiteral("::>          *4,144\n");
        else
            text += QStringLiteral("  hence x in A%1 by A2;\n").arg(i);
    }
    auto article = MakeForm<TZOKChildEditForm>(nullptr);
    article->resize(900, 700);
    article->SetText(text);
    article->show();
    QApplication::processEvents();
    TVURMsgBarPane *bar = article->MsgBar();
    QApplication::processEvents();

    QElapsedTimer clock;
    // The view far from the caret: the text up to the target is styled first.
    article->SynEdit()->setCursorPosition(100000, 0);
    clock.start();
    article->ProcessMsgNextActionExecute();
    article->SynEdit()->viewport()->repaint();
    const double jumpMs = double(clock.nsecsElapsed()) / 1e6;
    // The usual case: the caret's part of the text is in view.
    article->SynEdit()->setCursorPosition(100100, 0);
    article->SynEdit()->ensureCursorVisible();
    article->SynEdit()->viewport()->repaint();
    clock.restart();
    article->ProcessMsgNextActionExecute();
    article->SynEdit()->viewport()->repaint();
    const double nextMs = double(clock.nsecsElapsed()) / 1e6;
    article->SynEdit()->setCursorPosition(199990, 0);
    article->SynEdit()->ensureCursorVisible();
    article->SynEdit()->viewport()->repaint();
    clock.restart();
    article->ProcessMsgNextActionExecute(); // nothing below
    const double nextNoneMs = double(clock.nsecsElapsed()) / 1e6;
    article->SynEdit()->setCursorPosition(0, 0);
    article->SynEdit()->ensureCursorVisible();
    article->SynEdit()->viewport()->repaint();
    clock.restart();
    article->ProcessMsgLastActionExecute();
    article->SynEdit()->viewport()->repaint();
    const double lastMs = double(clock.nsecsElapsed()) / 1e6;

    // Idle passes with nothing changed.
    const int passes = 10000;
    const double before = ThreadCpuMs();
    for (int i = 0; i < passes; ++i)
        Q_EMIT bar->ApplicationEvents()->Idle();
    const double idleMs = (ThreadCpuMs() - before) / passes;

    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            answer.stop();
            box->button(QMessageBox::Yes)->click();
        }
    });
    answer.start(0);
    clock.restart();
    article->ProcessMsgClearActionExecute();
    const double clearMs = double(clock.nsecsElapsed()) / 1e6;
    const int left = article->SynEdit()->lines();

    TBenchTable table("issues");
    table.Below("next issue (200 000 lines, caret in view)", nextMs, "ms", 50, 2);
    table.Below("next issue with none below", nextNoneMs, "ms", 50, 2);
    table.Detail("next issue 100 000 lines from the view", jumpMs, "ms", 2);
    table.Detail("last issue from the top, incl. repaint", lastMs, "ms", 2);
    table.Below("clear 5 000 issue lines (with the confirmation)", clearMs, "ms", 500);
    table.Below("message bar idle pass, nothing changed (CPU)", idleMs, "ms", 0.1, 4);
    table.Detail("lines left after clearing (195001)", double(left), "", 0);
    table.Print();
    return left == 195001 ? 0 : 1;
}
