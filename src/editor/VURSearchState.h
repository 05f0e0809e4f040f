#pragma once

#include <QString>
#include <QStringList>

// What every editor window searches with: the texts, their histories and
// the options of the last find or replace dialog. Kept for the run only.
struct TVURSearchState
{
    QString searchText;
    QString replaceText;
    QStringList findHistory;    // most recent first
    QStringList replaceHistory; // most recent first
    bool searchTextSet = false;
    bool lastWasReplace = false;
    bool backwards = false;
    bool matchCase = false;
    bool fromCursor = true;
    bool selectedOnly = false;
    bool wholeWords = false;
    bool wildcards = false;
    bool regularExpressions = false;
    bool promptOnReplace = true;
    bool replaceAll = false;

    // The incremental search starts from plain, forward, whole-text options.
    void ResetForIncremental();
};

// The one search state of the program.
TVURSearchState &SearchState();

// Moves text to the front of a history, where it is then held once.
void AddToHistory(QStringList &history, const QString &text);
