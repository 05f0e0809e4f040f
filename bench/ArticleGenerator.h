#pragma once

// Writes a synthetic Mizar article of about the requested size: proofs with
// reserved words, labels, references, numbers, comments and issue lines.

#include <QString>

inline QString GenerateArticle(qsizetype bytes)
{
    static const char *const block[] = {
        ":: Generated article for measurements",
        "theorem Th%1:",
        "  for X1, X2 being set st X1 c= X2 & X2 c= X1 holds X1 = X2",
        "proof",
        "  let X1, X2 be set;",
        "  assume that A1: X1 c= X2 and A2: X2 c= X1;",
        "  now let x be object;",
        "    thus x in X1 implies x in X2 by A1, TARSKI:def 3;",
        "::>                               *4,144",
        "    assume x in X2; :: the other way round",
        "    hence x in X1 by A2, TARSKI:def 3, Th%1;",
        "  end;",
        "  hence thesis by TARSKI:2, $1 + 12 * 345;",
        "end;",
        "",
    };
    QString text;
    text.reserve(bytes + 1024);
    int n = 1;
    while (text.size() < bytes) {
        for (const char *line : block) {
            text += QString::fromLatin1(line).replace(QStringLiteral("%1"), QString::number(n));
            text += QLatin1Char('\n');
        }
        ++n;
    }
    text += QStringLiteral("::>\n::> 4: This inference is not accepted\n::> 144: Unknown label\n");
    return text;
}
