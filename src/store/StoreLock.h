#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

namespace aisset {

// The lock that every process using one profile store (the window, each run of
// the command line) holds around a read-modify-write of it, so that two savings
// at the same moment cannot lose each other's names or keys. It is a lock file:
// one left by a process that died holding it is taken over, and so is an
// empty one left by a process that died while creating it.
class StoreLock {
public:
    explicit StoreLock(const QString &path);

    // Takes the lock, waiting at most `patience` for another holder to let go.
    bool lock(std::chrono::milliseconds patience);
    void unlock() { file_.unlock(); }

private:
    void removeIfLeftEmpty();

    QString path_;
    QLockFile file_;
};

} // namespace aisset
