#include "VMIZHelpContext.h"

#include "VURKernel.h"
#include "VURLang.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TVMIZHelpContextDialog::TVMIZHelpContextDialog(QWidget *owner, const QString &word)
    : TVURDialogForm(owner)
    , m_word(word)
    , m_topicsLabel(new QLabel(MainPanel()))
    , m_topicsListBox(new QListWidget(MainPanel()))
{
    setObjectName(QStringLiteral("VMIZHelpContextDialog"));
    m_topicsLabel->setObjectName(QStringLiteral("TopicsLabel"));
    m_topicsListBox->setObjectName(QStringLiteral("TopicsListBox"));
    m_topicsLabel->setBuddy(m_topicsListBox);
    // The label at (8, 8), the list at (4, 24) filling the rest.
    auto *layout = static_cast<QVBoxLayout *>(MainPanel()->layout());
    layout->setContentsMargins(4, 8, 4, 4);
    layout->setSpacing(0);
    m_topicsLabel->setContentsMargins(4, 0, 4, 0);
    m_topicsLabel->setFixedHeight(16);
    layout->addWidget(m_topicsLabel);
    m_topicsListBox->setMinimumSize(397, 152);
    layout->addWidget(m_topicsListBox, 1);
    connect(m_topicsListBox, &QListWidget::itemSelectionChanged, this, &TVMIZHelpContextDialog::AcceptActionUpdate);
    connect(m_topicsListBox, &QListWidget::itemDoubleClicked, this, &TVMIZHelpContextDialog::TopicsListBoxDblClick);
    resize(405, 211);
    AcceptActionUpdate();
}

void TVMIZHelpContextDialog::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Pomoc syntaktyczna<ENU>Syntax Help")));
    // The word is shown as it is, "&" included.
    QString word = m_word;
    word.replace(QLatin1Char('&'), QStringLiteral("&&"));
    m_topicsLabel->setText(
        FormatArgumentsFromRight(TranslateText(QStringLiteral("<PLK>&Tematy dla \"%s\"<ENU>&Topics for \"%s\"")), {word}));
}

void TVMIZHelpContextDialog::AddTopic(const QString &topic)
{
    m_topicsListBox->addItem(topic);
}

void TVMIZHelpContextDialog::showEvent(QShowEvent *event)
{
    TVURDialogForm::showEvent(event);
    if (m_topicsListBox->count() > 0 && m_topicsListBox->selectedItems().isEmpty())
        m_topicsListBox->setCurrentRow(0);
    AcceptActionUpdate();
}

void TVMIZHelpContextDialog::AcceptActionUpdate()
{
    AcceptAction()->setEnabled(!m_topicsListBox->selectedItems().isEmpty());
}

void TVMIZHelpContextDialog::AcceptActionExecute()
{
    const QList<QListWidgetItem *> selected = m_topicsListBox->selectedItems();
    if (selected.isEmpty())
        return;
    m_chosenTopic = selected.first()->text();
    done(mrOk);
}

void TVMIZHelpContextDialog::TopicsListBoxDblClick()
{
    AcceptActionExecute();
}
