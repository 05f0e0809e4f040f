#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Small string helpers. Positions are 1-based; 0 means "not found".
namespace VURStrings {

QString TrimRightChar(const QString &s, QChar c);
QString RemoveChar(const QString &s, QChar c);
QString ReplaceAll(const QString &s, const QString &oldText, const QString &newText);
QString PadLeft(const QString &s, QChar c, int width);
QString CommonPrefix(const QString &a, const QString &b);
QString RightChars(const QString &s, int n);
void SplitAt(const QString &s, QString &head, QString &tail, const QString &separator);
int NthCharPos(const QString &s, QChar c, int n);
int NthCharPosFromRight(const QString &s, QChar c, int n);
QString TextBeforeNthChar(const QString &s, QChar c, int n);
QString TextBeforeNthCharFromRight(const QString &s, QChar c, int n);
QString TextAfterNthChar(const QString &s, QChar c, int n);
QString TextBefore(const QString &s, const QString &sub);
QString TextAfter(const QString &s, const QString &sub);
int CountChar(const QString &s, QChar c);
QChar LastChar(const QString &s);
// Without leading and trailing characters of code 32 or below (blanks and
// control characters).
QStringView TrimControls(QStringView s);
QString TrimControls(const QString &s);

} // namespace VURStrings
