#include "PlaceholderMainForm.h"

#include "VMIZDetectors.h"
#include "VURChildFile.h"
#include "VURDialogs.h"
#include "VURKernel.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURSynEdit.h"
#include "ZOKApp.h"
#include "ZOKChildEdit.h"

#include <QFileInfo>

PlaceholderMainForm::PlaceholderMainForm(QWidget *parent)
    : TVURAppScriptForm(parent)
{
    // The preferences come with the workbench.
    MainAction("EditPrefsAction")->setEnabled(false);
}

PlaceholderMainForm::~PlaceholderMainForm()
{
    WriteSettingsOnce();
}

void PlaceholderMainForm::FormCreate()
{
    CreateSharedHighlighter();
    TVURAppScriptForm::FormCreate();
}

void PlaceholderMainForm::OpenFileInNewWindow(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        ShowError(FormatArgumentsFromRight(
            TranslateText(QStringLiteral("<PLK>Plik\\n\"%s\"\\nnie istnieje.<ENU>File\\n\"%s\"\\ndoesn't exist.")),
            {fileName}));
        return;
    }
    VURDialogs::RememberDirectory(fileName);
    TZOKApp *app = GetZOKApp();
    if (!app)
        return;
    TVURChildFileForm *article = app->CreateChildEditForm(this);
    try {
        article->OpenFile(fileName);
    } catch (...) {
        // No empty window stays behind a file that could not be read.
        QObject *window = article->parentWidget() ? static_cast<QObject *>(article->parentWidget()) : article;
        delete window;
        throw;
    }
    NoteRecentOpened(fileName);
}

void PlaceholderMainForm::LoadSettings(IVURSettings &reader)
{
    TVURAppScriptForm::LoadSettings(reader);
    LoadMiscSettings(reader, GetSettingsRoot());
    LoadDetectorSettings(reader, GetSettingsRoot());
}

void PlaceholderMainForm::SaveSettings(IVURSettings &writer)
{
    TVURAppScriptForm::SaveSettings(writer);
    SaveMiscSettings(writer, GetSettingsRoot());
    SaveDetectorSettings(writer, GetSettingsRoot());
}
