#include "VURSearchState.h"

void TVURSearchState::ResetForIncremental()
{
    lastWasReplace = false;
    backwards = false;
    matchCase = false;
    fromCursor = false;
    selectedOnly = false;
    wholeWords = false;
    wildcards = false;
    regularExpressions = false;
}

TVURSearchState &SearchState()
{
    static TVURSearchState state;
    return state;
}

void AddToHistory(QStringList &history, const QString &text)
{
    history.removeAll(text);
    history.prepend(text);
}
