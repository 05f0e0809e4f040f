#pragma once

#include "VURColors.h"

#include <QString>

// What a main window with a status bar offers the rest of the program.
class IVURStatusHost
{
public:
    virtual ~IVURStatusHost() = default;
    virtual void ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority) = 0;
    virtual void ShowStatusInfo(const QString &text) = 0;
};

// The status routines: each reaches the main window's status bar and does
// nothing when the main window has none. Texts may be bilingual literals.
void ShowStatusMessage(const QString &text, VURColors::TVURColor color = VURColors::clWindowText,
                       bool hold = false, bool lowPriority = false);
// "Ready" in the window-text colour, neither held nor low priority.
void ShowStatusReady();
void ShowStatusInfo(const QString &text);
// The ready text in the current language.
QString ReadyText();
