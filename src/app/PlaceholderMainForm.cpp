#include "PlaceholderMainForm.h"

#include "VMIZDetectors.h"
#include "VURApp.h"
#include "VURDialogs.h"
#include "VUREditorSettings.h"
#include "VURLang.h"
#include "VURStatusbar.h"
#include "VURSynEdit.h"
#include "ZOKChildEdit.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderMainForm::PlaceholderMainForm(QWidget *parent)
    : QMainWindow(parent)
    , TVURWindowForm(this)
    , m_label(new QLabel)
    , m_statusbar(new TVURStatusbarPane)
{
    setObjectName(QStringLiteral("MainForm"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_statusbar);
    setCentralWidget(central);
    resize(800, 560);
}

PlaceholderMainForm::~PlaceholderMainForm()
{
    try {
        WriteAllSettings();
    } catch (const std::exception &exception) {
        if (TVURApp *app = GetApp())
            app->HandleException(exception);
    }
}

void PlaceholderMainForm::FormCreate()
{
    // The colours read with the settings belong to the shared highlighter.
    CreateSharedHighlighter();
    ReadAllSettings();
    TVURWindowForm::FormCreate();
    m_statusbar->FormCreate();
    ShowStatusReady();
}

void PlaceholderMainForm::LoadSettings(IVURSettings &reader)
{
    TVURSettingsHost::LoadSettings(reader);
    VURDialogs::LoadFilesSettings(reader, GetSettingsRoot());
    LoadEditorSettings(reader, GetSettingsRoot());
    ReadColors(reader, GetSettingsRoot());
    LoadMiscSettings(reader, GetSettingsRoot());
    LoadDetectorSettings(reader, GetSettingsRoot());
}

void PlaceholderMainForm::SaveSettings(IVURSettings &writer)
{
    TVURSettingsHost::SaveSettings(writer);
    VURDialogs::SaveFilesSettings(writer, GetSettingsRoot());
    SaveEditorSettings(writer, GetSettingsRoot());
    WriteColors(writer, GetSettingsRoot());
    SaveMiscSettings(writer, GetSettingsRoot());
    SaveDetectorSettings(writer, GetSettingsRoot());
}

void PlaceholderMainForm::TranslateTexts()
{
    TVURWindowForm::TranslateTexts();
    const TVURApp *app = GetApp();
    setWindowTitle(app ? app->GetInfo(1) + QLatin1Char(' ') + app->GetInfo(2) : QString());
    m_label->setText(TranslateText(QStringLiteral(
        "<PLK>Tu pojawią się okna artykułów Mizara.<ENU>The windows of Mizar articles will appear here.")));
}

void PlaceholderMainForm::LanguageChanged()
{
    TVURWindowForm::LanguageChanged();
    m_statusbar->LanguageChanged();
}

void PlaceholderMainForm::ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold,
                                            bool lowPriority)
{
    m_statusbar->ShowMessage(text, color, hold, lowPriority);
}

void PlaceholderMainForm::ShowStatusInfo(const QString &text)
{
    m_statusbar->SetInfoText(text);
}
