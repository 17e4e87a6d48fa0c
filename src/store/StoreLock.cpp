#include "StoreLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace aisset {

namespace {
using namespace std::chrono_literals;
// A saving holds the lock for milliseconds. A lock this old belongs to a holder
// that hangs, or that died before it could write its process id into the file.
constexpr auto kStaleAfter = 10s;
constexpr qint64 kLongestPauseMs = 16;
} // namespace

StoreLock::StoreLock(const QString &path) : path_(path), file_(path)
{
    file_.setStaleLockTime(kStaleAfter);
}

bool StoreLock::lock(std::chrono::milliseconds patience)
{
    if (!QDir().mkpath(QFileInfo(path_).path()))
        return false;
    const QDeadlineTimer deadline(patience);
    qint64 pauseMs = 1;
    // The wait sleeps instead of running the event loop: it sits inside a saving,
    // and events handled there could start another saving of the same store.
    // Short pauses that double keep a brief hold by another process cheap.
    while (!file_.tryLock(0)) {
        if (file_.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(std::min({pauseMs, kLongestPauseMs, std::max<qint64>(deadline.remainingTime(), 1)}));
        pauseMs *= 2;
    }
    return true;
}

} // namespace aisset
