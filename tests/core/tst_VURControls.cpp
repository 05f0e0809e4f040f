#include "VURColors.h"
#include "VURControls.h"
#include "VURLang.h"

#include <QTest>

using namespace VURColors;

class tst_VURControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void colorNames();
    void colorBoxEntries();
    void translateColorBox();
    void selection();
    void colors_data();
    void colors();
};

void tst_VURControls::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VURControls::colorNames()
{
    QCOMPARE(ColorNames().size(), 53);
    QCOMPARE(ColorNames().first().first, QStringLiteral("Custom..."));
    QCOMPARE(ColorName(QStringLiteral("clMaroon")), QStringLiteral("<PLK>Ciemnoczerwony<ENU>Maroon"));
    QCOMPARE(ColorName(QStringLiteral("clUnknown")), QString());
    // Every named colour of the colour box has a name.
    for (const TVURNamedColor &color : NamedColors())
        QVERIFY2(!ColorName(color.identifier).isEmpty(), qPrintable(color.identifier));
}

void tst_VURControls::colorBoxEntries()
{
    TVURColorBox box;
    QCOMPARE(box.count(), 53);
    QCOMPARE(box.itemText(0), QStringLiteral("Custom..."));
    QCOMPARE(box.itemText(1), QStringLiteral("clBlack"));
    QCOMPARE(box.Identifier(2), QStringLiteral("clMaroon"));
    QVERIFY(!box.itemIcon(2).isNull());
}

void tst_VURControls::translateColorBox()
{
    TVURColorBox box;
    box.addItem(QStringLiteral("clNotNamed"));
    TranslateColorBox(&box);
    QCOMPARE(box.itemText(0), QStringLiteral("Custom..."));
    QCOMPARE(box.itemText(2), QStringLiteral("Maroon"));
    QCOMPARE(box.itemText(box.count() - 1), QStringLiteral("clNotNamed"));
    // Named again after a change of language, from the identifier.
    LangManager()->SetLanguage(QStringLiteral("plk"));
    TranslateColorBox(&box);
    QCOMPARE(box.itemText(0), QStringLiteral("Własny..."));
    QCOMPARE(box.itemText(2), QStringLiteral("Ciemnoczerwony"));
}

void tst_VURControls::selection()
{
    TVURColorBox box;
    box.SetSelected(clMaroon);
    QCOMPARE(box.Identifier(box.currentIndex()), QStringLiteral("clMaroon"));
    QCOMPARE(box.Selected(), clMaroon);
    box.SetSelected(clWindowText);
    QCOMPARE(box.Identifier(box.currentIndex()), QStringLiteral("clWindowText"));
    // A colour without an entry is the custom one.
    box.SetSelected(0x123456);
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(box.Selected(), TVURColor(0x123456));
}

void tst_VURControls::colors_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("expected");
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    QTest::newRow("maroon is 0x000080") << quint32(0x000080) << QColor(128, 0, 0);
    QTest::newRow("blue is 0xFF0000") << quint32(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("window background") << quint32(0xFF000005) << QColor(1, 2, 3);
    QTest::newRow("window text") << quint32(0xFF000008) << QColor(4, 5, 6);
    QTest::newRow("none") << quint32(clNone) << QColor();
    QTest::newRow("unknown system colour") << quint32(0xFF0000EE) << QColor();
}

void tst_VURControls::colors()
{
    QFETCH(quint32, value);
    QFETCH(QColor, expected);
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    QCOMPARE(ToQColor(value, palette), expected);
    if (expected.isValid() && !IsSystemColor(value))
        QCOMPARE(FromQColor(expected), TVURColor(value));
    QCOMPARE(ColorIdentifier(0x000080), QStringLiteral("clMaroon"));
}

QTEST_MAIN(tst_VURControls)
#include "tst_VURControls.moc"
