#include "lockfile/LockFile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace aisset {

namespace {
// Time enough for a live holder to write its id into the file it just created.
constexpr qint64 kNoIdStaleAfterMs = 1000;
constexpr qint64 kLongestPauseMs = 16;

bool namesNoProcessAndIsOld(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.lastModified().msecsTo(QDateTime::currentDateTime()) <= kNoIdStaleAfterMs)
        return false;
    qint64 pid = 0;
    QString host;
    QString application;
    // Reads the file as another lock object would: false for an empty or
    // unreadable file and for one whose first line is no process id.
    return !QLockFile(path).getLockInfo(&pid, &host, &application);
}
} // namespace

LockFile::LockFile(const QString &path, std::chrono::milliseconds staleAfter) : path_(path), file_(path)
{
    file_.setStaleLockTime(staleAfter);
}

void LockFile::removeIfNamingNoProcess()
{
    if (!namesNoProcessAndIsOld(path_))
        return;
    // Two waiters could both find the same file; the one that removes it holds
    // this second lock, and looks again under it, so it cannot remove the fresh
    // lock of a process that replaced the old one meanwhile.
    QLockFile removing(path_ + QStringLiteral(".rmlock"));
    if (removing.tryLock(0) && namesNoProcessAndIsOld(path_))
        QFile::remove(path_);
}

bool LockFile::tryTakeOver()
{
    if (file_.tryLock(0))
        return true;
    if (file_.error() != QLockFile::LockFailedError)
        return false;
    removeIfNamingNoProcess();
    return file_.tryLock(0);
}

std::optional<qint64> LockFile::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (file_.error() != QLockFile::LockFailedError || !file_.getLockInfo(&pid, &host, &application) || pid <= 0)
        return std::nullopt;
    return pid;
}

bool LockFile::lock(std::chrono::milliseconds patience)
{
    if (!QDir().mkpath(QFileInfo(path_).path()))
        return false;
    const QDeadlineTimer deadline(patience);
    qint64 pauseMs = 1;
    // The wait sleeps instead of running the event loop: the store's lock is
    // taken inside a saving, and events handled there could start another
    // saving of the same store. Short pauses that double keep a brief hold by
    // another process cheap.
    while (!tryTakeOver()) {
        if (file_.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(std::min(pauseMs, std::max<qint64>(deadline.remainingTime(), 1)));
        pauseMs = std::min(pauseMs * 2, kLongestPauseMs);
    }
    return true;
}

} // namespace aisset
