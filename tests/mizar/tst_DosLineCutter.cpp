#include "DosLineCutter.h"

#include <QTest>

namespace {

// "E:text" for an entire line, "B:text" for the beginning of one.
QStringList CutAll(const QList<QByteArray> &chunks, TReturnCode *returnCode = nullptr)
{
    TDosLineCutter cutter;
    QStringList deliveries;
    const auto deliver = [&deliveries](const QString &line, TOutputType type) {
        deliveries.append((type == TOutputType::otEntireLine ? QStringLiteral("E:") : QStringLiteral("B:")) + line);
        return true;
    };
    for (const QByteArray &chunk : chunks)
        cutter.Cut(chunk, deliver);
    cutter.Finish(deliver);
    if (returnCode)
        *returnCode = cutter.OutputReturnCode();
    return deliveries;
}

} // namespace

class tst_DosLineCutter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cut_data();
    void cut();
    void stopDropsRestOfChunk();
    void splitUtf8Character();
};

void tst_DosLineCutter::cut_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("returnCode");
    const int crlf = int(TReturnCode::rcCRLF);
    const int lf = int(TReturnCode::rcLF);
    QTest::newRow("CR LF lines") << QList<QByteArray>{"a\r\nb\r\n"} << QStringList{"E:a", "E:b"} << crlf;
    QTest::newRow("line across chunks")
        << QList<QByteArray>{"abc", "def\n"} << QStringList{"B:abc", "E:abcdef"} << lf;
    QTest::newRow("CR LF split between chunks")
        << QList<QByteArray>{"one\r", "\ntwo\n"} << QStringList{"E:one", "E:two"} << lf;
    QTest::newRow("progress rewrites with CR")
        << QList<QByteArray>{"P [ 1]\rP [ 2]\r"} << QStringList{"E:P [ 1]", "E:P [ 2]"} << lf;
    QTest::newRow("empty lines") << QList<QByteArray>{"\r\n\r\n"} << QStringList{"E:", "E:"} << crlf;
    QTest::newRow("NUL bytes dropped")
        << QList<QByteArray>{QByteArray("a\0b\n\0", 5)} << QStringList{"E:ab"} << lf;
    QTest::newRow("tail without line end")
        << QList<QByteArray>{"x\ntail"} << QStringList{"E:x", "B:tail", "B:tail"} << lf;
    QTest::newRow("LF after CR only at the chunk start")
        << QList<QByteArray>{"a\r", "b\n"} << QStringList{"E:a", "E:b"} << lf;
    QTest::newRow("LF first without CR before")
        << QList<QByteArray>{"a\n", "\nb\n"} << QStringList{"E:a", "E:", "E:b"} << lf;
    QTest::newRow("LF CR is two ends") << QList<QByteArray>{"a\n\rb\r\n"} << QStringList{"E:a", "E:", "E:b"} << crlf;
    QTest::newRow("last end decides")
        << QList<QByteArray>{"a\r\nb\n"} << QStringList{"E:a", "E:b"} << lf;
    QTest::newRow("partial grows")
        << QList<QByteArray>{"Parser  ", "\rParser   [  10]", "\rParser   [  20]   0:00\n"}
        << QStringList{"B:Parser  ", "E:Parser  ", "B:Parser   [  10]", "E:Parser   [  10]", "E:Parser   [  20]   0:00"}
        << lf;
    QTest::newRow("bell characters pass") << QList<QByteArray>{"\a\a\a\n**** x ****\n"}
                                          << QStringList{"E:\a\a\a", "E:**** x ****"} << lf;
    QTest::newRow("nothing") << QList<QByteArray>{} << QStringList{} << crlf;
}

void tst_DosLineCutter::cut()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QStringList, expected);
    QFETCH(int, returnCode);
    TReturnCode actualCode;
    QCOMPARE(CutAll(chunks, &actualCode), expected);
    QCOMPARE(int(actualCode), returnCode);
}

void tst_DosLineCutter::stopDropsRestOfChunk()
{
    TDosLineCutter cutter;
    QStringList deliveries;
    const bool completed = cutter.Cut("one\ntwo\nthree", [&deliveries](const QString &line, TOutputType) {
        deliveries.append(line);
        return deliveries.size() < 1;
    });
    QVERIFY(!completed);
    QCOMPARE(deliveries, QStringList{QStringLiteral("one")});
    QCOMPARE(cutter.Pending(), QByteArray());
}

void tst_DosLineCutter::splitUtf8Character()
{
    // "ł" is C5 82: its first byte ends one chunk.
    QCOMPARE(CutAll({"Za ma\xc5", "\x82o\n"}), QStringList({"B:Za ma", "E:Za mało"}));
    // Bytes that are not UTF-8 are read as Latin-1.
    QCOMPARE(CutAll({"caf\xe9\n"}), QStringList({"E:caf\u00e9"}));
}

QTEST_APPLESS_MAIN(tst_DosLineCutter)
#include "tst_DosLineCutter.moc"
