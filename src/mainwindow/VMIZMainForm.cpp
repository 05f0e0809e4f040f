#include "VMIZMainForm.h"

#include "VMIZChildEdit.h"
#include "VMIZDetectors.h"

#include <QAction>
#include <QMenu>

namespace {

bool IsVerifier(const TVMIZChainCommand &command)
{
    return qstrcmp(command.name, "MizarRunVerifierAction") == 0;
}

} // namespace

TVMIZMainForm::TVMIZMainForm(QWidget *parent)
    : TZOKMainForm(parent)
{
    for (const TVMIZChainCommand &command : MizarChainCommands()) {
        if (!IsVerifier(command))
            AddChildProxy(command.name, "Process")->setShortcut(command.key);
    }
}

TVMIZMainForm::~TVMIZMainForm()
{
    WriteSettingsOnce();
}

void TVMIZMainForm::FormCreate()
{
    TZOKMainForm::FormCreate();
    // Run detectors after the verifier, then the eight detectors before the
    // issue commands.
    QMenu *mizar = ProcessMenu();
    QAction *before = MizarMenuSeparator();
    bool first = true;
    for (const TVMIZChainCommand &command : MizarChainCommands()) {
        if (IsVerifier(command))
            continue;
        mizar->insertAction(before, Command(command.name));
        if (first)
            mizar->insertSeparator(before);
        first = false;
    }
    TranslateTexts();
    PadMenuCaptions(mizar);
}

void TVMIZMainForm::TranslateTexts()
{
    TZOKMainForm::TranslateTexts();
    for (const TVMIZChainCommand &command : MizarChainCommands()) {
        if (!IsVerifier(command))
            SetCommandTexts(Command(command.name), command.caption, command.hint);
    }
    SetCommandTexts(Command("HelpContextAction"), "<PLK>Pomoc synta&ktyczna<ENU>Synta&x Help",
                    "<PLK>Pomoc na temat wybranego elementu syntaktycznego w artykule<ENU>Help on the currently "
                    "selected syntax element in the article");
}

void TVMIZMainForm::LoadSettings(IVURSettings &reader)
{
    TZOKMainForm::LoadSettings(reader);
    LoadDetectorSettings(reader, GetSettingsRoot());
}

void TVMIZMainForm::SaveSettings(IVURSettings &writer)
{
    TZOKMainForm::SaveSettings(writer);
    SaveDetectorSettings(writer, GetSettingsRoot());
}
