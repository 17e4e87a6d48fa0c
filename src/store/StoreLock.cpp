#include "store/StoreLock.h"

namespace aisset {

namespace {
using namespace std::chrono_literals;
// A saving holds the lock for milliseconds. A lock this old belongs to a holder
// that hangs.
constexpr auto kStaleAfter = 10s;
} // namespace

StoreLock::StoreLock(const QString &path) : LockFile(path, kStaleAfter) {}

} // namespace aisset
