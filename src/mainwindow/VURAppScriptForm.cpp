#include "VURAppScriptForm.h"

#include "VURChildEditSyn.h"
#include "VUREditorSettings.h"
#include "VURLang.h"
#include "VURRecents.h"
#include "VURSynEdit.h"
#include "VURToolbarScript.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Proxy
{
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;
    QKeyCombination key;
    QKeyCombination secondKey;
};

constexpr QKeyCombination kNoKey{};

const Proxy kProxies[] = {
    {"EditBlockSaveAction", "File", "<PLK>Zapisz &blok...<ENU>Save &block...",
     "<PLK>Zapisz zaznaczony blok do wybranego pliku<ENU>Save selected block to a file", kNoKey, kNoKey},
    {"EditBlockAppendAction", "File", "<PLK>&Dołącz blok...<ENU>Appen&d block...",
     "<PLK>Dołącz zaznaczony blok do wybranego pliku<ENU>Append selected block to a file", kNoKey, kNoKey},
    {"EditUndoAction", "Edit", "<PLK>&Cofnij<ENU>&Undo",
     "<PLK>Cofnij|Cofnij ostatnią operację edycyjną<ENU>Undo|Undo last edit operation", Qt::ALT | Qt::Key_Backspace,
     Qt::CTRL | Qt::Key_Z},
    {"EditRedoAction", "Edit", "<PLK>&Powtórz<ENU>&Redo",
     "<PLK>Powtórz|Powtórz cofnięte operacje edycyjne<ENU>Redo|Redo undone edit operations",
     Qt::SHIFT | Qt::ALT | Qt::Key_Backspace, Qt::SHIFT | Qt::CTRL | Qt::Key_Z},
    {"EditCutAction", "Edit", "<PLK>&Wytnij<ENU>Cu&t",
     "<PLK>Wytnij|Przenieś zaznaczony blok do schowka<ENU>Cut|Move the selected block to the clipboard",
     Qt::CTRL | Qt::Key_X, kNoKey},
    {"EditCopyAction", "Edit", "<PLK>&Kopiuj<ENU>&Copy",
     "<PLK>Kopiuj|Kopiuj zaznaczony blok do schowka<ENU>Copy|Copy the selected block to the clipboard",
     Qt::CTRL | Qt::Key_C, kNoKey},
    {"EditPasteAction", "Edit", "<PLK>Wk&lej<ENU>&Paste",
     "<PLK>Wklej|Wstaw zawartość schowka w miejscu migawki pozycjowskaźnej<ENU>Paste|Paste clipboard contents at "
     "cursor",
     Qt::CTRL | Qt::Key_V, kNoKey},
    {"EditClearAction", "Edit", "<PLK>&Usuń<ENU>C&lear", "<PLK>Usuń|Usuń zaznaczony blok<ENU>Clear|Clear the selected block",
     Qt::CTRL | Qt::Key_Delete, kNoKey},
    {"EditSelectAllAction", "Edit", "<PLK>&Zaznacz wszystko<ENU>Select &all",
     "<PLK>Zaznacz cały tekst jako blok<ENU>Mark the whole text as a block", Qt::CTRL | Qt::Key_A, kNoKey},
    {"EditBlockIndentAction", "Edit", "<PLK>Blok w p&rawo<ENU>&Indent block",
     "<PLK>Blok w prawo|Dodaje spacje na początkach linii zaznaczonego bloku<ENU>Indent block|Adds leading spaces to "
     "lines in the selected block",
     Qt::CTRL | Qt::SHIFT | Qt::Key_I, kNoKey},
    {"EditBlockUnindentAction", "Edit", "<PLK>Blok w l&ewo<ENU>U&nindent block",
     "<PLK>Blok w lewo|Usuwa spacje z początków linii zaznaczonego bloku<ENU>Unindent block|Deletes leading spaces from "
     "lines in the selected block",
     Qt::CTRL | Qt::SHIFT | Qt::Key_U, kNoKey},
    {"EditSelectNormalAction", "Edit", "<PLK>Bloki &standardowe<ENU>Nor&mal blocks",
     "<PLK>Bloki standardowe|Zaznaczanie kolejnych znaków jako blok<ENU>Normal blocks|Mark consecutive characters as "
     "block",
     Qt::CTRL | Qt::SHIFT | Qt::Key_N, kNoKey},
    {"EditSelectColumnAction", "Edit", "<PLK>Bloki k&olumnowe<ENU>C&olumn blocks",
     "<PLK>Bloki kolumnowe|Zaznaczanie kolumn jako blok<ENU>Column blocks|Mark columns as block",
     Qt::CTRL | Qt::SHIFT | Qt::Key_C, kNoKey},
    {"EditSelectLineAction", "Edit", "<PLK>Bloki w&ierszowe<ENU>Lin&e blocks",
     "<PLK>Bloki wierszowe|Zaznaczanie całych linii jako blok<ENU>Line blocks|Mark whole lines as block",
     Qt::CTRL | Qt::SHIFT | Qt::Key_L, kNoKey},
    {"EditFindAction", "Search", "<PLK>Zn&ajdź...<ENU>&Find...", "<PLK>Znajdź|Znajdź tekst w pliku<ENU>Find|Find text in the file",
     Qt::CTRL | Qt::Key_F, kNoKey},
    {"EditReplaceAction", "Search", "<PLK>Za&mień...<ENU>&Replace...",
     "<PLK>Zamień|Znajdź i zamień tekst w pliku<ENU>Replace|Find and replace text in the file", Qt::CTRL | Qt::Key_H,
     kNoKey},
    {"EditFindNextAction", "Search", "<PLK>Znajdź &następny<ENU>Find &next",
     "<PLK>Znajdź następny|Powtórz ostatnią operację szukania / zamiany<ENU>Find next|Repeat last search / replace "
     "operation",
     QKeyCombination(Qt::Key_F3), kNoKey},
    {"EditIncrementalSearchAction", "Search", "<PLK>Przyros&towo...<ENU>In&cremental...",
     "<PLK>Szukanie przyrostowe|Znajdź teksty pliku po pierwszych znakach<ENU>Incremental search|Find text in the file "
     "based on leading characters",
     Qt::CTRL | Qt::Key_F3, kNoKey},
    {"SearchLineAction", "Search", "<PLK>Idź do &linii...<ENU>Go to &line...",
     "<PLK>Idź do linii|Pozwala na przejście do podaje linii<ENU>Go to line|Moves the cursor to the given line number",
     Qt::CTRL | Qt::Key_L, kNoKey},
    {"BookmarkClearAllAction", "Search", "<PLK>&Usuń wszystkie zakładki<ENU>Clear &all bookmarks",
     "<PLK>Usuń wszystkie zdefiniowane zakładki<ENU>Clear all defined bookmarks", kNoKey, kNoKey},
    {"MacroRecordAction", "Macro", "", "", Qt::CTRL | Qt::SHIFT | Qt::Key_R, kNoKey},
    {"MacroPauseAction", "Macro", "", "", kNoKey, kNoKey},
    {"MacroPlaybackAction", "Macro", "<PLK>&Odtwórz<ENU>Play&back",
     "<PLK>Odtwórz|Uruchom zarejestrowane makro<ENU>Playback|Run the recorded macro", Qt::CTRL | Qt::SHIFT | Qt::Key_P,
     kNoKey},
    {"ProcessMsgFirstAction", "Process", "<PLK>P&ierwsza uwaga<ENU>&First issue",
     "<PLK>Pierwsza uwaga|Przejdź do pierwszej uwagi w pliku<ENU>First issue|Go to the first issue in the file",
     Qt::CTRL | Qt::Key_F7, kNoKey},
    {"ProcessMsgPrevAction", "Process", "<PLK>&Poprzednia uwaga<ENU>&Previous issue",
     "<PLK>Poprzednia uwaga|Przejdź do poprzedniej uwagi<ENU>Previous issue|Go to the previous issue",
     QKeyCombination(Qt::Key_F7), kNoKey},
    {"ProcessMsgNextAction", "Process", "<PLK>&Następna uwaga<ENU>&Next issue",
     "<PLK>Następna uwaga|Przejdź do następnej uwagi<ENU>Next issue|Go to the next issue", QKeyCombination(Qt::Key_F8),
     kNoKey},
    {"ProcessMsgLastAction", "Process", "<PLK>&Ostatnia uwaga<ENU>&Last issue",
     "<PLK>Ostatnia uwaga|Przejdź do ostatniej uwagi w pliku<ENU>Last issue|Go to the last issue in the file",
     Qt::CTRL | Qt::Key_F8, kNoKey},
    {"ProcessMsgClearAction", "Process", "<PLK>&Czyść uwagi<ENU>Clea&r issues",
     "<PLK>Czyść uwagi|Usuń wszystkie uwagi z pliku<ENU>Clear issues|Remove all issues from the file", kNoKey, kNoKey},
};

const char kRecordCaption[] = "<PLK>&Rejestruj<ENU>&Record";
const char kRecordHint[] = "<PLK>Rejestruj|Zarejestruj sekwencję klawiszy jako makro<ENU>Record|Record key sequence as a macro";
const char kPauseCaption[] = "<PLK>&Pauza<ENU>&Pause";
const char kPauseHint[] = "<PLK>Pauza|Wstrzymaj rejestrację makra<ENU>Pause|Pause macro recording";

struct MenuText
{
    const char *caption;
    const char *hint;
};

const MenuText kFileMenu = {"<PLK>&Plik<ENU>&File", "<PLK>Funkcje obsługi plików<ENU>File handling functions"};
const MenuText kFileRecentsMenu = {"<PLK>Ostatni&e<ENU>&Recent",
                                   "<PLK>Lista ostatnio otwieranych plików<ENU>A list of recently opened files"};
const MenuText kEditMenu = {"<PLK>&Edycja<ENU>&Edit", "<PLK>Funkcje edycyjne<ENU>Editing functions"};
const MenuText kSearchMenu = {"<PLK>&Szukaj<ENU>&Search",
                              "<PLK>Funkcje szukania/zamiany i obsługi zakładek<ENU>Search and bookmark functions"};
const MenuText kBookmarkInsertMenu = {
    "<PLK>&Wstaw zakładkę<ENU>&Insert bookmark",
    "<PLK>Zdefiniuj aktualną pozycję migawki pozycjowskaźnej jako zakładkę<ENU>Define current caret position as a bookmark"};
const MenuText kBookmarkGotoMenu = {"<PLK>&Idź do zakładki<ENU>&Go to bookmark",
                                    "<PLK>Przejdź do uprzednio zdefiniowanej zakładki<ENU>Go to a previously defined bookmark"};
const MenuText kMacroMenu = {"<PLK>&Makra<ENU>&Macro", "<PLK>Funkcje obsługi makr i szablonów<ENU>Macro and template functions"};
const MenuText kProcessMenu = {"<PLK>P&rocesor<ENU>&Process",
                               "<PLK>Funkcje przetwarzania i obsługi błędów<ENU>Processing and error handling functions"};

void SetMenuTexts(QMenu *menu, const MenuText &text)
{
    if (!menu)
        return;
    menu->setTitle(TranslateText(QString::fromUtf8(text.caption)));
    menu->menuAction()->setStatusTip(TranslateText(QString::fromUtf8(text.hint)));
}

QString BookmarkName(const char *kind, int digit)
{
    return QStringLiteral("Bookmark%1%2Action").arg(QLatin1String(kind)).arg(digit);
}

} // namespace

TVURAppScriptForm::TVURAppScriptForm(QWidget *parent)
    : TVURAppMDIForm(parent)
    , m_fileRecentsPopupMenu(new QMenu(this))
{
    m_fileRecentsPopupMenu->setObjectName(QStringLiteral("FileRecentsPopupMenu"));
    connect(m_fileRecentsPopupMenu, &QMenu::aboutToShow, this, &TVURAppScriptForm::FileRecentsPopupMenuPopup);
    AddMainAction("EditPrefsAction", "Edit");
    for (const Proxy &proxy : kProxies) {
        QAction *action = AddChildProxy(proxy.name, proxy.category);
        QList<QKeySequence> keys;
        if (proxy.key != kNoKey)
            keys.append(QKeySequence(proxy.key));
        if (proxy.secondKey != kNoKey)
            keys.append(QKeySequence(proxy.secondKey));
        action->setShortcuts(keys);
    }
    for (int digit = 0; digit <= 9; ++digit) {
        const Qt::Key key = Qt::Key(Qt::Key_0 + digit);
        AddChildProxy(qPrintable(BookmarkName("Insert", digit)), "Search")
            ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key));
        AddChildProxy(qPrintable(BookmarkName("Goto", digit)), "Search")->setShortcut(QKeySequence(Qt::CTRL | key));
    }
    // One selection mode at a time, Normal at start.
    auto *modes = new QActionGroup(this);
    modes->setExclusive(true);
    for (const char *name : {"EditSelectNormalAction", "EditSelectColumnAction", "EditSelectLineAction"}) {
        QAction *mode = ChildProxy(name);
        mode->setCheckable(true);
        modes->addAction(mode);
    }
    ChildProxy("EditSelectNormalAction")->setChecked(true);
    for (const char *name : {"MacroRecordAction", "MacroPauseAction"})
        ChildProxy(name)->setCheckable(true);
}

TVURAppScriptForm::~TVURAppScriptForm()
{
    WriteSettingsOnce();
}

QAction *TVURAppScriptForm::Command(const char *name) const
{
    if (QAction *proxy = ChildProxy(name))
        return proxy;
    return MainAction(name);
}

QMenu *TVURAppScriptForm::NewMenu(const char *name)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void TVURAppScriptForm::AddEntries(QMenu *menu, const QList<const char *> &names)
{
    for (const char *name : names) {
        if (!*name)
            AddSeparatorMenuItem(menu);
        else if (QAction *command = Command(name))
            AddActionMenuItem(menu, command);
    }
}

void TVURAppScriptForm::FormCreate()
{
    TVURAppMDIForm::FormCreate();

    m_fileMenu = NewMenu("FileMenu");
    m_fileRecentsMenu = NewMenu("FileRecentsMenu");
    AddEntries(m_fileMenu, {"FileNewAction", "FileOpenAction"});
    m_fileMenu->addMenu(m_fileRecentsMenu);
    AddEntries(m_fileMenu, {"FileInsertAction", "", "FileSaveAction", "FileSaveAsAction", "FileSaveAllAction",
                            "EditBlockSaveAction", "EditBlockAppendAction", "", "FileCloseAction", "FileCloseAllAction",
                            "ProgramExitAction"});
    connect(m_fileMenu, &QMenu::aboutToShow, this, [this] {
        Recents()->BuildMenu(m_fileRecentsMenu, [this](const QString &fileName) { RecentFileClick(fileName); });
        PadMenuCaptions(m_fileRecentsMenu);
    });

    m_editMenu = NewMenu("EditMenu");
    AddEntries(m_editMenu, {"EditUndoAction", "EditRedoAction", "", "EditCutAction", "EditCopyAction", "EditPasteAction",
                            "EditClearAction", "EditSelectAllAction", "", "EditBlockIndentAction",
                            "EditBlockUnindentAction", "", "EditSelectNormalAction", "EditSelectColumnAction",
                            "EditSelectLineAction", "", "EditPrefsAction"});

    m_searchMenu = NewMenu("SearchMenu");
    AddEntries(m_searchMenu, {"EditFindAction", "EditReplaceAction", "EditFindNextAction", "EditIncrementalSearchAction",
                              "", "SearchLineAction", ""});
    m_bookmarkInsertMenu = NewMenu("BookmarkInsertMenu");
    m_bookmarkGotoMenu = NewMenu("BookmarkGotoMenu");
    for (int digit = 0; digit <= 9; ++digit) {
        AddActionMenuItem(m_bookmarkInsertMenu, ChildProxy(qPrintable(BookmarkName("Insert", digit))));
        AddActionMenuItem(m_bookmarkGotoMenu, ChildProxy(qPrintable(BookmarkName("Goto", digit))));
    }
    m_searchMenu->addMenu(m_bookmarkInsertMenu);
    m_searchMenu->addMenu(m_bookmarkGotoMenu);
    AddEntries(m_searchMenu, {"BookmarkClearAllAction"});

    m_macroMenu = NewMenu("MacroMenu");
    AddEntries(m_macroMenu, {"MacroRecordAction", "MacroPauseAction", "MacroPlaybackAction"});

    m_processMenu = NewMenu("ProcessMenu");
    AddEntries(m_processMenu, {"ProcessMsgFirstAction", "ProcessMsgPrevAction", "ProcessMsgNextAction",
                               "ProcessMsgLastAction", "", "ProcessMsgClearAction"});

    // Before the Window and Help menus.
    QAction *before = WindowMenu() ? WindowMenu()->menuAction() : (HelpMenu() ? HelpMenu()->menuAction() : nullptr);
    for (QMenu *menu : {m_fileMenu, m_editMenu, m_searchMenu, m_macroMenu, m_processMenu})
        MainMenu()->insertMenu(before, menu);
    TranslateTexts();
    for (QMenu *menu : {m_fileMenu, m_editMenu, m_searchMenu, m_macroMenu, m_processMenu})
        PadMenuCaptions(menu);
}

void TVURAppScriptForm::TranslateTexts()
{
    TVURAppMDIForm::TranslateTexts();
    for (const Proxy &proxy : kProxies) {
        if (*proxy.caption)
            SetCommandTexts(ChildProxy(proxy.name), proxy.caption, proxy.hint);
    }
    SetCommandTexts(MainAction("EditPrefsAction"), "<PLK>Pre&ferencje...<ENU>Pre&ferences...",
                    "<PLK>Ustawienia preferencji użytkownika<ENU>Set user preferences");
    const QString caption = TranslateText(QStringLiteral("<PLK>Zakładka &%d<ENU>Bookmark &%d"));
    const QString insertHint = TranslateText(QStringLiteral("<PLK>Zdefiniuj zakładkę %d<ENU>Define bookmark %d"));
    const QString gotoHint = TranslateText(QStringLiteral("<PLK>Przejdź do zakładki %d<ENU>Go to bookmark %d"));
    for (int digit = 0; digit <= 9; ++digit) {
        const QString number = QString::number(digit);
        SetCommandTexts(ChildProxy(qPrintable(BookmarkName("Insert", digit))), QString(caption).replace(QLatin1String("%d"), number),
                        QString(insertHint).replace(QLatin1String("%d"), number));
        SetCommandTexts(ChildProxy(qPrintable(BookmarkName("Goto", digit))), QString(caption).replace(QLatin1String("%d"), number),
                        QString(gotoHint).replace(QLatin1String("%d"), number));
    }
    SetMenuTexts(m_fileMenu, kFileMenu);
    SetMenuTexts(m_fileRecentsMenu, kFileRecentsMenu);
    SetMenuTexts(m_editMenu, kEditMenu);
    SetMenuTexts(m_searchMenu, kSearchMenu);
    SetMenuTexts(m_bookmarkInsertMenu, kBookmarkInsertMenu);
    SetMenuTexts(m_bookmarkGotoMenu, kBookmarkGotoMenu);
    SetMenuTexts(m_macroMenu, kMacroMenu);
    SetMenuTexts(m_processMenu, kProcessMenu);
    // Resolved here, not at every idle pass that finds no editor window.
    const QString recordHint = TranslateText(QString::fromUtf8(kRecordHint));
    const QString pauseHint = TranslateText(QString::fromUtf8(kPauseHint));
    m_defaultMacroTexts = {TranslateText(QString::fromUtf8(kRecordCaption)), recordHint.section(QLatin1Char('|'), 0, 0),
                           recordHint, TranslateText(QString::fromUtf8(kPauseCaption)),
                           pauseHint.section(QLatin1Char('|'), 0, 0), pauseHint};
    m_shownMacroTexts.clear();
    RefreshMacroTexts();
}

void TVURAppScriptForm::LanguageChanged()
{
    TVURAppMDIForm::LanguageChanged();
    for (QMenu *menu : {m_fileMenu, m_editMenu, m_searchMenu, m_macroMenu, m_processMenu})
        PadMenuCaptions(menu);
}

QWidget *TVURAppScriptForm::CreateToolbar()
{
    return NewForm<TVURToolbarScriptPane>(this);
}

TVURToolbarScriptPane *TVURAppScriptForm::ToolbarScriptPane() const
{
    return qobject_cast<TVURToolbarScriptPane *>(ToolbarPane());
}

void TVURAppScriptForm::PlaceToolbar()
{
    TVURAppMDIForm::PlaceToolbar();
    if (TVURToolbarScriptPane *pane = ToolbarScriptPane()) {
        pane->BindButtons([this](const char *name) { return Command(name); });
        pane->SetOpenDropDown(m_fileRecentsPopupMenu);
    }
}

void TVURAppScriptForm::FileRecentsPopupMenuPopup()
{
    m_fileRecentsPopupMenu->clear();
    Recents()->BuildMenu(m_fileRecentsPopupMenu, [this](const QString &fileName) { RecentFileClick(fileName); });
}

QString TVURAppScriptForm::ActivePositionText() const
{
    auto *editor = qobject_cast<TVURChildEditSynForm *>(ActiveChildForm());
    return editor ? editor->GetPositionText() : QString();
}

void TVURAppScriptForm::RefreshMacroTexts()
{
    QAction *record = ChildProxy("MacroRecordAction");
    QAction *pause = ChildProxy("MacroPauseAction");
    if (!record || !pause)
        return;
    QAction *boundRecord = BoundAction(record);
    QAction *boundPause = BoundAction(pause);
    QStringList texts;
    if (boundRecord && boundPause) {
        texts = {boundRecord->text(), boundRecord->toolTip(), boundRecord->statusTip(),
                 boundPause->text(), boundPause->toolTip(), boundPause->statusTip()};
    } else {
        texts = m_defaultMacroTexts;
    }
    // Touched only when they change, so the menu and the buttons are not
    // redrawn at every idle.
    if (texts.size() != 6 || texts == m_shownMacroTexts)
        return;
    m_shownMacroTexts = texts;
    record->setText(texts.at(0));
    record->setToolTip(texts.at(1));
    record->setStatusTip(texts.at(2));
    pause->setText(texts.at(3));
    pause->setToolTip(texts.at(4));
    pause->setStatusTip(texts.at(5));
    PadMenuCaptions(m_macroMenu);
}

void TVURAppScriptForm::ApplicationEventsIdle()
{
    TVURAppMDIForm::ApplicationEventsIdle();
    const QString position = ChildWindows().isEmpty() ? QString() : ActivePositionText();
    if (position != m_shownPosition) {
        m_shownPosition = position;
        ShowStatusInfo(position);
    }
    RefreshMacroTexts();
}

void TVURAppScriptForm::LoadSettings(IVURSettings &reader)
{
    TVURAppMDIForm::LoadSettings(reader);
    LoadEditorSettings(reader, GetSettingsRoot());
    ReadColors(reader, GetSettingsRoot());
}

void TVURAppScriptForm::SaveSettings(IVURSettings &writer)
{
    TVURAppMDIForm::SaveSettings(writer);
    SaveEditorSettings(writer, GetSettingsRoot());
    WriteColors(writer, GetSettingsRoot());
}
