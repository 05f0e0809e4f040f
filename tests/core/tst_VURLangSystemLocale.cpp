#include "VURLang.h"

#include <QTest>

// Run once per locale by ctest: LC_ALL/LANG select the system locale and
// QUILL_EXPECTED_LANGUAGE the language the manager must start in.
class tst_VURLangSystemLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsInSystemLanguage()
    {
        const QString expected = qEnvironmentVariable("QUILL_EXPECTED_LANGUAGE");
        if (expected.isEmpty())
            QSKIP("run through ctest, which sets the locale");
        QCOMPARE(LangManager()->CurrentLanguage(), expected);
    }
};

QTEST_GUILESS_MAIN(tst_VURLangSystemLocale)
#include "tst_VURLangSystemLocale.moc"
