#include "VURLang.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace {

const QString kCommonTag = QStringLiteral("<*>");

struct Abbreviation
{
    QLocale::Language language;
    QLocale::Territory territory; // AnyTerritory: every other territory
    const char *code;
};

// The abbreviations Windows gives its locales; a locale not listed here gets
// the two-letter language code followed by the territory's first letter.
const Abbreviation kAbbreviations[] = {
    {QLocale::Polish, QLocale::AnyTerritory, "PLK"},
    {QLocale::English, QLocale::UnitedStates, "ENU"},
    {QLocale::English, QLocale::UnitedKingdom, "ENG"},
    {QLocale::English, QLocale::Australia, "ENA"},
    {QLocale::English, QLocale::Canada, "ENC"},
    {QLocale::English, QLocale::NewZealand, "ENZ"},
    {QLocale::English, QLocale::Ireland, "ENI"},
    {QLocale::English, QLocale::SouthAfrica, "ENS"},
    {QLocale::English, QLocale::India, "ENN"},
    {QLocale::English, QLocale::Singapore, "ENE"},
    {QLocale::English, QLocale::Philippines, "ENP"},
    {QLocale::English, QLocale::Jamaica, "ENJ"},
    {QLocale::German, QLocale::Germany, "DEU"},
    {QLocale::German, QLocale::Austria, "DEA"},
    {QLocale::German, QLocale::Switzerland, "DES"},
    {QLocale::French, QLocale::France, "FRA"},
    {QLocale::French, QLocale::Belgium, "FRB"},
    {QLocale::French, QLocale::Canada, "FRC"},
    {QLocale::French, QLocale::Switzerland, "FRS"},
    {QLocale::Czech, QLocale::AnyTerritory, "CSY"},
    {QLocale::Slovak, QLocale::AnyTerritory, "SKY"},
    {QLocale::Russian, QLocale::AnyTerritory, "RUS"},
    {QLocale::Ukrainian, QLocale::AnyTerritory, "UKR"},
    {QLocale::Belarusian, QLocale::AnyTerritory, "BEL"},
    {QLocale::Lithuanian, QLocale::AnyTerritory, "LTH"},
    {QLocale::Latvian, QLocale::AnyTerritory, "LVI"},
    {QLocale::Estonian, QLocale::AnyTerritory, "ETI"},
    {QLocale::Spanish, QLocale::Spain, "ESN"},
    {QLocale::Spanish, QLocale::Mexico, "ESM"},
    {QLocale::Italian, QLocale::Italy, "ITA"},
    {QLocale::Dutch, QLocale::Netherlands, "NLD"},
    {QLocale::Dutch, QLocale::Belgium, "NLB"},
    {QLocale::Portuguese, QLocale::Brazil, "PTB"},
    {QLocale::Portuguese, QLocale::Portugal, "PTG"},
    {QLocale::Swedish, QLocale::AnyTerritory, "SVE"},
    {QLocale::Danish, QLocale::AnyTerritory, "DAN"},
    {QLocale::NorwegianBokmal, QLocale::AnyTerritory, "NOR"},
    {QLocale::Finnish, QLocale::AnyTerritory, "FIN"},
    {QLocale::Hungarian, QLocale::AnyTerritory, "HUN"},
    {QLocale::Greek, QLocale::AnyTerritory, "ELL"},
    {QLocale::Turkish, QLocale::AnyTerritory, "TRK"},
    {QLocale::Japanese, QLocale::AnyTerritory, "JPN"},
    {QLocale::Korean, QLocale::AnyTerritory, "KOR"},
    {QLocale::Chinese, QLocale::Taiwan, "CHT"},
    {QLocale::Chinese, QLocale::AnyTerritory, "CHS"},
};

std::unique_ptr<TVURLangManager> &ManagerInstance()
{
    static std::unique_ptr<TVURLangManager> instance;
    return instance;
}

} // namespace

TVURLangManager::TVURLangManager() = default;
TVURLangManager::~TVURLangManager() = default;

void TVURLangManager::RegisterLanguages()
{
    AddLanguage(QStringLiteral("plk"));
    AddLanguage(QStringLiteral("enu"));
}

void TVURLangManager::AddLanguage(const QString &code)
{
    const QString lowered = code.toLower();
    const auto it = std::lower_bound(m_languages.begin(), m_languages.end(), lowered);
    if (it != m_languages.end() && *it == lowered)
        return;
    m_languages.insert(it, lowered);
}

int TVURLangManager::IndexOfLanguage(const QString &code) const
{
    const QString lowered = code.toLower();
    const auto it = std::lower_bound(m_languages.cbegin(), m_languages.cend(), lowered);
    if (it == m_languages.cend() || *it != lowered)
        return -1;
    return int(it - m_languages.cbegin());
}

void TVURLangManager::SetLanguage(const QString &code)
{
    if (code.toLower() == m_currentLanguage)
        return;
    m_currentLanguage = MatchLanguage(code);
}

void TVURLangManager::AfterTranslate(QString &) const
{
}

QString TVURLangManager::Translate(const QString &text, const QString &language) const
{
    if (m_languages.size() < 2 && !text.contains(QLatin1Char('<')))
        return text;

    QString result;
    result.reserve(text.size());
    QString segment; // empty: common text
    const qsizetype length = text.size();
    qsizetype pos = 0;
    while (pos < length) {
        const QChar c = text.at(pos);
        if (c == QLatin1Char('<')) {
            const qsizetype close = text.indexOf(QLatin1Char('>'), pos + 1);
            if (close >= 0) {
                const int index = IndexOfLanguage(text.mid(pos + 1, close - pos - 1));
                if (index >= 0) {
                    segment = m_languages.at(index);
                    pos = close + 1;
                    continue;
                }
            }
            if (QStringView(text).mid(pos, 3) == kCommonTag) {
                segment.clear();
                pos += 3;
                continue;
            }
        }
        if (segment.isEmpty() || segment == language)
            result.append(c);
        ++pos;
    }
    AfterTranslate(result);
    return result;
}

QString TVURLangManager::TranslateCurrent(const QString &text) const
{
    return Translate(text, m_currentLanguage);
}

QString TVURLangManager::MatchLanguage(const QString &code) const
{
    if (m_languages.isEmpty())
        return QString();
    QString lowered = code.toLower();
    if (IsLanguage(lowered))
        return lowered;
    lowered.chop(1);
    if (IsLanguage(lowered))
        return lowered;
    for (const QString &entry : m_languages) {
        if (entry.startsWith(lowered))
            return entry;
    }
    return m_languages.first();
}

QLocale TVURLangManager::SystemLocale() const
{
    return QLocale::system();
}

void TVURLangManager::SelectSystemLanguage()
{
    SetLanguage(MatchLanguage(LocaleAbbreviation(SystemLocale())));
}

void TVURLangManager::ApplyCommandLine(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (!argument.startsWith(QLatin1String("-lang:")))
            continue;
        if (argument == QLatin1String("-lang:enu"))
            SetLanguage(QStringLiteral("enu"));
        else if (argument == QLatin1String("-lang:plk"))
            SetLanguage(QStringLiteral("plk"));
    }
}

void TVURLangManager::SetCommandLineOverride(const std::optional<QStringList> &arguments)
{
    m_commandLineOverride = arguments;
}

QStringList TVURLangManager::CommandLineArguments() const
{
    if (m_commandLineOverride)
        return *m_commandLineOverride;
    if (!QCoreApplication::instance())
        return QStringList();
    return QCoreApplication::arguments().mid(1);
}

TVURLangManager *LangManager()
{
    std::unique_ptr<TVURLangManager> &instance = ManagerInstance();
    if (!instance) {
        instance = std::make_unique<TVURLangManager>();
        instance->RegisterLanguages();
        instance->SelectSystemLanguage();
    }
    instance->ApplyCommandLine(instance->CommandLineArguments());
    return instance.get();
}

void InstallLangManager(std::unique_ptr<TVURLangManager> manager)
{
    ManagerInstance() = std::move(manager);
}

QString TranslateText(const QString &text)
{
    QString result = LangManager()->TranslateCurrent(text);
    result.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    return result;
}

QString LocaleAbbreviation(const QLocale &locale)
{
    const QLocale::Language language = locale.language();
    if (language == QLocale::C || language == QLocale::AnyLanguage)
        return QString();
    const QLocale::Territory territory = locale.territory();
    for (const Abbreviation &entry : kAbbreviations) {
        if (entry.language == language && entry.territory == territory)
            return QString::fromLatin1(entry.code);
    }
    for (const Abbreviation &entry : kAbbreviations) {
        if (entry.language == language && entry.territory == QLocale::AnyTerritory)
            return QString::fromLatin1(entry.code);
    }
    QString code = QLocale::languageToCode(language, QLocale::ISO639Part1);
    if (code.isEmpty())
        code = QLocale::languageToCode(language);
    code = code.toUpper();
    // The first territory letter that gives a code no listed locale has.
    const auto taken = [](const QString &candidate) {
        for (const Abbreviation &entry : kAbbreviations) {
            if (candidate == QLatin1String(entry.code))
                return true;
        }
        return false;
    };
    const QString territoryCode = QLocale::territoryToCode(territory).toUpper();
    for (const QChar letter : territoryCode) {
        if (!taken(code + letter))
            return code + letter;
    }
    return code + QLatin1Char('X');
}

QString LanguageDisplayName(const QString &code)
{
    if (code.isEmpty())
        return QString();
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        if (LocaleAbbreviation(locale).compare(code, Qt::CaseInsensitive) != 0)
            continue;
        QString name = QLocale::languageToString(locale.language());
        if (locale.territory() != QLocale::AnyTerritory)
            name += QStringLiteral(" (") + QLocale::territoryToString(locale.territory()) + QLatin1Char(')');
        return name;
    }
    return QString();
}
