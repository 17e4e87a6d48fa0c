#pragma once

#include "startup/StartupMarks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>

#include <chrono>
#include <cstdio>

// Measures the start: from the beginning of main to the first time the main
// window is painted, printed in milliseconds, with the monotonic clock of the
// paint in seconds (a benchmark that launched the program reads the same
// clock), then the start's marks, one line per step; then the application ends.
class StartupClock : public QObject {
public:
    StartupClock()
    {
        clock_.start();
        aisset::startup::mark("main");
    }

    void watch(QObject *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            aisset::startup::mark("first paint");
            const double paintedAt =
                std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
            std::printf("startup: %lld ms to the first paint of the window; painted at %.6f s\n",
                        static_cast<long long>(clock_.elapsed()), paintedAt);
            aisset::startup::Marks::instance().print(stdout);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer clock_;
    bool done_ = false;
};
