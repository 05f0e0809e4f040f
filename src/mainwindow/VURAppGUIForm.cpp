#include "VURAppGUIForm.h"

#include "VURApp.h"
#include "VURAppGUI.h"
#include "VURAppInstances.h"
#include "VURDialog.h"
#include "VURDialogs.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURRecents.h"
#include "VURSettings.h"
#include "VURShell.h"
#include "VURStatusbar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace {

struct FrameCommand
{
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;
};

const FrameCommand kCommands[] = {
    {"ProgramExitAction", "Program", "<PLK>Konie&c<ENU>E&xit", "<PLK>Zakończ pracę z programem<ENU>Exit program"},
    {"StatusbarToggleAction", "Views", "<PLK>Pasek &stanu<ENU>&Status bar",
     "<PLK>Pokazuje i chowa pasek stanu<ENU>Shows and hides the status bar"},
    {"ToolbarToggleAction", "Views", "<PLK>Pasek &narzędzi<ENU>&Toolbar",
     "<PLK>Pokazuje i chowa pasek narzędzi<ENU>Shows and hides the toolbar"},
    {"HelpContentsAction", "Help", "<PLK>Z&awartość...<ENU>&Contents...",
     "<PLK>Spis treści systemu pomocy<ENU>Contents of this help system"},
    {"HelpIndexAction", "Help", "<PLK>&Indeks...<ENU>&Index...", "<PLK>Indeks systemu pomocy<ENU>Index of this help system"},
    {"HelpCompanyhttpAction", "Help", "<PLK>%s w internecie...<ENU>%s on the internet...",
     "<PLK>Otwiera domyślną przeglądarkę internetową na stronach %s<ENU>Opens the default internet browser on %s pages"},
    {"HelpSupportmailtoAction", "Help", "<PLK>Wyślij e-mail do pomocy technicznej...<ENU>Mail product support...",
     "<PLK>Otwiera domyślny program pocztowy aby wysłać list do pomocy technicznej<ENU>Opens the default mailing program "
     "to send a message to product support"},
    {"HelpAboutAction", "Help", "<PLK>&O programie...<ENU>&About...",
     "<PLK>Garść informacji o tym fantastycznym programie<ENU>Some information about this fantastic program"},
};

QString Info(int kind)
{
    const TVURApp *app = GetApp();
    return app ? app->GetInfo(kind) : QString();
}

QString OneLine(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

// The page that shows a help context: the contents for 0 and the index
// for 3, "topic-N" for the others.
QString ContextPage(int context)
{
    switch (context) {
    case 0:
        return QStringLiteral("contents.html");
    case 3:
        return QStringLiteral("index.html");
    default:
        return QStringLiteral("topic-%1.html").arg(context);
    }
}

// The identity of the program in a small modal window: the name and version
// in large type, then the copyright and the addresses.
class AboutForm : public TVURDialogForm
{
public:
    explicit AboutForm(QWidget *owner)
        : TVURDialogForm(owner)
        , m_title(new QLabel(MainPanel()))
        , m_text(new QLabel(MainPanel()))
    {
        setObjectName(QStringLiteral("AboutForm"));
        m_title->setObjectName(QStringLiteral("TitleLabel"));
        m_text->setObjectName(QStringLiteral("AboutLabel"));
        QFont titleFont = m_title->font();
        titleFont.setBold(true);
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
        m_title->setFont(titleFont);
        for (QLabel *label : {m_title, m_text}) {
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignCenter);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        m_title->setContentsMargins(24, 16, 24, 4);
        m_text->setContentsMargins(24, 4, 24, 16);
        MainPanel()->layout()->addWidget(m_title);
        MainPanel()->layout()->addWidget(m_text);
        CancelAction()->setVisible(false);
        // OK alone, in the middle of the row.
        QHBoxLayout *buttons = ButtonLayout();
        for (int i = buttons->indexOf(AcceptButton()) + 1; i < buttons->count(); ++i) {
            if (QSpacerItem *gap = buttons->itemAt(i)->spacerItem())
                gap->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
        }
        buttons->addStretch(1);
        QSizePolicy noPlace = HelpButton()->sizePolicy();
        noPlace.setRetainSizeWhenHidden(false);
        HelpButton()->setSizePolicy(noPlace);
        setMinimumWidth(320);
    }
    void TranslateTexts() override
    {
        TVURDialogForm::TranslateTexts();
        setWindowTitle(TranslateText(QStringLiteral("<PLK>O programie<ENU>About")));
        m_title->setText(OneLine(Info(1)) + QLatin1Char(' ') + Info(2));
        QStringList lines{Info(6), Info(7), Info(8), Info(11)};
        lines.removeAll(QString());
        m_text->setText(lines.join(QLatin1Char('\n')));
    }

private:
    QLabel *m_title;
    QLabel *m_text;
};

} // namespace

TVURAppGUIForm::TVURAppGUIForm(QWidget *parent)
    : QMainWindow(parent)
    , TVURWindowForm(this)
    , m_instances(new TVURAppInstances(this))
    , m_central(new QWidget(this))
    , m_topLayout(new QVBoxLayout)
    , m_centralLayout(new QVBoxLayout(m_central))
{
    setObjectName(QStringLiteral("MainForm"));
    m_centralLayout->setContentsMargins(0, 0, 0, 0);
    m_centralLayout->setSpacing(0);
    m_topLayout->setContentsMargins(0, 0, 0, 0);
    m_topLayout->setSpacing(0);
    m_centralLayout->addLayout(m_topLayout);
    m_centralLayout->addStretch(1);
    setCentralWidget(m_central);
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    resize(800, 560);

    for (const FrameCommand &command : kCommands)
        AddMainAction(command.name, command.category);
    QAction *exitAction = MainAction("ProgramExitAction");
    exitAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    QAction *statusbarToggle = MainAction("StatusbarToggleAction");
    statusbarToggle->setCheckable(true);
    connect(statusbarToggle, &QAction::triggered, this, [this](bool shown) {
        if (m_statusbar)
            m_statusbar->setVisible(shown);
    });
    QAction *toolbarToggle = MainAction("ToolbarToggleAction");
    toolbarToggle->setCheckable(true);
    connect(toolbarToggle, &QAction::triggered, this, [this](bool shown) {
        if (m_toolbar) {
            m_topLayout->removeWidget(m_toolbar);
            m_topLayout->insertWidget(0, m_toolbar);
            m_toolbar->setVisible(shown);
        }
    });
    MainAction("HelpContentsAction")->setShortcut(QKeySequence(Qt::Key_F1));
    connect(MainAction("HelpContentsAction"), &QAction::triggered, this, &TVURAppGUIForm::ShowHelpContents);
    connect(MainAction("HelpIndexAction"), &QAction::triggered, this, [this] { ShowHelpContext(3); });
    connect(MainAction("HelpCompanyhttpAction"), &QAction::triggered, this,
            [] { VURShell::ShellOpen(nullptr, QStringLiteral("http://") + Info(8)); });
    connect(MainAction("HelpSupportmailtoAction"), &QAction::triggered, this,
            [] { VURShell::ShellOpen(nullptr, QStringLiteral("mailto:") + Info(11)); });
    connect(MainAction("HelpAboutAction"), &QAction::triggered, this, &TVURAppGUIForm::ShowAbout);
    connect(m_instances, &TVURAppInstances::CmdLineReceived, this, &TVURAppGUIForm::JvAppInstancesCmdLineReceived);
}

TVURAppGUIForm::~TVURAppGUIForm()
{
    WriteSettingsOnce();
    m_recents.reset();
}

void TVURAppGUIForm::WriteSettingsOnce()
{
    // A window that never read the settings would write its defaults over
    // the user's own.
    if (m_settingsWritten || !m_settingsRead)
        return;
    m_settingsWritten = true;
    try {
        WriteAllSettings();
    } catch (const std::exception &exception) {
        if (TVURApp *app = GetApp())
            app->HandleException(exception);
    }
}

void TVURAppGUIForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        WriteSettingsOnce();
}

QAction *TVURAppGUIForm::AddMainAction(const char *name, const char *category)
{
    auto *action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("category", QString::fromLatin1(category));
    addAction(action);
    m_mainActions.append(action);
    return action;
}

QAction *TVURAppGUIForm::MainAction(const char *name) const
{
    for (QAction *action : m_mainActions) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return nullptr;
}

QMenuBar *TVURAppGUIForm::MainMenu() const
{
    return menuBar();
}

void TVURAppGUIForm::FormCreate()
{
    // A later start hands its files to the running program and ends before
    // it reads any settings or shows anything.
    if (m_instances->HandOverToRunningInstance(QCoreApplication::arguments().mid(1)))
        throw EVURTerminate(0);
    m_recents = std::make_unique<TVURRecents_Handler>();
    CheckLanguageFiles();
    CreateToolbars();
    m_statusbar = CreateStatusbar();
    PlaceStatusbar();
    ReadAllSettings();
    m_settingsRead = true;
    TVURWindowForm::FormCreate();
    if (m_statusbar)
        m_statusbar->FormCreate();
    setWindowIcon(QApplication::windowIcon());
    UpdateHelpFile();
    BuildHelpMenu();
    setAcceptDrops(AcceptsDroppedFiles());
}

void TVURAppGUIForm::CheckLanguageFiles()
{
    if (!LangManager()->Languages().isEmpty())
        return;
    // Without a language no bilingual text can be resolved; the English
    // wording is shown as it stands.
    ShowError(QStringLiteral("Error in application language support (no language files found)."));
    throw EVURTerminate(6);
}

void TVURAppGUIForm::CreateToolbars()
{
    m_toolbar = CreateToolbar();
    PlaceToolbar();
}

QWidget *TVURAppGUIForm::CreateToolbar()
{
    auto *toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("ToolbarPane"));
    return toolbar;
}

void TVURAppGUIForm::PlaceToolbar()
{
    if (!m_toolbar)
        return;
    m_toolbar->setParent(m_central);
    m_toolbar->setFocusPolicy(Qt::NoFocus);
    m_topLayout->insertWidget(0, m_toolbar);
    m_toolbar->show();
}

TVURStatusbarPane *TVURAppGUIForm::CreateStatusbar()
{
    return new TVURStatusbarPane(this);
}

void TVURAppGUIForm::PlaceStatusbar()
{
    if (!m_statusbar)
        return;
    m_statusbar->setParent(m_central);
    m_statusbar->setFocusPolicy(Qt::NoFocus);
    m_centralLayout->addWidget(m_statusbar);
    m_statusbar->show();
}

QString TVURAppGUIForm::GetReadyText() const
{
    return TranslateText(QStringLiteral("<PLK>Gotów<ENU>Ready"));
}

void TVURAppGUIForm::SetClientWidget(QWidget *client)
{
    if (m_client) {
        m_centralLayout->removeWidget(m_client);
        m_client->deleteLater();
    }
    m_client = client;
    // In place of the stretch between the bars.
    delete m_centralLayout->takeAt(1);
    m_centralLayout->insertWidget(1, client, 1);
}

void TVURAppGUIForm::TranslateTexts()
{
    TVURWindowForm::TranslateTexts();
    const QString product = OneLine(Info(1));
    setWindowTitle(product + QLatin1Char(' ') + Info(2));
    QGuiApplication::setApplicationDisplayName(product);
    const QString company = Info(5);
    for (const FrameCommand &command : kCommands) {
        QAction *action = MainAction(command.name);
        action->setText(TranslateText(QString::fromUtf8(command.caption)).replace(QStringLiteral("%s"), company));
        action->setToolTip(TranslateText(QString::fromUtf8(command.hint)).replace(QStringLiteral("%s"), company));
        action->setStatusTip(action->toolTip());
    }
    if (m_helpMenu) {
        m_helpMenu->setTitle(TranslateText(QStringLiteral("<PLK>Pomo&c<ENU>&Help")));
        m_helpMenu->menuAction()->setStatusTip(TranslateText(
            QStringLiteral("<PLK>Jeżeli masz problemy z programem lub chcesz się dowiedzieć czegoś "
                           "więcej...<ENU>If you have problems with this program or you would like to know a bit "
                           "more...")));
    }
    SetHelpActionsVisibility();
}

void TVURAppGUIForm::SetHelpActionsVisibility()
{
    const bool web = !Info(8).isEmpty() && !Info(5).isEmpty();
    const bool mail = !Info(11).isEmpty();
    MainAction("HelpCompanyhttpAction")->setVisible(web);
    MainAction("HelpSupportmailtoAction")->setVisible(mail);
    if (m_aboutSeparator)
        m_aboutSeparator->setVisible(web || mail);
}

void TVURAppGUIForm::BuildHelpMenu()
{
    if (!m_helpMenu) {
        m_helpMenu = new QMenu(this);
        m_helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    }
    m_helpMenu->clear();
    AddActionMenuItem(m_helpMenu, MainAction("HelpContentsAction"));
    AddActionMenuItem(m_helpMenu, MainAction("HelpIndexAction"));
    AddSeparatorMenuItem(m_helpMenu);
    AddSeparatorMenuItem(m_helpMenu);
    AddActionMenuItem(m_helpMenu, MainAction("HelpCompanyhttpAction"));
    AddActionMenuItem(m_helpMenu, MainAction("HelpSupportmailtoAction"));
    m_aboutSeparator = AddSeparatorMenuItem(m_helpMenu);
    AddActionMenuItem(m_helpMenu, MainAction("HelpAboutAction"));
    menuBar()->removeAction(m_helpMenu->menuAction());
    menuBar()->addMenu(m_helpMenu);
    TranslateTexts();
    PadMenuCaptions(m_helpMenu);
}

void TVURAppGUIForm::LanguageChanged()
{
    TVURWindowForm::LanguageChanged();
    if (m_helpMenu)
        PadMenuCaptions(m_helpMenu);
    CloseHelp();
    UpdateHelpFile();
    if (m_statusbar)
        m_statusbar->LanguageChanged();
    if (auto *form = dynamic_cast<TVURFormForm *>(m_toolbar))
        form->LanguageChanged();
}

QStringList TVURAppGUIForm::HelpFolderCandidates(const QString &language)
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QStringList candidates;
    for (const QString &base : {programDir, programDir + QStringLiteral("/../share/quill-miz")}) {
        candidates.append(QDir::cleanPath(base + QLatin1Char('/') + name + QLatin1Char('_') + language + QStringLiteral(".help")));
        candidates.append(QDir::cleanPath(base + QLatin1Char('/') + name + QStringLiteral(".help")));
    }
    return candidates;
}

void TVURAppGUIForm::UpdateHelpFile()
{
    const QStringList candidates = HelpFolderCandidates(LangManager()->CurrentLanguage());
    m_helpFolder = candidates.first();
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isDir()) {
            m_helpFolder = candidate;
            break;
        }
    }
}

void TVURAppGUIForm::CloseHelp()
{
    // The pages are shown by the browser, which the program does not own.
}

void TVURAppGUIForm::OpenHelpPage(const QString &page)
{
    VURShell::ShellOpen(nullptr, QUrl::fromLocalFile(m_helpFolder + QLatin1Char('/') + page).toString());
}

void TVURAppGUIForm::ShowHelpContents()
{
    OpenHelpPage(ContextPage(0));
}

void TVURAppGUIForm::ShowHelpContext(int context)
{
    OpenHelpPage(ContextPage(context));
}

void TVURAppGUIForm::ShowHelpKeyword(const QString &keyword)
{
    OpenHelpPage(keyword + QStringLiteral(".html"));
}

void TVURAppGUIForm::ShowAbout()
{
    std::unique_ptr<AboutForm> about = MakeForm<AboutForm>(this);
    about->ShowModal();
}

void TVURAppGUIForm::LoadSettings(IVURSettings &reader)
{
    TVURSettingsHost::LoadSettings(reader);
    const QString root = GetSettingsRoot();
    {
        TVURSettingsSection section(reader, root, QStringLiteral("MainWindow"), true);
        if (section.IsOpen()) {
            const QRect current = geometry();
            setGeometry(reader.ReadInteger(QStringLiteral("Left"), current.left()),
                        reader.ReadInteger(QStringLiteral("Top"), current.top()),
                        reader.ReadInteger(QStringLiteral("Width"), current.width()),
                        reader.ReadInteger(QStringLiteral("Height"), current.height()));
            m_startMaximized = reader.ReadBool(QStringLiteral("Maximized"), true);
            section.Close();
        } else {
            m_startMaximized = true;
        }
    }
    {
        TVURSettingsSection section(reader, root, QStringLiteral("Views"), true);
        const bool statusbar = section.IsOpen() ? reader.ReadBool(QStringLiteral("Statusbar"), true) : true;
        const bool toolbar = section.IsOpen() ? reader.ReadBool(QStringLiteral("Toolbar"), true) : true;
        if (section.IsOpen())
            section.Close();
        if (m_statusbar)
            m_statusbar->setVisible(statusbar);
        if (m_toolbar)
            m_toolbar->setVisible(toolbar);
        MainAction("StatusbarToggleAction")->setChecked(statusbar);
        MainAction("ToolbarToggleAction")->setChecked(toolbar);
    }
    m_recents->LoadRecents(reader, root);
    VURDialogs::LoadFilesSettings(reader, root);
}

void TVURAppGUIForm::SaveSettings(IVURSettings &writer)
{
    TVURSettingsHost::SaveSettings(writer);
    const QString root = GetSettingsRoot();
    {
        TVURSettingsSection section(writer, root, QStringLiteral("MainWindow"), true);
        if (section.IsOpen()) {
            // The normal placement: what a maximized window returns to.
            const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
            if (normal.isValid()) {
                writer.WriteInteger(QStringLiteral("Left"), normal.left());
                writer.WriteInteger(QStringLiteral("Top"), normal.top());
                writer.WriteInteger(QStringLiteral("Width"), normal.width());
                writer.WriteInteger(QStringLiteral("Height"), normal.height());
            }
            writer.WriteBool(QStringLiteral("Maximized"), isVisible() ? isMaximized() : m_startMaximized);
            section.Close();
        }
    }
    {
        TVURSettingsSection section(writer, root, QStringLiteral("Views"), true);
        if (section.IsOpen()) {
            writer.WriteBool(QStringLiteral("Statusbar"), MainAction("StatusbarToggleAction")->isChecked());
            writer.WriteBool(QStringLiteral("Toolbar"), MainAction("ToolbarToggleAction")->isChecked());
            section.Close();
        }
    }
    m_recents->SaveRecents(writer, root);
    VURDialogs::SaveFilesSettings(writer, root);
}

void TVURAppGUIForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (m_startMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TVURAppGUIForm::ApplicationEventsIdle()
{
    TVURWindowForm::ApplicationEventsIdle();
    ShowStatusHint();
}

bool TVURAppGUIForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        m_hint = static_cast<QStatusTipEvent *>(event)->tip();
        ShowStatusHint();
        return true;
    }
    return QMainWindow::event(event);
}

void TVURAppGUIForm::ShowStatusHint()
{
    // A hint "short|long" shows its long part here.
    const qsizetype bar = m_hint.indexOf(QLatin1Char('|'));
    if (!m_hint.isEmpty())
        ShowStatusMessage(bar < 0 ? m_hint : m_hint.mid(bar + 1), VURColors::clWindowText, false, false);
    else
        ShowStatusMessage(GetReadyText(), VURColors::clWindowText, false, true);
}

void TVURAppGUIForm::ApplyLanguage(const QString &code)
{
    LangManager()->SetLanguage(LangManager()->MatchLanguage(code));
}

bool TVURAppGUIForm::IsLanguageAvailable(const QString &code) const
{
    return LangManager()->Languages().contains(code);
}

void TVURAppGUIForm::FirstIdle()
{
    TVURWindowForm::FirstIdle();
    if (TVURApp *app = GetApp()) {
        if (auto *gui = dynamic_cast<TVURAppGUI *>(app))
            gui->CheckVersion();
    }
    OpenCommandLineFiles();
}

void TVURAppGUIForm::OpenCommandLineFiles()
{
    OpenCommandLine(QCoreApplication::arguments().mid(1));
}

void TVURAppGUIForm::OpenCommandLine(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("-lang:"), Qt::CaseInsensitive))
            continue;
        bool stop = false;
        OpenOrActivateFile(QDir::cleanPath(QFileInfo(argument).absoluteFilePath()), stop);
        if (stop)
            break;
    }
}

void TVURAppGUIForm::JvAppInstancesCmdLineReceived(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (!QFileInfo(argument).isFile())
            continue;
        bool stop = false;
        OpenOrActivateFile(argument, stop);
        if (stop)
            break;
    }
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TVURAppGUIForm::OpenDroppedFiles(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames) {
        bool stop = false;
        OpenOrActivateFile(fileName, stop);
        if (stop)
            break;
    }
}

void TVURAppGUIForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (AcceptsDroppedFiles() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TVURAppGUIForm::dropEvent(QDropEvent *event)
{
    QStringList fileNames;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            fileNames.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    OpenDroppedFiles(fileNames);
}

bool TVURAppGUIForm::AcceptsDroppedFiles() const
{
    return false;
}

void TVURAppGUIForm::OpenFileInNewWindow(const QString &)
{
}

void TVURAppGUIForm::OpenOrActivateFile(const QString &fileName, bool &)
{
    OpenFileInNewWindow(fileName);
}

void TVURAppGUIForm::RecentFileClick(const QString &fileName)
{
    // Run from a menu entry: a file that cannot be read is reported here
    // rather than thrown through the menu.
    TVURApplication::RunReportingErrors([this, &fileName] {
        bool stop = false;
        OpenOrActivateFile(fileName, stop);
    });
}

void TVURAppGUIForm::NoteRecentClosed(const QString &fileName)
{
    if (m_recents)
        m_recents->NoteClosed(fileName);
}

void TVURAppGUIForm::NoteRecentOpened(const QString &fileName)
{
    if (m_recents)
        m_recents->NoteOpened(fileName);
}

void TVURAppGUIForm::ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority)
{
    if (m_statusbar)
        m_statusbar->ShowMessage(text, color, hold, lowPriority);
}

void TVURAppGUIForm::ShowStatusInfo(const QString &text)
{
    if (m_statusbar)
        m_statusbar->SetInfoText(text);
}
