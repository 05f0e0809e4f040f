#include "VURChildEditGen.h"

#include "VURAppGUI.h"
#include "VURDialogs.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"

#include <QAction>

namespace {

struct CommandText
{
    const char *name;
    const char *category;
    const char *caption;
};

// The window's commands in their order; the bookmark commands are made in a
// loop, consecutive and in digit order.
const CommandText kBefore[] = {
    {"EditBlockAppendAction", "Edit", "<PLK>&Dołącz blok...<ENU>Appen&d block..."},
    {"EditBlockSaveAction", "Edit", "<PLK>Zapisz &blok...<ENU>Save &block..."},
    {"EditUndoAction", "Edit", "<PLK>&Cofnij<ENU>&Undo"},
    {"EditRedoAction", "Edit", "<PLK>&Powtórz<ENU>&Redo"},
    {"EditCutAction", "Edit", "<PLK>&Wytnij<ENU>Cu&t"},
    {"EditCopyAction", "Edit", "<PLK>&Kopiuj<ENU>&Copy"},
    {"EditPasteAction", "Edit", "<PLK>Wk&lej<ENU>&Paste"},
    {"EditClearAction", "Edit", "<PLK>&Usuń<ENU>C&lear"},
    {"EditSelectAllAction", "Edit", "<PLK>&Zaznacz wszystko<ENU>Select &all"},
    {"EditBlockIndentAction", "Edit", "<PLK>Blok w p&rawo<ENU>&Indent block"},
    {"EditBlockUnindentAction", "Edit", "<PLK>Blok w l&ewo<ENU>U&nindent block"},
    {"EditSelectNormalAction", "Edit", "<PLK>Bloki &standardowe<ENU>Nor&mal blocks"},
    {"EditSelectColumnAction", "Edit", "<PLK>Bloki k&olumnowe<ENU>C&olumn blocks"},
    {"EditSelectLineAction", "Edit", "<PLK>Bloki w&ierszowe<ENU>Lin&e blocks"},
    {"EditFindAction", "Search", "<PLK>Zn&ajdź...<ENU>&Find..."},
    {"EditReplaceAction", "Search", "<PLK>Za&mień...<ENU>&Replace..."},
    {"EditFindNextAction", "Search", "<PLK>Znajdź &następny<ENU>Find &next"},
    {"EditIncrementalSearchAction", "Search", "<PLK>Przyros&towo...<ENU>In&cremental..."},
    {"SearchLineAction", "Search", "<PLK>Idź do &linii...<ENU>Go to &line..."},
};
const CommandText kAfter[] = {
    {"BookmarkClearAllAction", "Search", "<PLK>&Usuń wszystkie zakładki<ENU>Clear &all bookmarks"},
    {"MacroRecordAction", "Macro", "<PLK>&Rejestruj<ENU>&Record"},
    {"MacroPauseAction", "Macro", "<PLK>&Pauza<ENU>&Pause"},
    {"MacroPlaybackAction", "Macro", "<PLK>&Odtwórz<ENU>Play&back"},
};

QString BookmarkCaption(int n)
{
    return TranslateText(QStringLiteral("<PLK>Zakładka &%d<ENU>Bookmark &%d")).replace(QStringLiteral("%d"), QString::number(n));
}

} // namespace

TVURChildEditGenForm::TVURChildEditGenForm(QWidget *owner)
    : TVURChildFileForm(owner)
{
    for (const CommandText &command : kBefore)
        AddChildAction(command.name, command.category);
    for (const char *kind : {"BookmarkInsert", "BookmarkGoto"}) {
        for (int n = 0; n < kBookmarks; ++n)
            AddChildAction(qPrintable(QString::fromLatin1(kind) + QString::number(n) + QStringLiteral("Action")), "Search");
    }
    for (const CommandText &command : kAfter)
        AddChildAction(command.name, command.category);
    for (const char *name : {"EditSelectNormalAction", "EditSelectColumnAction", "EditSelectLineAction"})
        Action(name)->setCheckable(true);
    Action("EditSelectNormalAction")->setChecked(true);
    connect(Action("EditBlockSaveAction"), &QAction::triggered, this, &TVURChildEditGenForm::EditBlockSaveActionExecute);
    connect(Action("EditBlockAppendAction"), &QAction::triggered, this,
            &TVURChildEditGenForm::EditBlockAppendActionExecute);
}

void TVURChildEditGenForm::TranslateTexts()
{
    TVURChildFileForm::TranslateTexts();
    for (const CommandText &command : kBefore)
        Action(command.name)->setText(TranslateText(QString::fromUtf8(command.caption)));
    for (const CommandText &command : kAfter)
        Action(command.name)->setText(TranslateText(QString::fromUtf8(command.caption)));
    for (int n = 0; n < kBookmarks; ++n) {
        ChildAction(QStringLiteral("BookmarkInsert%1Action").arg(n))->setText(BookmarkCaption(n));
        ChildAction(QStringLiteral("BookmarkGoto%1Action").arg(n))->setText(BookmarkCaption(n));
    }
}

void TVURChildEditGenForm::WriteBlock(const QString &, bool)
{
}

QString TVURChildEditGenForm::GetBlockDialogTitle(bool append) const
{
    return TranslateText(append ? QStringLiteral("<PLK>Dołącz blok<ENU>Append block")
                                : QStringLiteral("<PLK>Zapisz blok<ENU>Save block"));
}

QString TVURChildEditGenForm::GetPositionText() const
{
    return QString();
}

QString TVURChildEditGenForm::GetNotFoundText() const
{
    return TranslateText(QStringLiteral("<PLK>Tekstu nie znaleziono.<ENU>Text not found."));
}

void TVURChildEditGenForm::BlockIndent()
{
}

void TVURChildEditGenForm::BlockUnindent()
{
}

bool TVURChildEditGenForm::SearchWordAtCaret() const
{
    return true;
}

void TVURChildEditGenForm::IncrementalSearchStep(const QString &)
{
}

void TVURChildEditGenForm::SaveBlock(bool append)
{
    QString chosen;
    if (!VURDialogs::SaveFileDialog(GetBlockDialogTitle(append), GetFilter(), GetDefaultExt(), GetFileName(), &chosen,
                                    0, append ? unsigned(VURDialogs::ofOverwritePrompt) : 0u))
        return;
    try {
        WriteBlock(chosen, append);
    } catch (const std::exception &error) {
        ShowError(TranslateText(QStringLiteral("<PLK>Błąd zapisywania bloku do pliku:<ENU>Error saving block to file:<*>"))
                  + QStringLiteral("\r\n") + ExceptionMessage(error));
    }
}

void TVURChildEditGenForm::EditBlockSaveActionExecute()
{
    SaveBlock(false);
}

void TVURChildEditGenForm::EditBlockAppendActionExecute()
{
    SaveBlock(true);
}
