#include "VURForm.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QThread>
#include <QWidget>

namespace {

const QString kMenuPadding = QStringLiteral("          ");

QString PlaceholderClassName(const QObject *object)
{
    QString name = QString::fromLatin1(object->metaObject()->className());
    if (name.startsWith(QLatin1Char('Q')) || name.startsWith(QLatin1Char('T')))
        name.remove(0, 1);
    return name;
}

bool IsPlaceholder(const QString &text, const QString &className, const QString &objectName)
{
    if (text.isEmpty())
        return false;
    if (text.startsWith(className) || text.endsWith(className) || text.endsWith(className + QStringLiteral("\r\n"))
        || text.endsWith(className + QLatin1Char('\n')))
        return true;
    return !objectName.isEmpty()
           && (text == objectName || text == objectName + QStringLiteral("\r\n") || text == objectName + QLatin1Char('\n'));
}

} // namespace

TVURApplicationEvents::TVURApplicationEvents(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ApplicationEvents"));
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TVURApplicationEvents::Idle);
}

TVURFormForm::TVURFormForm(QWidget *self)
    : m_self(self)
    , m_applicationEvents(new TVURApplicationEvents(self))
{
    m_idleConnection = QObject::connect(m_applicationEvents, &TVURApplicationEvents::Idle, self,
                                        [this] { ApplicationEventsIdle(); });
}

TVURFormForm::~TVURFormForm()
{
    QObject::disconnect(m_idleConnection);
}

void TVURFormForm::TranslateTexts()
{
}

void TVURFormForm::FirstIdle()
{
}

void TVURFormForm::LanguageChanged()
{
    TranslateTexts();
    PadMenus(m_self);
}

void TVURFormForm::FormCreate()
{
    if (m_created)
        return;
    m_created = true;
    ClearPlaceholderTexts(m_self);
    TranslateTexts();
    PadMenus(m_self);
}

void TVURFormForm::ApplicationEventsIdle()
{
    if (!m_firstIdlePending)
        return;
    m_firstIdlePending = false;
    // Idle is signalled while the loop is about to wait; the form's work
    // runs as an ordinary event right after.
    QMetaObject::invokeMethod(m_self, [this] { FirstIdle(); }, Qt::QueuedConnection);
}

void ClearPlaceholderTexts(QWidget *form)
{
    if (!form)
        return;
    for (QWidget *control : form->findChildren<QWidget *>()) {
        const QString className = PlaceholderClassName(control);
        const QString objectName = control->objectName();
        if (auto *label = qobject_cast<QLabel *>(control)) {
            if (IsPlaceholder(label->text(), className, objectName))
                label->clear();
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            if (IsPlaceholder(button->text(), className, objectName))
                button->setText(QString());
        } else if (auto *group = qobject_cast<QGroupBox *>(control)) {
            if (IsPlaceholder(group->title(), className, objectName))
                group->setTitle(QString());
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            if (IsPlaceholder(edit->text(), className, objectName))
                edit->clear();
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
            if (IsPlaceholder(memo->toPlainText(), className, objectName))
                memo->clear();
        } else if (auto *rich = qobject_cast<QTextEdit *>(control)) {
            if (IsPlaceholder(rich->toPlainText(), className, objectName))
                rich->clear();
        }
    }
}

void PadMenuCaptions(QMenu *menu)
{
    if (!menu)
        return;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        QString caption = action->text();
        if (caption != QLatin1String("-")) {
            while (caption.endsWith(QLatin1Char(' ')))
                caption.chop(1);
            action->setText(caption + kMenuPadding);
        }
        if (QMenu *sub = action->menu())
            PadMenuCaptions(sub);
    }
}

void PadMenus(QWidget *form)
{
    if (!form)
        return;
    for (QMenuBar *bar : form->findChildren<QMenuBar *>()) {
        for (QAction *entry : bar->actions())
            PadMenuCaptions(entry->menu());
    }
    for (QMenu *menu : form->findChildren<QMenu *>()) {
        // Menus reached from a menu bar or another menu are padded with it.
        if (menu->menuAction()->associatedObjects().isEmpty())
            PadMenuCaptions(menu);
    }
}

QAction *AddActionMenuItem(QMenu *parent, QAction *action)
{
    if (!parent || !action)
        return nullptr;
    parent->addAction(action);
    return action;
}

QAction *AddSeparatorMenuItem(QMenu *parent)
{
    return parent ? parent->addSeparator() : nullptr;
}
