// The help pages shipped with the program: a page for every topic the
// windows ask for, in every language, and no link that leads nowhere.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class tst_HelpPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topics_data();
    void topics();
    void links_data();
    void links();
    void sameTopicsInEveryLanguage();
};

namespace {

const char *const kLanguages[] = {"enu", "plk"};

QString HelpDir(const char *language)
{
    return QStringLiteral(QUILL_DATA_DIR "/help/") + QLatin1String(language);
}

} // namespace

void tst_HelpPages::topics_data()
{
    QTest::addColumn<QString>("page");
    // Contents, the index (context 3) and the dialogs' help keywords.
    const QStringList pages = {"contents", "index", "SearchFind", "SearchReplace", "SearchConfirm", "SearchIncremental",
                               "SearchLine", "WindowList", "EditPrefs", "Prefs", "PrefsLang", "PrefsEditor",
                               "PrefsDisplay", "PrefsColors", "PrefsExt"};
    for (const char *language : kLanguages) {
        for (const QString &page : pages)
            QTest::addRow("%s %s", language, qPrintable(page)) << HelpDir(language) + QLatin1Char('/') + page + ".html";
    }
}

void tst_HelpPages::topics()
{
    QFETCH(QString, page);
    QFile file(page);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(QRegularExpression(QStringLiteral("<h1>[^<]+</h1>")).match(text).hasMatch());
}

void tst_HelpPages::links_data()
{
    QTest::addColumn<QString>("page");
    for (const char *language : kLanguages) {
        const QDir dir(HelpDir(language));
        for (const QString &name : dir.entryList({QStringLiteral("*.html")}))
            QTest::addRow("%s %s", language, qPrintable(name)) << dir.filePath(name);
    }
}

void tst_HelpPages::links()
{
    QFETCH(QString, page);
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QDir dir = QFileInfo(page).dir();
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#:]+)[^\"]*\""));
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(QFile::exists(dir.filePath(target)), qPrintable(target));
    }
}

void tst_HelpPages::sameTopicsInEveryLanguage()
{
    const QStringList english = QDir(HelpDir("enu")).entryList(QDir::Files);
    QVERIFY(!english.isEmpty());
    QCOMPARE(QDir(HelpDir("plk")).entryList(QDir::Files), english);
}

QTEST_MAIN(tst_HelpPages)
#include "tst_HelpPages.moc"
