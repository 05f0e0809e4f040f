#include "VURKernel.h"
#include "VURLang.h"

#include <QTest>

class tst_VURKernel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void buildMessage_data();
    void buildMessage();
    void messageInLanguageOfConstruction();
    void whatIsUtf8();
};

void tst_VURKernel::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VURKernel::buildMessage_data()
{
    QTest::addColumn<QString>("messageTemplate");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    const QString files = QStringLiteral("x<PLK>Plik %s i %s<ENU>File %s and %s");
    QTest::newRow("as many as placeholders") << files << QStringList{"A", "B"} << "xFile A and B";
    QTest::newRow("fewer: first fills the rest") << files << QStringList{"A"} << "xFile A and A";
    QTest::newRow("more: first unused") << files << QStringList{"A", "B", "C"} << "xFile B and C";
    QTest::newRow("no placeholder") << "<PLK>Brak<ENU>None" << QStringList{"A"} << "None";
    QTest::newRow("no arguments") << files << QStringList() << "xFile %s and %s";
    QTest::newRow("other sequences stay") << "%d %s %%" << QStringList{"A"} << "%d A %%";
    QTest::newRow("arguments not rescanned") << "%s|%s" << QStringList{"%s", "x"} << "%s|x";
    QTest::newRow("placeholder at the start") << "%s" << QStringList{"A"} << "A";
    QTest::newRow("line break translated") << "a\\n%s" << QStringList{"B"} << "a\r\nB";
}

void tst_VURKernel::buildMessage()
{
    QFETCH(QString, messageTemplate);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const EVURException error(messageTemplate, arguments);
    QCOMPARE(error.Message(), expected);
    QCOMPARE(error.MessageTemplate(), messageTemplate);
    QCOMPARE(error.Arguments(), arguments);
}

void tst_VURKernel::messageInLanguageOfConstruction()
{
    LangManager()->SetLanguage(QStringLiteral("plk"));
    const EVURException polish(QStringLiteral("<PLK>Błąd: %s<ENU>Error: %s"), {QStringLiteral("x")});
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QCOMPARE(polish.Message(), QStringLiteral("Błąd: x"));
    QCOMPARE(polish.BuildMessage(), QStringLiteral("Error: x"));
}

void tst_VURKernel::whatIsUtf8()
{
    LangManager()->SetLanguage(QStringLiteral("plk"));
    try {
        throw EVURException(QStringLiteral("<PLK>Zła ścieżka<ENU>Bad path"));
    } catch (const std::exception &error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Zła ścieżka"));
    }
}

QTEST_GUILESS_MAIN(tst_VURKernel)
#include "tst_VURKernel.moc"
