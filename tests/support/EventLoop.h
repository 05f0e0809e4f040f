#pragma once

// Runs a real event loop, the kind that waits for events: only such a loop
// tells the application it is idle, which QTest::qWait never does.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

// Spins until the condition holds or the time is up; returns the condition.
inline bool RunEventLoopUntil(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return condition();
}

inline void RunEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
