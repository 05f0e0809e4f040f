#include "VURHelp.h"

#include "VURAppGUI.h"

namespace {

IVURHelpHost *Host()
{
    auto *app = dynamic_cast<TVURAppGUI *>(GetApp());
    return app ? dynamic_cast<IVURHelpHost *>(app->MainWindow()) : nullptr;
}

} // namespace

namespace VURHelp {

void ShowHelpContext(int context)
{
    if (IVURHelpHost *host = Host())
        host->ShowHelpContext(context);
}

void ShowHelpKeyword(const QString &keyword)
{
    if (IVURHelpHost *host = Host())
        host->ShowHelpKeyword(keyword);
}

} // namespace VURHelp
