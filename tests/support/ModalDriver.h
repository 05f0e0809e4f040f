#pragma once

// Answers the next modal window (a message box, a file dialog) the way a
// user would: a timer looks for it while the code under test waits in its
// modal loop.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalDriver
{
public:
    // act gets the modal window once it is shown, and is called once.
    explicit ModalDriver(std::function<void(QWidget *)> act)
        : m_act(std::move(act))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || m_done)
                return;
            m_done = true;
            m_timer.stop();
            m_act(modal);
        });
        m_timer.start(20);
    }

    bool Done() const { return m_done; }

private:
    std::function<void(QWidget *)> m_act;
    QTimer m_timer;
    bool m_done = false;
};
