#pragma once

#include <QString>

// Message boxes; texts and titles are bilingual literals. Flag values and
// answers follow the classic message-box constants.
namespace VURMessageBox {
enum Flags : unsigned {
    OK = 0x00,
    OKCancel = 0x01,
    YesNoCancel = 0x03,
    YesNo = 0x04,
    IconError = 0x10,
    IconQuestion = 0x20,
    IconExclamation = 0x30,
    IconInformation = 0x40,
};
enum Answer : int { IdOK = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };
} // namespace VURMessageBox

// Shows a modal box owned by the active window and returns the answer.
int ShowMessageBox(const QString &text, const QString &title, unsigned flags);
int ShowError(const QString &text);
int AskYesNoCancel(const QString &text);
int AskYesNo(const QString &text);

// A text as a widget shows it: CR LF and lone CR become line feeds.
QString DisplayText(const QString &text);
