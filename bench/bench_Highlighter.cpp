// Scanner throughput, first paint of a large article and restyling after a
// keystroke, with the Mizar highlighter in a QScintilla control.
#include "ArticleGenerator.h"
#include "BenchTable.h"
#include "VMIZHighlighter.h"
#include "VURSynEdit.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>

namespace {

// Notes the first paint of the watched widget.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The paint runs right after; the loop below returns once it has.
        if (event->type() == QEvent::Paint && !painted) {
            static_cast<QWidget *>(watched)->removeEventFilter(this);
            painted = true;
        }
        return false;
    }
    bool painted = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString article = GenerateArticle(5 * 1000 * 1000);
    const QStringList lines = article.split(QLatin1Char('\n'));
    const double megabytes = double(article.toUtf8().size()) / 1e6;

    TVMIZHighlighter highlighter;
    QElapsedTimer clock;
    qint64 tokens = 0;
    clock.start();
    const int rounds = 5;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < lines.size(); ++i) {
            highlighter.SetLine(lines.at(i), i);
            while (!highlighter.GetEol()) {
                ++tokens;
                highlighter.Next();
            }
        }
    }
    const double scanSeconds = double(clock.nsecsElapsed()) / 1e9 / rounds;

    QsciScintilla editor;
    editor.setUtf8(true);
    editor.resize(1000, 700);
    FirstPaint firstPaint(editor.viewport());
    clock.restart();
    editor.setText(article);
    ApplyEditorSettings(&editor, true, true, 9, QStringLiteral("Courier New"), false, 30, true, 2, &highlighter);
    editor.show();
    while (!firstPaint.painted)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double firstPaintMs = double(clock.nsecsElapsed()) / 1e6;

    // Keystrokes in the middle: the control's own insert, the restyling of
    // the changed line and the view, and the repaint; then the same in a
    // control without the highlighter, for comparison.
    struct Keystrokes
    {
        double insertMs = 0, restyleMs = 0, repaintMs = 0, worstRestyleMs = 0;
    };
    const auto typeInMiddle = [&clock](QsciScintilla &control, int keys) {
        Keystrokes result;
        const int middle = control.lines() / 2;
        control.setCursorPosition(middle, 2);
        control.ensureLineVisible(middle);
        control.viewport()->repaint();
        for (int i = 0; i < keys; ++i) {
            clock.restart();
            control.insert(QStringLiteral("x"));
            result.insertMs += double(clock.nsecsElapsed()) / 1e6;
            const long first = control.SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
            const long shown = control.SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
            clock.restart();
            control.SendScintilla(QsciScintilla::SCI_COLOURISE, control.positionFromLineIndex(middle, 0),
                                  control.positionFromLineIndex(int(first + shown), 0));
            const double restyle = double(clock.nsecsElapsed()) / 1e6;
            result.restyleMs += restyle;
            result.worstRestyleMs = qMax(result.worstRestyleMs, restyle);
            clock.restart();
            control.viewport()->repaint();
            result.repaintMs += double(clock.nsecsElapsed()) / 1e6;
        }
        result.insertMs /= keys;
        result.restyleMs /= keys;
        result.repaintMs /= keys;
        return result;
    };
    const int keys = 20;
    const Keystrokes highlighted = typeInMiddle(editor, keys);
    QsciScintilla plain;
    plain.setUtf8(true);
    plain.resize(1000, 700);
    plain.setText(article);
    ApplyEditorSettings(&plain, true, true, 9, QStringLiteral("Courier New"), false, 30, true, 2, nullptr);
    plain.show();
    QApplication::processEvents();
    const Keystrokes unhighlighted = typeInMiddle(plain, keys);

    TBenchTable table("highlighter");
    table.AtLeast("Mizar scanner over a 5 MB article", megabytes / scanSeconds, "MB/s", 50);
    table.Detail("tokens per pass", double(tokens / rounds), "", 0);
    table.Below("5 MB article loaded to the first painted screen", firstPaintMs, "ms", 300);
    table.Below("keystroke in the middle: restyle (mean)", highlighted.restyleMs, "ms", 5, 2);
    table.Below("keystroke in the middle: restyle (worst)", highlighted.worstRestyleMs, "ms", 5, 2);
    table.Detail("  the control's insert, highlighted", highlighted.insertMs, "ms", 2);
    table.Detail("  the control's insert, plain text", unhighlighted.insertMs, "ms", 2);
    table.Detail("  repaint of the view, highlighted", highlighted.repaintMs, "ms", 2);
    table.Detail("  repaint of the view, plain text", unhighlighted.repaintMs, "ms", 2);
    table.Print();
    return 0;
}
