#include "VURPrefsExtensions.h"

#include "VURAppGUI.h"
#include "VURDialog.h"
#include "VURLang.h"
#include "VURShell.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TVURPrefsExtensionsPane::TVURPrefsExtensionsPane(QWidget *parent)
    : TVURPrefsDetailPane(parent)
    , m_extGroupBox(new QGroupBox(this))
    , m_extLabel(new QLabel(m_extGroupBox))
    , m_extCheckListBox(new QListWidget(m_extGroupBox))
    , m_regButton(CreateDialogButton("RegButton", m_extGroupBox))
    , m_unregButton(CreateDialogButton("UnregButton", m_extGroupBox))
    , m_regAllButton(CreateDialogButton("RegAllButton", m_extGroupBox))
    , m_unregAllButton(CreateDialogButton("UnregAllButton", m_extGroupBox))
{
    setObjectName(QStringLiteral("VURPrefsExtensionsPane"));
    SetHelpKeyword(QStringLiteral("PrefsExt"));
    m_extGroupBox->setObjectName(QStringLiteral("ExtGroupBox"));
    m_extLabel->setObjectName(QStringLiteral("ExtLabel"));
    m_extCheckListBox->setObjectName(QStringLiteral("ExtCheckListBox"));
    m_extLabel->setBuddy(m_extCheckListBox);
    m_extCheckListBox->setMinimumSize(489, 121);
    auto *group = new QVBoxLayout(m_extGroupBox);
    group->addWidget(m_extLabel);
    group->addWidget(m_extCheckListBox, 1);
    auto *buttons = new QGridLayout;
    buttons->addWidget(m_regButton, 0, 0);
    buttons->addWidget(m_regAllButton, 0, 1);
    buttons->addWidget(m_unregButton, 1, 0);
    buttons->addWidget(m_unregAllButton, 1, 1);
    buttons->setColumnStretch(2, 1);
    group->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_extGroupBox, 1);
    connect(m_regButton, &QPushButton::clicked, this, &TVURPrefsExtensionsPane::RegButtonClick);
    connect(m_regAllButton, &QPushButton::clicked, this, &TVURPrefsExtensionsPane::RegAllButtonClick);
    connect(m_unregButton, &QPushButton::clicked, this, &TVURPrefsExtensionsPane::UnregButtonClick);
    connect(m_unregAllButton, &QPushButton::clicked, this, &TVURPrefsExtensionsPane::UnregAllButtonClick);
}

void TVURPrefsExtensionsPane::FormCreate()
{
    TVURPrefsDetailPane::FormCreate();
    if (auto *app = dynamic_cast<TVURAppGUI *>(GetApp()))
        m_extensions = app->GetRegisteredExtensions().value_or(QStringList());
    RefreshExtensionList();
}

void TVURPrefsExtensionsPane::TranslateTexts()
{
    TVURPrefsDetailPane::TranslateTexts();
    m_extGroupBox->setTitle(TranslateText(QStringLiteral("<PLK>Rejestracja rozszerzeń dla programu<ENU>Extension registration for program")));
    m_extLabel->setText(TranslateText(QStringLiteral("<PLK>Zarejestruj &następujące rozszerzenia plików:<ENU>Register the following file e&xtensions:")));
    m_regButton->setText(TranslateText(QStringLiteral("<PLK>&Zarejestruj<ENU>&Register")));
    m_unregButton->setText(TranslateText(QStringLiteral("<PLK>&Wyrejestruj<ENU>&Unregister")));
    m_regAllButton->setText(TranslateText(QStringLiteral("<PLK>W&szystkie<ENU>Register &all")));
    m_unregAllButton->setText(TranslateText(QStringLiteral("<PLK>Wszys&tkie<ENU>Unregister a&ll")));
}

QString TVURPrefsExtensionsPane::GetPaneTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Rozszerzenia<ENU>Extensions"));
}

void TVURPrefsExtensionsPane::RefreshExtensionList()
{
    m_extCheckListBox->clear();
    for (const QString &extension : std::as_const(m_extensions)) {
        const QString command = VURShell::GetAssociatedCommand(extension);
        auto *line = new QListWidgetItem(command.isEmpty() ? extension : extension + QStringLiteral(" (") + command + QLatin1Char(')'),
                                         m_extCheckListBox);
        line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Unchecked);
    }
}

void TVURPrefsExtensionsPane::ForLines(bool tickedOnly, const std::function<void(const QString &)> &action)
{
    for (int i = 0; i < m_extCheckListBox->count() && i < m_extensions.size(); ++i) {
        if (!tickedOnly || m_extCheckListBox->item(i)->checkState() == Qt::Checked)
            action(m_extensions.at(i));
    }
    RefreshExtensionList();
}

void TVURPrefsExtensionsPane::RegButtonClick()
{
    const QString program = QCoreApplication::applicationFilePath();
    ForLines(true, [&program](const QString &ext) {
        VURShell::RegisterExtension(ext, QStringLiteral("VUR") + ext, QString(), program, QString());
    });
}

void TVURPrefsExtensionsPane::RegAllButtonClick()
{
    const QString program = QCoreApplication::applicationFilePath();
    ForLines(false, [&program](const QString &ext) {
        VURShell::RegisterExtension(ext, QStringLiteral("VUR") + ext, QString(), program, QString());
    });
}

void TVURPrefsExtensionsPane::UnregButtonClick()
{
    const QString program = QCoreApplication::applicationFilePath();
    ForLines(true, [&program](const QString &ext) { VURShell::UnregisterExtension(ext, program); });
}

void TVURPrefsExtensionsPane::UnregAllButtonClick()
{
    const QString program = QCoreApplication::applicationFilePath();
    ForLines(false, [&program](const QString &ext) { VURShell::UnregisterExtension(ext, program); });
}
