#pragma once

// Records the text of every message box that opens and closes it with OK,
// while the object lives.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class MessageBoxRecorder
{
public:
    MessageBoxRecorder()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                texts.append(box->text());
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start(20);
    }
    QStringList texts;

private:
    QTimer m_timer;
};
