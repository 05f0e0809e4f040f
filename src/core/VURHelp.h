#pragma once

#include <QString>

// The help viewer belongs to the main window; dialogs reach it through here.
class IVURHelpHost
{
public:
    virtual ~IVURHelpHost() = default;
    virtual void ShowHelpContext(int context) = 0;
    virtual void ShowHelpKeyword(const QString &keyword) = 0;
};

namespace VURHelp {

// Ask the main window, when it hosts help; nothing happens otherwise.
void ShowHelpContext(int context);
void ShowHelpKeyword(const QString &keyword);

} // namespace VURHelp
