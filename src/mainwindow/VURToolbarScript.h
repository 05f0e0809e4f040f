#pragma once

#include "VURToolbar_Frame.h"

#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

// The editing toolbar: one flat bar of picture buttons, each bound to a
// command of the main window, in groups divided by separators.
class TVURToolbarScriptPane : public TVURToolbar_Frame
{
    Q_OBJECT

public:
    // A button and the action it carries; an empty name is a separator.
    struct ToolButtonEntry
    {
        const char *button;
        const char *action;
    };

    explicit TVURToolbarScriptPane(QWidget *parent = nullptr);

    QToolBar *ToolBar() const { return m_toolBar; }
    QToolButton *Button(const QString &name) const;
    // The buttons and separators from left to right, by object name ("-"
    // for an unnamed separator).
    QStringList ButtonOrder() const;

    // Binds every button to the action that the lookup gives for its
    // action name; a button without an action stays disabled.
    void BindButtons(const std::function<QAction *(const char *)> &lookup);
    // The list that the Open button drops down.
    void SetOpenDropDown(QMenu *menu);

protected:
    // Adds a group (a separator named `separator`, then the buttons) just
    // before the group of the button named `groupOf`, or at the end.
    void InsertGroup(const char *separator, const QList<ToolButtonEntry> &buttons, const char *groupOf);

private:
    QWidget *AddSeparator(const char *name, QAction *before);
    QToolButton *AddButton(const ToolButtonEntry &entry, QAction *before);

    QToolBar *m_toolBar;
    QList<ToolButtonEntry> m_bindings;
};

// Makes a tool button carry an action: its hint, enabled, visible and
// checked state, and a click runs it. The button keeps its own picture and
// shows no caption.
void BindToolButton(QToolButton *button, QAction *action);
