#include "ZOKToolbar.h"

TZOKToolbarPane::TZOKToolbarPane(QWidget *parent)
    : TVURToolbarScriptPane(parent)
{
    setObjectName(QStringLiteral("ZOKToolbarPane"));
    InsertGroup("MizarBarToolButton",
                {{"MizarToolButton", "MizarRunVerifierAction"}, {"DetectorsToolButton", "MizarRunAllChecksAction"}},
                "ProcessMsgFirstToolButton");
    InsertGroup("CommentBarToolButton",
                {{"CommentToolButton", "EditBlockCommentAction"}, {"UncommentToolButton", "EditBlockUncommentAction"}},
                "EditFindToolButton");
}
