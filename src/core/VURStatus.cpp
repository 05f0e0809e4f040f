#include "VURStatus.h"

#include "VURAppGUI.h"
#include "VURLang.h"

namespace {

IVURStatusHost *Host()
{
    auto *app = dynamic_cast<TVURAppGUI *>(GetApp());
    return app ? dynamic_cast<IVURStatusHost *>(app->MainWindow()) : nullptr;
}

} // namespace

void ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority)
{
    if (IVURStatusHost *host = Host())
        host->ShowStatusMessage(TranslateText(text), color, hold, lowPriority);
}

void ShowStatusReady()
{
    ShowStatusMessage(ReadyText(), VURColors::clWindowText, false, false);
}

void ShowStatusInfo(const QString &text)
{
    if (IVURStatusHost *host = Host())
        host->ShowStatusInfo(text);
}

QString ReadyText()
{
    return TranslateText(QStringLiteral("<PLK>Gotów<ENU>Ready"));
}
