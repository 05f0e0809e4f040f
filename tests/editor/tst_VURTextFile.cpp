#include "VURKernel.h"
#include "VURLang.h"
#include "VURTextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace VURTextFile;

class tst_VURTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void latin1WithWiderText();
    void readErrorsInWords();
};

void tst_VURTextFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::newRow("UTF-8, LF") << QByteArray("begin\n  x in A;\n") << int(TVUREncoding::Utf8);
    QTest::newRow("CR LF") << QByteArray("begin\r\n  x in A;\r\n") << int(TVUREncoding::Utf8);
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd") << int(TVUREncoding::Utf8);
    QTest::newRow("national letters") << QByteArray(":: Za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87\n") << int(TVUREncoding::Utf8);
    QTest::newRow("invalid UTF-8") << QByteArray(":: Za\xbf\xf3\xb3\xe6\n") << int(TVUREncoding::Latin1);
    QTest::newRow("NUL bytes") << QByteArray("a\0b\n", 4) << int(TVUREncoding::Utf8);
    QTest::newRow("empty") << QByteArray() << int(TVUREncoding::Utf8);
}

void tst_VURTextFile::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("a.miz"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const TVURTextContent content = ReadTextFile(name);
    QCOMPARE(int(content.encoding), encoding);
    WriteTextFile(name, content.text, content.encoding);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void tst_VURTextFile::latin1WithWiderText()
{
    // A letter Latin-1 cannot hold is not lost: the file becomes UTF-8.
    QCOMPARE(Encode(QStringLiteral("\u00e9\u0142"), TVUREncoding::Latin1), QByteArray("\xc3\xa9\xc5\x82"));
    QCOMPARE(Encode(QStringLiteral("\u00e9"), TVUREncoding::Latin1), QByteArray("\xe9"));
}

void tst_VURTextFile::readErrorsInWords()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    QTemporaryDir dir;
    try {
        ReadTextFile(dir.filePath(QStringLiteral("missing.miz")));
        QFAIL("no error raised");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("File not found."));
    }
    try {
        WriteTextFile(dir.filePath(QStringLiteral("no/such/dir/a.miz")), QStringLiteral("x"), TVUREncoding::Utf8);
        QFAIL("no error raised");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("File not found."));
    }
}

QTEST_GUILESS_MAIN(tst_VURTextFile)
#include "tst_VURTextFile.moc"
