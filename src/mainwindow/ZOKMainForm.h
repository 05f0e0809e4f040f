#pragma once

#include "VURAppScriptForm.h"

// The article workbench: article windows made by the application object,
// File New with the article template, File Open with several files, the
// Mizar menu with the verifier, the block comment commands, the syntax help
// and the Mizar home page, the workbench toolbar and the "Misc" settings.
class TZOKMainForm : public TVURAppScriptForm
{
    Q_OBJECT

public:
    explicit TZOKMainForm(QWidget *parent = nullptr);
    ~TZOKMainForm() override;

    // The shared highlighter exists before the settings bring its colours.
    void FormCreate() override;
    void TranslateTexts() override;
    void OpenFileInNewWindow(const QString &fileName) override;
    void BuildHelpMenu() override;
    QWidget *CreateToolbar() override;
    void LoadSettings(IVURSettings &reader) override;
    void SaveSettings(IVURSettings &writer) override;

    void FileNewActionExecute();
    void FileOpenActionExecute();
    void HelpMizarhttpActionExecute();
    // The preferences; after OK the chosen language, then new texts and
    // settings in every window.
    void EditPrefsActionExecute();

    static QString MizarHomePage();

protected:
    // The separator in the Mizar menu after the verifier, before which the
    // Mizar layer puts its commands.
    QAction *MizarMenuSeparator() const { return m_mizarSeparator; }

private:
    QAction *m_mizarSeparator = nullptr;
};
