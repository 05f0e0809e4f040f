#include "VURStrings.h"

namespace VURStrings {

QString TrimRightChar(const QString &s, QChar c)
{
    qsizetype end = s.size();
    while (end > 0 && s.at(end - 1) == c)
        --end;
    return s.left(end);
}

QString RemoveChar(const QString &s, QChar c)
{
    QString result = s;
    result.remove(c);
    return result;
}

QString ReplaceAll(const QString &s, const QString &oldText, const QString &newText)
{
    if (oldText.isEmpty())
        return s;
    QString result = s;
    result.replace(oldText, newText, Qt::CaseSensitive);
    return result;
}

QString PadLeft(const QString &s, QChar c, int width)
{
    if (s.size() >= width)
        return s;
    return QString(width - s.size(), c) + s;
}

QString CommonPrefix(const QString &a, const QString &b)
{
    const qsizetype limit = qMin(a.size(), b.size());
    qsizetype n = 0;
    while (n < limit && a.at(n) == b.at(n))
        ++n;
    return a.left(n);
}

QString RightChars(const QString &s, int n)
{
    if (s.size() <= n)
        return s;
    return s.right(qMax(n, 0));
}

void SplitAt(const QString &s, QString &head, QString &tail, const QString &separator)
{
    const qsizetype pos = separator.isEmpty() ? -1 : s.indexOf(separator);
    if (pos < 0) {
        head = s;
        tail.clear();
        return;
    }
    // Copy first: s may alias head or tail.
    const QString source = s;
    head = source.left(pos);
    tail = source.mid(pos + separator.size());
}

int NthCharPos(const QString &s, QChar c, int n)
{
    if (n < 1)
        return 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == c && --n == 0)
            return int(i + 1);
    }
    return 0;
}

int NthCharPosFromRight(const QString &s, QChar c, int n)
{
    if (n < 1)
        return 0;
    for (qsizetype i = s.size() - 1; i >= 0; --i) {
        if (s.at(i) == c && --n == 0)
            return int(i + 1);
    }
    return 0;
}

QString TextBeforeNthChar(const QString &s, QChar c, int n)
{
    const int pos = NthCharPos(s, c, n);
    return pos == 0 ? QString() : s.left(pos - 1);
}

QString TextBeforeNthCharFromRight(const QString &s, QChar c, int n)
{
    const int pos = NthCharPosFromRight(s, c, n);
    return pos == 0 ? QString() : s.left(pos - 1);
}

QString TextAfterNthChar(const QString &s, QChar c, int n)
{
    const int pos = NthCharPos(s, c, n);
    return pos == 0 ? QString() : s.mid(pos);
}

QString TextBefore(const QString &s, const QString &sub)
{
    const qsizetype pos = s.indexOf(sub);
    return pos < 0 ? QString() : s.left(pos);
}

QString TextAfter(const QString &s, const QString &sub)
{
    const qsizetype pos = s.indexOf(sub);
    return pos < 0 ? QString() : s.mid(pos + sub.size());
}

int CountChar(const QString &s, QChar c)
{
    return int(s.count(c));
}

QChar LastChar(const QString &s)
{
    return s.isEmpty() ? QChar(0) : s.back();
}

QStringView TrimControls(QStringView s)
{
    qsizetype start = 0;
    qsizetype end = s.size();
    while (start < end && s.at(start).unicode() <= ' ')
        ++start;
    while (end > start && s.at(end - 1).unicode() <= ' ')
        --end;
    return s.mid(start, end - start);
}

QString TrimControls(const QString &s)
{
    return TrimControls(QStringView(s)).toString();
}

} // namespace VURStrings
