#pragma once

#include "model/StoreFailure.h"

#include <QString>

namespace aisset {

// The reason a system error number (errno) stands for.
StoreFailureReason reasonOfSystemError(int error);

// Why writing at `path` failed with the system error `error`: a file where a
// folder of the path should be comes first, as the system names that in
// several ways (ENOTDIR, EEXIST).
StoreFailure failureAt(const QString &path, int error);

} // namespace aisset
