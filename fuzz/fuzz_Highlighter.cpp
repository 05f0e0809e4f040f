// The Mizar scanner and the line classifications over any text. A scan
// that does not move forward is a hang in the editor, so it aborts here.
#include "FuzzInput.h"
#include "VMIZHighlighter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TVMIZHighlighter highlighter;
    const QStringList lines = FuzzText(data, size).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        highlighter.SetLine(line, i);
        qsizetype steps = 0;
        int lastPos = -1;
        while (!highlighter.GetEol()) {
            const int pos = highlighter.GetTokenPos();
            const int length = highlighter.GetTokenLength();
            if (pos < lastPos || pos < 0 || length < 0 || pos + length > line.size() || ++steps > line.size() + 2)
                std::abort();
            lastPos = pos;
            (void)highlighter.GetToken();
            (void)highlighter.GetTokenKind();
            (void)highlighter.GetTokenAttribute();
            highlighter.Next();
        }
        (void)highlighter.IsIssueLine(line);
        (void)highlighter.IsIssueMarkLine(line);
        (void)highlighter.IsSecondaryMarkLine(line);
    }
    return 0;
}
