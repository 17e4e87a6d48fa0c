#pragma once

#include <QString>

namespace aisset {

// Why a saving did not reach the profile store, as values: the window and the
// command line put them into their own words.
enum class StoreFailureReason {
    Unknown,    // the system's words in `detail`, when it gave any
    ReadOnly,   // the folder or its disk may not be written
    NoSpace,    // the disk (or the user's quota) is full
    LockHeld,   // another process kept the store's lock too long
    NotAFolder, // the store's folder, or one above it, is a file
};

struct StoreFailure {
    StoreFailureReason reason = StoreFailureReason::Unknown;
    qint64 lockHolder = 0; // the process that holds the lock (LockHeld), 0 when unknown
    QString detail;        // the system's words for the error; the file in the way (NotAFolder)

    bool operator==(const StoreFailure &) const = default;
};

} // namespace aisset
