#pragma once

#include "startup/StartupMarks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>

#include <chrono>
#include <cstdio>

// Measures the start: from the beginning of main to the end of the main
// window's first paint, its children included, printed in milliseconds, with
// the monotonic clock of the paint in seconds (a benchmark that launched the
// program reads the same clock), then the start's marks, one line per step;
// then the application ends.
class StartupClock : public QObject {
public:
    StartupClock()
    {
        clock_.start();
        aisset::startup::mark("main");
    }

    void watch(QObject *window) { window->installEventFilter(this); }

protected:
    // The window's paint event comes before its children paint and before the
    // picture reaches the screen; the paint is complete when the event loop
    // next runs, so that is when the clock stops: first thing, before the work
    // the window queued for after its first paint.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painting_) {
            painting_ = true;
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return QObject::eventFilter(watched, event);
    }
    void customEvent(QEvent *) override { painted(); }

private:
    void painted()
    {
        aisset::startup::mark("first paint");
        const double paintedAt =
            std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
        std::printf("startup: %lld ms to the first paint of the window; painted at %.6f s\n",
                    static_cast<long long>(clock_.elapsed()), paintedAt);
        aisset::startup::Marks::instance().print(stdout);
        QCoreApplication::quit();
    }

    QElapsedTimer clock_;
    bool painting_ = false;
};
