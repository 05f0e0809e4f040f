#include "VURDialog.h"

#include "VURHelp.h"
#include "VURLang.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QAction *MakeAction(const char *name, QObject *parent)
{
    auto *action = new QAction(parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

QPushButton *CreateDialogButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumSize(75, 25);
    button->setAutoDefault(false);
    return button;
}

void BindButtonToAction(QPushButton *button, QAction *action)
{
    const auto sync = [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
        button->setVisible(action->isVisible());
        button->setToolTip(action->toolTip() == QString(action->text()).remove(QLatin1Char('&')) ? QString()
                                                                                                 : action->toolTip());
    };
    QObject::connect(action, &QAction::changed, button, sync);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    sync();
}

TVURDialogForm::TVURDialogForm(QWidget *owner)
    : QDialog(owner)
    , TVURWindowForm(this)
    , m_mainPanel(new QWidget(this))
    , m_buttonPanel(new QWidget(this))
    , m_buttonLayout(new QHBoxLayout)
    , m_acceptAction(MakeAction("AcceptAction", this))
    , m_cancelAction(MakeAction("CancelAction", this))
    , m_helpAction(MakeAction("HelpAction", this))
    , m_acceptButton(CreateDialogButton("AcceptButton", m_buttonPanel))
    , m_cancelButton(CreateDialogButton("CancelButton", m_buttonPanel))
    , m_helpButton(CreateDialogButton("HelpButton", m_buttonPanel))
{
    setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    m_mainPanel->setObjectName(QStringLiteral("MainPanel"));
    auto *mainPanelLayout = new QVBoxLayout(m_mainPanel);
    mainPanelLayout->setContentsMargins(4, 4, 4, 4);

    m_buttonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    auto *buttonPanelLayout = new QVBoxLayout(m_buttonPanel);
    buttonPanelLayout->setContentsMargins(0, 0, 0, 0);
    buttonPanelLayout->setSpacing(0);
    auto *line = new QFrame(m_buttonPanel);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    buttonPanelLayout->addWidget(line);
    // Right edges 205, 125 and 5 pixels from the row's right edge.
    m_buttonLayout->setContentsMargins(8, 3, 5, 4);
    m_buttonLayout->setSpacing(0);
    m_buttonLayout->addStretch(1);
    m_buttonLayout->addWidget(m_acceptButton);
    m_buttonLayout->addSpacing(5);
    m_buttonLayout->addWidget(m_cancelButton);
    m_buttonLayout->addSpacing(45);
    m_buttonLayout->addWidget(m_helpButton);
    buttonPanelLayout->addLayout(m_buttonLayout);
    m_buttonPanel->setMinimumHeight(33);

    QSizePolicy keepPlace = m_helpButton->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_helpButton->setSizePolicy(keepPlace);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_mainPanel, 1);
    layout->addWidget(m_buttonPanel);

    m_helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_helpAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_helpAction);
    connect(m_acceptAction, &QAction::triggered, this, [this] { AcceptActionExecute(); });
    connect(m_cancelAction, &QAction::triggered, this, [this] { CancelActionExecute(); });
    connect(m_helpAction, &QAction::triggered, this, [this] { HelpActionExecute(); });
    BindButtonToAction(m_acceptButton, m_acceptAction);
    BindButtonToAction(m_cancelButton, m_cancelAction);
    BindButtonToAction(m_helpButton, m_helpAction);
    SetDefaultButton(m_acceptButton);
    HelpActionUpdate();
}

TVURDialogForm::~TVURDialogForm() = default;

void TVURDialogForm::TranslateTexts()
{
    TVURWindowForm::TranslateTexts();
    m_acceptAction->setText(QStringLiteral("O&K"));
    m_cancelAction->setText(TranslateText(QStringLiteral("<PLK>Anuluj<ENU>Cancel")));
    m_helpAction->setText(TranslateText(QStringLiteral("<PLK>Pomo&c<ENU>&Help")));
}

void TVURDialogForm::SetDefaultButton(QPushButton *button)
{
    for (QPushButton *candidate : {m_acceptButton, m_cancelButton, m_helpButton})
        candidate->setDefault(candidate == button);
}

void TVURDialogForm::AcceptActionExecute()
{
    done(mrOk);
}

void TVURDialogForm::CancelActionExecute()
{
    done(mrCancel);
}

void TVURDialogForm::HelpActionExecute()
{
    ShowHelp();
}

void TVURDialogForm::ShowHelp()
{
    if (m_helpContext != 0)
        VURHelp::ShowHelpContext(m_helpContext);
    else if (!m_helpKeyword.isEmpty())
        VURHelp::ShowHelpKeyword(m_helpKeyword);
}

void TVURDialogForm::SetHelpContext(int context)
{
    m_helpContext = context;
    HelpActionUpdate();
}

void TVURDialogForm::SetHelpKeyword(const QString &keyword)
{
    m_helpKeyword = keyword;
    HelpActionUpdate();
}

void TVURDialogForm::HelpActionUpdate()
{
    m_helpAction->setVisible(m_helpContext != 0 || !m_helpKeyword.isEmpty());
}

int TVURDialogForm::ShowModal()
{
    return exec();
}

void TVURDialogForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cancelAction->trigger();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TVURDialogForm::reject()
{
    // Reached from the close box: the modal loop ends at once with Cancel.
    done(mrCancel);
}

void TVURDialogForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = owner ? owner->frameGeometry()
                             : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid()) {
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        move(frame.topLeft());
    }
}
