#include "VURLang.h"

#include <QTest>

namespace {

// A manager as LangManager builds it, with the system locale chosen by the test.
class LocaleManager : public TVURLangManager
{
public:
    explicit LocaleManager(const QLocale &locale) : m_locale(locale) {}

protected:
    QLocale SystemLocale() const override { return m_locale; }

private:
    QLocale m_locale;
};

std::unique_ptr<TVURLangManager> MakeManager()
{
    auto manager = std::make_unique<TVURLangManager>();
    manager->RegisterLanguages();
    return manager;
}

} // namespace

class tst_VURLang : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void languages();
    void translate_data();
    void translate();
    void translateTextLineBreaks();
    void singleLanguageShortCut();
    void matchLanguage_data();
    void matchLanguage();
    void setLanguage();
    void selectSystemLanguage_data();
    void selectSystemLanguage();
    void commandLineWinsOnEveryAccess_data();
    void commandLineWinsOnEveryAccess();
    void localeAbbreviation_data();
    void localeAbbreviation();
    void displayName();
};

void tst_VURLang::cleanup()
{
    LangManager()->SetCommandLineOverride(QStringList());
}

void tst_VURLang::languages()
{
    const auto manager = MakeManager();
    QCOMPARE(manager->Languages(), QStringList({QStringLiteral("enu"), QStringLiteral("plk")}));
    QCOMPARE(manager->IndexOfLanguage(QStringLiteral("PLK")), 1);
    QCOMPARE(manager->IndexOfLanguage(QStringLiteral("deu")), -1);
    // Registering again adds no duplicates.
    manager->RegisterLanguages();
    QCOMPARE(manager->Languages().size(), 2);
}

void tst_VURLang::translate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("polish");
    QTest::newRow("both languages") << "<PLK>Błąd<ENU>Error" << "Error" << "Błąd";
    QTest::newRow("no tags") << "O&K" << "O&K" << "O&K";
    QTest::newRow("tags in any case") << "A<enu>Yes<plk>Tak" << "AYes" << "ATak";
    QTest::newRow("common tag") << "A<PLK>b<ENU>c<*>D" << "AcD" << "AbD";
    QTest::newRow("unknown tag") << "x<b>y</b>" << "x<b>y</b>" << "x<b>y</b>";
    QTest::newRow("empty tag") << "a<>b" << "a<>b" << "a<>b";
    QTest::newRow("unclosed tag") << "a<ENU" << "a<ENU" << "a<ENU";
    QTest::newRow("only polish, common prefix") << "x<PLK>tylko polski" << "x" << "xtylko polski";
    QTest::newRow("only polish") << "<PLK>tylko polski" << "" << "tylko polski";
    QTest::newRow("hint parts pass through")
        << "<PLK>Cofnij|Cofnij ostatnią operację edycyjną<ENU>Undo|Undo last edit operation"
        << "Undo|Undo last edit operation" << "Cofnij|Cofnij ostatnią operację edycyjną";
    QTest::newRow("placeholders pass through") << "<PLK>Plik %s<ENU>File %s (%d)" << "File %s (%d)" << "Plik %s";
    QTest::newRow("segments repeat") << "<ENU>a<PLK>b<ENU>c" << "ac" << "b";
    QTest::newRow("greater-than alone") << "a > b" << "a > b" << "a > b";
    QTest::newRow("tag after a lone less-than") << "1 < 2<ENU>x" << "1 < 2x" << "1 < 2";
    QTest::newRow("empty") << "" << "" << "";
}

void tst_VURLang::translate()
{
    QFETCH(QString, text);
    QFETCH(QString, english);
    QFETCH(QString, polish);
    const auto manager = MakeManager();
    QCOMPARE(manager->Translate(text, QStringLiteral("enu")), english);
    QCOMPARE(manager->Translate(text, QStringLiteral("plk")), polish);
}

void tst_VURLang::translateTextLineBreaks()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QCOMPARE(TranslateText(QStringLiteral("x<PLK>a\\nb<ENU>c\\nd")), QStringLiteral("xc\r\nd"));
    QCOMPARE(TranslateText(QStringLiteral("a\\\\nb")), QStringLiteral("a\\\r\nb"));
    LangManager()->SetLanguage(QStringLiteral("plk"));
    QCOMPARE(TranslateText(QStringLiteral("x<PLK>a\\nb<ENU>c\\nd")), QStringLiteral("xa\r\nb"));
    // Translate itself leaves the pair alone.
    QCOMPARE(LangManager()->TranslateCurrent(QStringLiteral("a\\nb")), QStringLiteral("a\\nb"));
}

void tst_VURLang::singleLanguageShortCut()
{
    TVURLangManager manager; // no languages registered
    QCOMPARE(manager.Translate(QStringLiteral("plain"), QString()), QStringLiteral("plain"));
    QCOMPARE(manager.Translate(QStringLiteral("<ENU>x<*>y"), QString()), QStringLiteral("<ENU>xy"));
    QCOMPARE(manager.MatchLanguage(QStringLiteral("enu")), QString());
    QCOMPARE(manager.CurrentLanguage(), QString());
}

void tst_VURLang::matchLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("PLK") << "PLK" << "plk";
    QTest::newRow("plk") << "plk" << "plk";
    QTest::newRow("ENU") << "ENU" << "enu";
    QTest::newRow("ENG") << "ENG" << "enu";
    QTest::newRow("en") << "en" << "enu";
    QTest::newRow("e") << "e" << "enu";
    QTest::newRow("pl") << "pl" << "plk";
    QTest::newRow("plx") << "plx" << "plk";
    QTest::newRow("DEU") << "DEU" << "enu";
    QTest::newRow("empty") << "" << "enu";
    QTest::newRow("p") << "p" << "enu"; // shortened to "", the first entry
}

void tst_VURLang::matchLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(MakeManager()->MatchLanguage(code), expected);
}

void tst_VURLang::setLanguage()
{
    const auto manager = MakeManager();
    manager->SetLanguage(QStringLiteral("PLK"));
    QCOMPARE(manager->CurrentLanguage(), QStringLiteral("plk"));
    manager->SetLanguage(QStringLiteral("deu"));
    QCOMPARE(manager->CurrentLanguage(), QStringLiteral("enu"));
    manager->SetLanguage(QStringLiteral("pl"));
    QCOMPARE(manager->CurrentLanguage(), QStringLiteral("plk"));
}

void tst_VURLang::selectSystemLanguage_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland) << "plk";
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << "enu";
    QTest::newRow("British English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "enu";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "enu";
    QTest::newRow("C") << QLocale::c() << "enu";
}

void tst_VURLang::selectSystemLanguage()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    LocaleManager manager(locale);
    manager.RegisterLanguages();
    manager.SelectSystemLanguage();
    QCOMPARE(manager.CurrentLanguage(), expected);
}

void tst_VURLang::commandLineWinsOnEveryAccess_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("afterSetEnglish");
    QTest::addColumn<QString>("afterSetPolish");
    QTest::newRow("-lang:plk") << QStringList{"a.miz", "-lang:plk"} << "plk" << "plk";
    QTest::newRow("-lang:enu") << QStringList{"-lang:enu"} << "enu" << "enu";
    QTest::newRow("last wins") << QStringList{"-lang:enu", "x", "-lang:plk"} << "plk" << "plk";
    QTest::newRow("upper case ignored") << QStringList{"-lang:PLK"} << "enu" << "plk";
    QTest::newRow("unknown ignored") << QStringList{"-lang:deu"} << "enu" << "plk";
    QTest::newRow("none") << QStringList{"b.miz"} << "enu" << "plk";
}

void tst_VURLang::commandLineWinsOnEveryAccess()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, afterSetEnglish);
    QFETCH(QString, afterSetPolish);
    LangManager()->SetCommandLineOverride(arguments);
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QCOMPARE(LangManager()->CurrentLanguage(), afterSetEnglish);
    LangManager()->SetLanguage(QStringLiteral("plk"));
    QCOMPARE(LangManager()->CurrentLanguage(), afterSetPolish);
}

void tst_VURLang::localeAbbreviation_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pl_PL") << QLocale(QLocale::Polish, QLocale::Poland) << "PLK";
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "ENU";
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "ENG";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "DEU";
    QTest::newRow("unlisted") << QLocale(QLocale::Icelandic, QLocale::Iceland) << "ISI";
    QTest::newRow("C") << QLocale::c() << "";
}

void tst_VURLang::localeAbbreviation()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(LocaleAbbreviation(locale), expected);
}

void tst_VURLang::displayName()
{
    QCOMPARE(LanguageDisplayName(QStringLiteral("plk")), QStringLiteral("Polish (Poland)"));
    QCOMPARE(LanguageDisplayName(QStringLiteral("ENU")), QStringLiteral("English (United States)"));
    QCOMPARE(LanguageDisplayName(QStringLiteral("ENG")), QStringLiteral("English (United Kingdom)"));
    QCOMPARE(LanguageDisplayName(QStringLiteral("xyz")), QString());
    QCOMPARE(LanguageDisplayName(QString()), QString());
}

QTEST_GUILESS_MAIN(tst_VURLang)
#include "tst_VURLang.moc"
