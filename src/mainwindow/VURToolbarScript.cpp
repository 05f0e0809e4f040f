#include "VURToolbarScript.h"

#include "VURToolbarImages.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const TVURToolbarScriptPane::ToolButtonEntry kButtons[] = {
    {"FileNewToolButton", "FileNewAction"},
    {"FileOpenToolButton", "FileOpenAction"},
    {"FileSaveToolButton", "FileSaveAction"},
    {"FilePrintPreviewToolButton", "FilePrintPreviewAction"},
    {"FilePrintToolButton", "FilePrintAction"},
    {"", ""},
    {"EditUndoToolButton", "EditUndoAction"},
    {"EditRedoToolButton", "EditRedoAction"},
    {"", ""},
    {"EditCutToolButton", "EditCutAction"},
    {"EditCopyToolButton", "EditCopyAction"},
    {"EditPasteToolButton", "EditPasteAction"},
    {"", ""},
    {"EditBlockIndentToolButton", "EditBlockIndentAction"},
    {"EditBlockUnindentToolButton", "EditBlockUnindentAction"},
    {"", ""},
    {"EditSelectNormalToolButton", "EditSelectNormalAction"},
    {"EditSelectColumnToolButton", "EditSelectColumnAction"},
    {"EditSelectLineToolButton", "EditSelectLineAction"},
    {"", ""},
    {"EditFindToolButton", "EditFindAction"},
    {"EditReplaceToolButton", "EditReplaceAction"},
    {"EditFindNextToolButton", "EditFindNextAction"},
    {"EditIncrementalSearchToolButton", "EditIncrementalSearchAction"},
    {"", ""},
    {"MacroRecordToolButton", "MacroRecordAction"},
    {"MacroPauseToolButton", "MacroPauseAction"},
    {"MacroPlaybackToolButton", "MacroPlaybackAction"},
    {"", ""},
    {"ProcessMsgFirstToolButton", "ProcessMsgFirstAction"},
    {"ProcessMsgPrevToolButton", "ProcessMsgPrevAction"},
    {"ProcessMsgNextToolButton", "ProcessMsgNextAction"},
    {"ProcessMsgLastToolButton", "ProcessMsgLastAction"},
};

// "FileNewToolButton" -> "FileNew", the name of its picture.
QString PictureName(const char *button)
{
    QString name = QString::fromLatin1(button);
    name.chop(int(qstrlen("ToolButton")));
    return name;
}

} // namespace

void BindToolButton(QToolButton *button, QAction *action)
{
    // The toolbar's own entry of the button shows and hides it.
    QAction *entry = nullptr;
    if (auto *bar = qobject_cast<QToolBar *>(button->parentWidget())) {
        for (QAction *candidate : bar->actions()) {
            if (bar->widgetForAction(candidate) == button)
                entry = candidate;
        }
    }
    const auto sync = [button, action, entry] {
        button->setToolTip(action->toolTip());
        button->setStatusTip(action->statusTip());
        button->setEnabled(action->isEnabled());
        button->setCheckable(action->isCheckable());
        button->setChecked(action->isChecked());
        if (entry)
            entry->setVisible(action->isVisible());
        else
            button->setVisible(action->isVisible());
    };
    QObject::connect(action, &QAction::changed, button, sync);
    QObject::connect(button, &QToolButton::clicked, action, [action, button] {
        // A checkable button has toggled itself; the action decides.
        action->trigger();
        button->setChecked(action->isChecked());
    });
    sync();
}

TVURToolbarScriptPane::TVURToolbarScriptPane(QWidget *parent)
    : TVURToolbar_Frame(parent)
    , m_toolBar(new QToolBar(Inner_Panel()))
{
    setObjectName(QStringLiteral("ToolbarScriptPane"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setContentsMargins(1, 1, 1, 1);
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; }"));
    auto *layout = new QVBoxLayout(Inner_Panel());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBar);
    for (const ToolButtonEntry &entry : kButtons) {
        if (*entry.button)
            AddButton(entry, nullptr);
        else
            AddSeparator("", nullptr);
    }
    // Room for the buttons' frames at any scale.
    setFixedHeight(std::max(30, m_toolBar->sizeHint().height() + 4));
}

QWidget *TVURToolbarScriptPane::AddSeparator(const char *name, QAction *before)
{
    auto *separator = new QFrame(m_toolBar);
    separator->setObjectName(QString::fromLatin1(name));
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedWidth(8);
    m_toolBar->insertWidget(before, separator);
    return separator;
}

QToolButton *TVURToolbarScriptPane::AddButton(const ToolButtonEntry &entry, QAction *before)
{
    auto *button = new QToolButton(m_toolBar);
    button->setObjectName(QString::fromLatin1(entry.button));
    button->setIcon(VURToolbarImages::ToolbarIcon(PictureName(entry.button)));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(false);
    m_toolBar->insertWidget(before, button);
    m_bindings.append(entry);
    return button;
}

void TVURToolbarScriptPane::InsertGroup(const char *separator, const QList<ToolButtonEntry> &buttons, const char *groupOf)
{
    // In front of the separator that opens the button's group.
    const QList<QAction *> entries = m_toolBar->actions();
    QAction *at = nullptr;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QWidget *widget = m_toolBar->widgetForAction(entries.at(i));
        if (widget && widget->objectName() == QLatin1String(groupOf))
            at = entries.at(i > 0 ? i - 1 : i);
    }
    AddSeparator(separator, at);
    for (const ToolButtonEntry &entry : buttons)
        AddButton(entry, at);
}

QToolButton *TVURToolbarScriptPane::Button(const QString &name) const
{
    return m_toolBar->findChild<QToolButton *>(name, Qt::FindDirectChildrenOnly);
}

QStringList TVURToolbarScriptPane::ButtonOrder() const
{
    QStringList order;
    for (QAction *entry : m_toolBar->actions()) {
        QWidget *widget = m_toolBar->widgetForAction(entry);
        if (!widget)
            continue;
        const QString name = widget->objectName();
        order.append(name.isEmpty() ? QStringLiteral("-") : name);
    }
    return order;
}

void TVURToolbarScriptPane::BindButtons(const std::function<QAction *(const char *)> &lookup)
{
    for (const ToolButtonEntry &entry : std::as_const(m_bindings)) {
        QToolButton *button = Button(QString::fromLatin1(entry.button));
        if (QAction *action = button ? lookup(entry.action) : nullptr)
            BindToolButton(button, action);
    }
}

void TVURToolbarScriptPane::SetOpenDropDown(QMenu *menu)
{
    if (QToolButton *open = Button(QStringLiteral("FileOpenToolButton"))) {
        open->setMenu(menu);
        open->setPopupMode(QToolButton::MenuButtonPopup);
    }
}
