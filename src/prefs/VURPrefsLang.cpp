#include "VURPrefsLang.h"

#include "VURLang.h"
#include "VURPrefsDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TVURPrefsLangPane::TVURPrefsLangPane(QWidget *parent)
    : TVURPrefsDetailPane(parent)
    , m_appLangsGroupBox(new QGroupBox(this))
    , m_appLangsInfoLabel(new QLabel(m_appLangsGroupBox))
    , m_appLangsListBox(new QListWidget(m_appLangsGroupBox))
{
    setObjectName(QStringLiteral("VURPrefsLangPane"));
    SetHelpKeyword(QStringLiteral("PrefsLang"));
    m_appLangsGroupBox->setObjectName(QStringLiteral("AppLangsGroupBox"));
    m_appLangsInfoLabel->setObjectName(QStringLiteral("AppLangsInfoLabel"));
    m_appLangsListBox->setObjectName(QStringLiteral("AppLangsListBox"));
    // The "&" of the text is shown as it stands.
    m_appLangsInfoLabel->setTextFormat(Qt::PlainText);
    m_appLangsInfoLabel->setWordWrap(false);
    m_appLangsListBox->setMinimumSize(381, 61);
    auto *group = new QVBoxLayout(m_appLangsGroupBox);
    group->addWidget(m_appLangsInfoLabel);
    group->addWidget(m_appLangsListBox, 1);
    m_appLangsGroupBox->setMinimumSize(405, 113);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_appLangsGroupBox, 1);
}

void TVURPrefsLangPane::FormCreate()
{
    TVURPrefsDetailPane::FormCreate();
    FillLanguageList();
}

void TVURPrefsLangPane::TranslateTexts()
{
    TVURPrefsDetailPane::TranslateTexts();
    m_appLangsGroupBox->setTitle(TranslateText(QStringLiteral("<PLK>Język &aplikacji<ENU>&Application language")));
    m_appLangsInfoLabel->setText(TranslateText(QStringLiteral(
        "<PLK>Wybierz język, w którym będą wyświetlane teksty programu:<ENU>Select the language in which program texts "
        "will be displayed:")));
}

void TVURPrefsLangPane::FillLanguageList()
{
    m_appLangsListBox->clear();
    const QStringList languages = LangManager()->Languages();
    const QString current = LangManager()->CurrentLanguage();
    int selected = -1;
    for (int i = 0; i < languages.size(); ++i) {
        m_appLangsListBox->addItem(LanguageDisplayName(languages.at(i)));
        if (selected < 0 && languages.at(i).compare(current, Qt::CaseInsensitive) == 0)
            selected = i;
    }
    if (m_appLangsListBox->count() > 0)
        m_appLangsListBox->setCurrentRow(selected < 0 ? 0 : selected);
}

void TVURPrefsLangPane::ApplyPrefs()
{
    const QStringList languages = LangManager()->Languages();
    const int row = m_appLangsListBox->currentRow();
    if (!languages.isEmpty())
        ChosenLanguage() = languages.at(row >= 0 && row < languages.size() ? row : 0);
}

QString TVURPrefsLangPane::GetPaneTitle() const
{
    return TranslateText(QStringLiteral("<PLK>Języki<ENU>Languages"));
}
