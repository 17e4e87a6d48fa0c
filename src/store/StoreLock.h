#pragma once

#include "lockfile/LockFile.h"

#include <QString>

namespace aisset {

// The lock that every process using one profile store (the window, each run of
// the command line) holds around a read-modify-write of it, so that two savings
// at the same moment cannot lose each other's names or keys. What a dead holder
// left behind is taken over by the rule of LockFile.
class StoreLock : public LockFile {
public:
    explicit StoreLock(const QString &path);
};

} // namespace aisset
