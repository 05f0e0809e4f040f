#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QAction;
class QMenu;
class QWidget;

// The application's event source of a form: Idle is emitted whenever the
// event queue has become empty and the thread is about to wait.
class TVURApplicationEvents : public QObject
{
    Q_OBJECT

public:
    explicit TVURApplicationEvents(QObject *parent);

Q_SIGNALS:
    void Idle();
};

// The life every window shares, mixed into the Qt widget class of the form:
// placeholder texts removed, texts set in the current language, menus
// padded (FormCreate); told once when the application first becomes idle
// (FirstIdle); texts set again when the language changes (LanguageChanged).
// Forms are made with MakeForm/NewForm, which run FormCreate once the
// object is complete.
class TVURFormForm
{
public:
    explicit TVURFormForm(QWidget *self);
    virtual ~TVURFormForm();

    TVURFormForm(const TVURFormForm &) = delete;
    TVURFormForm &operator=(const TVURFormForm &) = delete;

    virtual void TranslateTexts();
    virtual void FirstIdle();
    virtual void LanguageChanged();

    // The creation steps: ClearPlaceholderTexts, TranslateTexts, PadMenus.
    virtual void FormCreate();

    QWidget *FormWidget() const { return m_self; }
    bool IsFirstIdlePending() const { return m_firstIdlePending; }
    TVURApplicationEvents *ApplicationEvents() const { return m_applicationEvents; }

protected:
    virtual void ApplicationEventsIdle();

private:
    QWidget *m_self;
    QPointer<TVURApplicationEvents> m_applicationEvents;
    QMetaObject::Connection m_idleConnection;
    bool m_firstIdlePending = true;
    bool m_created = false;
};

// Forms of the top level; they add nothing to the form base.
class TVURWindowForm : public TVURFormForm
{
public:
    using TVURFormForm::TVURFormForm;
};

// Empties every design-time caption below the widget: a text that begins or
// ends with the control's class name ("Label1", "AppLangsGroupBox"), or that
// equals its object name.
void ClearPlaceholderTexts(QWidget *form);
// Pads the captions of every menu the form owns (not a menu bar's own entries).
void PadMenus(QWidget *form);
// Each entry below the menu gets its caption without trailing blanks plus
// ten blanks; separators stay as they are.
void PadMenuCaptions(QMenu *menu);
QAction *AddActionMenuItem(QMenu *parent, QAction *action);
QAction *AddSeparatorMenuItem(QMenu *parent);

// A form owned by the caller, created completely before FormCreate runs.
template<class T, class... Args>
std::unique_ptr<T> MakeForm(Args &&...args)
{
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    form->FormCreate();
    return form;
}

// A form owned by its Qt parent.
template<class T, class... Args>
T *NewForm(Args &&...args)
{
    T *form = new T(std::forward<Args>(args)...);
    form->FormCreate();
    return form;
}
