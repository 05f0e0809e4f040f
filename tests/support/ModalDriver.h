#pragma once

// Answers the next modal window (a message box, a file dialog) the way a
// user would: a timer looks for it while the code under test waits in its
// modal loop.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>

class ModalDriver
{
public:
    // act gets the modal window once it is shown. When act returns bool,
    // false means "not the window I wait for" and the driver keeps looking;
    // otherwise the first modal window is the one.
    template<typename Act>
    explicit ModalDriver(Act act)
    {
        if constexpr (std::is_same_v<std::invoke_result_t<Act, QWidget *>, bool>)
            m_act = act;
        else
            m_act = [act](QWidget *modal) {
                act(modal);
                return true;
            };
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || m_done || modal == m_declined)
                return;
            if (m_act(modal)) {
                m_done = true;
                m_timer.stop();
            } else {
                m_declined = modal;
            }
        });
        m_timer.start(20);
    }

    bool Done() const { return m_done; }

private:
    std::function<bool(QWidget *)> m_act;
    QTimer m_timer;
    QWidget *m_declined = nullptr;
    bool m_done = false;
};

// Answers the next message box that has the button by clicking it, and
// keeps its text when asked to.
inline std::unique_ptr<ModalDriver> AnswerBox(QMessageBox::StandardButton button, QString *text = nullptr)
{
    return std::make_unique<ModalDriver>([button, text](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box || !box->button(button))
            return false;
        if (text)
            *text = box->text();
        box->button(button)->click();
        return true;
    });
}
