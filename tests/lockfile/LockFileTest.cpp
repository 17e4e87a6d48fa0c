#include "lockfile/LockFile.h"
#include "LeftLockFiles.h"

#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

namespace aisset::test {
namespace {

using namespace std::chrono_literals;

// A lock whose file names no process is taken over once it is a second old,
// whatever else is in it; before that it may be a holder writing its id.
TEST(LockFile, ALockNamingNoProcessIsTakenOverOnceASecondOld)
{
    for (const NamelessLock &left : kNamelessLocks) {
        for (const int ageMs : {1500, 0}) {
            SCOPED_TRACE(::testing::Message() << left.what << ", " << ageMs << " ms old");
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("test.lock"));
            leaveLockFile(path, left.content, ageMs);
            LockFile lock(path, 0ms);
            const bool takenOver = ageMs > 1000;
            EXPECT_EQ(lock.lock(0ms), takenOver);
            if (!takenOver) {
                EXPECT_EQ(lock.error(), QLockFile::LockFailedError);
            }
        }
    }
}

// A lock that cannot be read names no process either. Root reads every file,
// so this case needs an ordinary account.
TEST(LockFile, AnUnreadableLockIsTakenOver)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads a file without read permission";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.lock"));
    leaveLockFile(path, QByteArray("1\n"), 1500);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    LockFile lock(path, 0ms);
    EXPECT_TRUE(lock.lock(0ms));
}

// The lock of a live process is kept however old it is.
TEST(LockFile, ALiveHoldersLockIsRespected)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.lock"));
    QLockFile holder(path);
    ASSERT_TRUE(holder.tryLock(0));
    ageFile(path, 60'000);

    LockFile second(path, 0ms);
    EXPECT_FALSE(second.lock(50ms));
    EXPECT_EQ(second.error(), QLockFile::LockFailedError);
    EXPECT_TRUE(QFileInfo::exists(path));
    holder.unlock();
    EXPECT_TRUE(second.lock(0ms)) << "taken as soon as the holder lets go";
}

} // namespace
} // namespace aisset::test
