#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// Resolves bilingual literals such as "<PLK>Błąd<ENU>Error" into the current
// interface language. There is one manager per process, reached through
// LangManager() at every use.
class TVURLangManager
{
public:
    TVURLangManager();
    virtual ~TVURLangManager();

    TVURLangManager(const TVURLangManager &) = delete;
    TVURLangManager &operator=(const TVURLangManager &) = delete;

    virtual void RegisterLanguages();
    virtual void SetLanguage(const QString &code);
    virtual void AfterTranslate(QString &text) const;
    virtual QString Translate(const QString &text, const QString &language) const;
    virtual QString TranslateCurrent(const QString &text) const;
    virtual QString MatchLanguage(const QString &code) const;
    virtual void SelectSystemLanguage();

    // Sorted, lower case, without duplicates.
    const QStringList &Languages() const { return m_languages; }
    // Case-insensitive lookup; -1 when the code is not supported.
    int IndexOfLanguage(const QString &code) const;
    bool IsLanguage(const QString &code) const { return IndexOfLanguage(code) >= 0; }
    QString CurrentLanguage() const { return m_currentLanguage; }

    // Walks the arguments after the program name and applies every valid
    // "-lang:enu" / "-lang:plk"; the last one wins.
    void ApplyCommandLine(const QStringList &arguments);

    // The arguments LangManager() looks at: those of the running application
    // unless replaced (tests replace them; std::nullopt restores the default).
    void SetCommandLineOverride(const std::optional<QStringList> &arguments);
    QStringList CommandLineArguments() const;

protected:
    void AddLanguage(const QString &code);
    // The locale whose language SelectSystemLanguage makes current.
    virtual QLocale SystemLocale() const;

private:
    QStringList m_languages;
    QString m_currentLanguage;
    std::optional<QStringList> m_commandLineOverride;
};

// The one manager: created on first use (RegisterLanguages, then
// SelectSystemLanguage); every call applies the "-lang:" arguments again.
TVURLangManager *LangManager();

// Makes the manager the process-wide one, in place of any earlier one; for a
// product with languages of its own, before the first text is resolved.
void InstallLangManager(std::unique_ptr<TVURLangManager> manager);

// Resolution into the current language, then "\n" (backslash, n) -> CR LF.
QString TranslateText(const QString &text);

// The Windows-style three-letter language abbreviation of a locale
// ("PLK", "ENU", "ENG"); empty for the C locale.
QString LocaleAbbreviation(const QLocale &locale);

// Name of the first known locale whose abbreviation is the code (any case),
// e.g. "Polish (Poland)"; empty when there is none.
QString LanguageDisplayName(const QString &code);
