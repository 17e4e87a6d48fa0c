#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>

#include <cstdio>

// Measures the start: from the beginning of main to the first time the main
// window is painted, printed in milliseconds; then the application ends.
class StartupClock : public QObject {
public:
    StartupClock() { clock_.start(); }

    void watch(QObject *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            std::printf("startup: %lld ms to the first paint of the window\n",
                        static_cast<long long>(clock_.elapsed()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer clock_;
    bool done_ = false;
};
