#include "store/StoreLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace aisset {

namespace {
using namespace std::chrono_literals;
// A saving holds the lock for milliseconds. A lock this old belongs to a holder
// that hangs.
constexpr auto kStaleAfter = 10s;
// A holder writes its process id into the lock file right after creating it, so
// an empty lock file this old belongs to a process that died in between; it
// cannot be told from a live holder by its id, only by this.
constexpr qint64 kEmptyStaleAfterMs = 1000;
constexpr qint64 kLongestPauseMs = 16;

bool isOldAndEmpty(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.size() == 0 &&
           info.lastModified().msecsTo(QDateTime::currentDateTime()) > kEmptyStaleAfterMs;
}
} // namespace

StoreLock::StoreLock(const QString &path) : path_(path), file_(path) { file_.setStaleLockTime(kStaleAfter); }

void StoreLock::removeIfLeftEmpty()
{
    if (!isOldAndEmpty(path_))
        return;
    // Two waiters could both find the same empty file; the one that removes it
    // holds this second lock, and looks again under it, so it cannot remove the
    // fresh lock of a process that replaced the empty one meanwhile.
    QLockFile removing(path_ + QStringLiteral(".rmlock"));
    if (removing.tryLock(0) && isOldAndEmpty(path_))
        QFile::remove(path_);
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
        removeIfLeftEmpty();
        QThread::msleep(std::min(pauseMs, std::max<qint64>(deadline.remainingTime(), 1)));
        pauseMs = std::min(pauseMs * 2, kLongestPauseMs);
    }
    return true;
}

} // namespace aisset
