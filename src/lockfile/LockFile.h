#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>
#include <optional>

namespace aisset {

// A lock file shared between processes (the store's lock, the window's single
// instance), with one rule for what a holder leaves behind when it dies:
// - a lock naming a process that is gone is taken over at once (QLockFile);
// - a lock whose content names no process at all (empty, unreadable, not a
//   process id) is taken over once it is a second old. A holder writes its id
//   right after creating the file, so such a file of that age belongs to a
//   process killed in between, or to something else that wrote there;
// - a lock of a live process is respected, unless it is older than
//   `staleAfter` (a holder that hangs; 0: never taken over).
class LockFile {
public:
    LockFile(const QString &path, std::chrono::milliseconds staleAfter);

    // Takes the lock, waiting at most `patience` for another holder to let go
    // (0: one try).
    bool lock(std::chrono::milliseconds patience);
    void unlock() { file_.unlock(); }
    // Why the last lock() failed: LockFailedError when another holder has it.
    QLockFile::LockError error() const { return file_.error(); }
    // The process that holds the lock, after lock() failed because another
    // holder has it; none when the file names none.
    std::optional<qint64> holder() const;

private:
    bool tryTakeOver();
    void removeIfNamingNoProcess();

    QString path_;
    QLockFile file_;
};

} // namespace aisset
