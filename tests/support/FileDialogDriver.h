#pragma once

// Answers the next file dialog as a user would: types a name (or several
// quoted names) and accepts, or cancels for an empty name.

#include "ModalDriver.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include <memory>

// Types into an open file dialog and accepts it.
inline void TypeIntoFileDialog(QFileDialog *dialog, const QString &name)
{
    // The dialog first settles on its proposed name, then takes the typed
    // one in through its own events.
    QTest::qWait(400);
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
    QTest::qWait(100);
    QMetaObject::invokeMethod(dialog, "accept");
}

inline std::unique_ptr<ModalDriver> ChooseFile(const QString &name)
{
    return std::make_unique<ModalDriver>([name](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        if (name.isEmpty())
            dialog->reject();
        else
            TypeIntoFileDialog(dialog, name);
        return true;
    });
}
