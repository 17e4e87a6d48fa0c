#include "link/Waiting.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace aisset {

qint64 msUntilSecondsPassed(qint64 nowMs, int n)
{
    const qint64 deadline = (nowMs / 1000 + n) * 1000;
    return deadline - nowMs;
}

void runEventLoopFor(qint64 ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(int(ms));
    loop.exec();
}

void waitSeconds(int n) { runEventLoopFor(msUntilSecondsPassed(QDateTime::currentMSecsSinceEpoch(), n)); }

bool EventWait::run(qint64 timeoutMs)
{
    if (finished_)
        return true;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop_, &QEventLoop::quit);
    deadline.start(int(timeoutMs));
    loop_.exec();
    return finished_;
}

} // namespace aisset
