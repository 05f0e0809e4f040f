#include "ModalDriver.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

namespace {

struct Seen
{
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Records the box and presses the button with the given standard role.
ModalDriver *Answer(Seen &seen, QMessageBox::StandardButton press)
{
    return new ModalDriver([&seen, press](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons.append(button->text());
        seen.buttons.sort();
        if (press == QMessageBox::NoButton)
            box->close();
        else
            box->button(press)->click();
    });
}

} // namespace

class tst_VURMessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void boxes_data();
    void boxes();
    void lineBreaksShownAsBreaks();
};

void tst_VURMessageBoxes::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
}

void tst_VURMessageBoxes::boxes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("icon");
    QTest::newRow("error, English") << "error" << "enu" << int(QMessageBox::Ok) << 1 << "Error"
                                    << QStringList{"OK"} << int(QMessageBox::Warning);
    QTest::newRow("error, Polish") << "error" << "plk" << int(QMessageBox::Ok) << 1 << "Błąd"
                                   << QStringList{"OK"} << int(QMessageBox::Warning);
    QTest::newRow("yes/no/cancel: yes") << "ync" << "enu" << int(QMessageBox::Yes) << 6 << "Confirm"
                                        << QStringList{"&No", "&Yes", "Cancel"} << int(QMessageBox::Question);
    QTest::newRow("yes/no/cancel: no, Polish") << "ync" << "plk" << int(QMessageBox::No) << 7 << "Potwierdź"
                                               << QStringList{"&Nie", "&Tak", "Anuluj"} << int(QMessageBox::Question);
    QTest::newRow("yes/no/cancel: cancel") << "ync" << "enu" << int(QMessageBox::Cancel) << 2 << "Confirm"
                                           << QStringList{"&No", "&Yes", "Cancel"} << int(QMessageBox::Question);
    QTest::newRow("yes/no/cancel: closed") << "ync" << "enu" << int(QMessageBox::NoButton) << 2 << "Confirm"
                                           << QStringList{"&No", "&Yes", "Cancel"} << int(QMessageBox::Question);
    QTest::newRow("yes/no: no") << "yn" << "enu" << int(QMessageBox::No) << 7 << "Confirm"
                                << QStringList{"&No", "&Yes"} << int(QMessageBox::Question);
    QTest::newRow("yes/no: yes, Polish") << "yn" << "plk" << int(QMessageBox::Yes) << 6 << "Potwierdź"
                                         << QStringList{"&Nie", "&Tak"} << int(QMessageBox::Question);
}

void tst_VURMessageBoxes::boxes()
{
    QFETCH(QString, kind);
    QFETCH(QString, language);
    QFETCH(int, press);
    QFETCH(int, answer);
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    QFETCH(int, icon);
    LangManager()->SetLanguage(language);
    Seen seen;
    std::unique_ptr<ModalDriver> driver(Answer(seen, QMessageBox::StandardButton(press)));
    const QString text = QStringLiteral("<PLK>Zapisać zmiany?<ENU>Save changes?");
    int result = 0;
    if (kind == QLatin1String("error"))
        result = ShowError(text);
    else if (kind == QLatin1String("ync"))
        result = AskYesNoCancel(text);
    else
        result = AskYesNo(text);
    QCOMPARE(result, answer);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, language == QLatin1String("plk") ? QStringLiteral("Zapisać zmiany?") : QStringLiteral("Save changes?"));
    QCOMPARE(seen.buttons, buttons);
    QCOMPARE(int(seen.icon), icon);
}

void tst_VURMessageBoxes::lineBreaksShownAsBreaks()
{
    LangManager()->SetLanguage(QStringLiteral("enu"));
    Seen seen;
    std::unique_ptr<ModalDriver> driver(Answer(seen, QMessageBox::Ok));
    ShowError(QStringLiteral("<PLK>x<ENU>Program %s not found\\nin /opt/mizar/."));
    QCOMPARE(seen.text, QStringLiteral("Program %s not found\nin /opt/mizar/."));
}

QTEST_MAIN(tst_VURMessageBoxes)
#include "tst_VURMessageBoxes.moc"
