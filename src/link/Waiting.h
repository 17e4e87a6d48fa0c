#pragma once

#include <QEventLoop>
#include <QtGlobal>

namespace aisset {

// WaitSeconds: waits until the wall clock, read in whole seconds, has moved on by
// n seconds, so a wait of 1 lasts more than 0 and at most 1 second. The event
// loop runs meanwhile (the receive path works inside the wait) and the thread
// sleeps between events.
void waitSeconds(int n);

// Milliseconds from nowMs (since the epoch) until that deadline.
qint64 msUntilSecondsPassed(qint64 nowMs, int n);

// Runs the event loop for the given time, sleeping between events.
void runEventLoopFor(qint64 ms);

// Runs the event loop until something has happened or the time is up: for
// callers outside the window that wait for the unit (the command-line tool,
// tests). finish() may be called before run(); run() then returns at once.
class EventWait {
public:
    template <typename Sender, typename Signal>
    void finishOn(const Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, &loop_, [this] { finish(); });
    }
    void finish()
    {
        finished_ = true;
        loop_.quit();
    }
    // True when finished, false when the time ran out first.
    bool run(qint64 timeoutMs);

private:
    QEventLoop loop_;
    bool finished_ = false;
};

} // namespace aisset
