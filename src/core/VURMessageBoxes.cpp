#include "VURMessageBoxes.h"

#include "VURLang.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

QString DisplayText(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

int ShowMessageBox(const QString &text, const QString &title, unsigned flags)
{
    using namespace VURMessageBox;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    switch (flags & 0x0F) {
    case OKCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case YesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        defaultButton = QMessageBox::Yes;
        break;
    case YesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        defaultButton = QMessageBox::Yes;
        break;
    default:
        break;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & 0xF0) {
    case IconError:
        icon = QMessageBox::Critical;
        break;
    case IconQuestion:
        icon = QMessageBox::Question;
        break;
    case IconExclamation:
        icon = QMessageBox::Warning;
        break;
    case IconInformation:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox box(icon, DisplayText(TranslateText(title)), DisplayText(TranslateText(text)), buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(TranslateText(QStringLiteral("<PLK>&Tak<ENU>&Yes")));
    if (QAbstractButton *no = box.button(QMessageBox::No))
        no->setText(TranslateText(QStringLiteral("<PLK>&Nie<ENU>&No")));
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(TranslateText(QStringLiteral("<PLK>Anuluj<ENU>Cancel")));
    if (QAbstractButton *ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("OK"));
    // The answers are words; some desktop styles add pictures to them.
    for (QAbstractButton *button : box.buttons())
        button->setIcon(QIcon());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IdYes;
    case QMessageBox::No:
        return IdNo;
    case QMessageBox::Cancel:
        return IdCancel;
    default:
        // Closing a box without a Cancel button counts as its only answer.
        return (buttons & QMessageBox::Cancel) ? IdCancel : IdOK;
    }
}

int ShowError(const QString &text)
{
    return ShowMessageBox(text, QStringLiteral("<PLK>Błąd<ENU>Error"),
                          VURMessageBox::OK | VURMessageBox::IconExclamation);
}

int AskYesNoCancel(const QString &text)
{
    return ShowMessageBox(text, QStringLiteral("<PLK>Potwierdź<ENU>Confirm"),
                          VURMessageBox::YesNoCancel | VURMessageBox::IconQuestion);
}

int AskYesNo(const QString &text)
{
    return ShowMessageBox(text, QStringLiteral("<PLK>Potwierdź<ENU>Confirm"),
                          VURMessageBox::YesNo | VURMessageBox::IconQuestion);
}
