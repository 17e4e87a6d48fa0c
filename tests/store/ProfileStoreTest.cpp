#include "store/ProfileStore.h"
#include "LeftLockFiles.h"
#include "StoreFixture.h"
#include "store/FileBackend.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#endif

#include <gtest/gtest.h>

namespace aisset::test {
namespace {

using namespace Qt::StringLiterals;

const QString kApp = u"VARID"_s;
const QString kShip = u"412345678"_s;

using ProfileStoreTest = StoreFixture;

TEST_F(ProfileStoreTest, ValuesSurviveOnDiskExactly)
{
    const QString values[] = {
        u"海星七号 渔船"_s,
        u""_s,
        u"412345678,413000001,414000002"_s,
        u"  leading and trailing blanks  "_s,
        u"a=b==c"_s,
        u"two\nlines\r\nand CR\r"_s,
        u"C:\\WINDOWS\\system32\\green.skn"_s,
        u"\\n is not a line break"_s,
        u"@Variant(not a variant)"_s,
        u"\"quoted\"; # not a comment"_s,
        u"[General]"_s,
        u"_8.5米"_s,
    };
    int i = 0;
    for (const QString &value : values)
        expectSaved(store_.save(kApp, kShip, u"键%1"_s.arg(i++), value));
    ProfileStore &copy = reopenedCopy();
    i = 0;
    for (const QString &value : values)
        EXPECT_EQ(copy.read(kApp, kShip, u"键%1"_s.arg(i++), u"absent"_s), value);
}

TEST_F(ProfileStoreTest, AbsentKeyReadsTheDefaultAndEmptyValueIsNotAbsent)
{
    EXPECT_EQ(store_.read(kApp, u"content"_s, u"fname"_s, u"0"_s), u"0");
    expectSaved(store_.save(kApp, u"content"_s, u"skin"_s, QString()));
    EXPECT_EQ(reopenedCopy().read(kApp, u"content"_s, u"skin"_s, u"0"_s), u"");
}

struct NameCase {
    const char16_t *application, *section, *key;
};

TEST_F(ProfileStoreTest, NamesCompareWithoutRegardToCase)
{
    const NameCase spellings[] = {
        {u"VARID", u"CONTENT", u"NN"},
        {u"varid", u"content", u"nn"},
        {u"Varid", u"Content", u"Nn"},
        {u"vArId", u"cOnTeNt", u"nN"},
    };
    expectSaved(store_.save(u"VARID"_s, u"CONTENT"_s, u"NN"_s, u"Two Ships"_s));
    expectSaved(store_.save(u"VARID"_s, u"CONTENT"_s, u"Commport"_s, u"3"_s));
    for (ProfileStore *store : {&store_, &reopenedCopy()}) {
        for (const NameCase &n : spellings) {
            SCOPED_TRACE(QString::fromUtf16(n.section).toStdString());
            EXPECT_EQ(store->read(QString::fromUtf16(n.application), QString::fromUtf16(n.section),
                                  QString::fromUtf16(n.key), u"0"_s),
                      u"Two Ships");
        }
        EXPECT_EQ(store->read(u"varid"_s, u"content"_s, u"commport"_s, u"0"_s), u"3");
    }
    // Saving under another spelling overwrites the same key.
    expectSaved(store_.save(u"varid"_s, u"content"_s, u"nn"_s, u"x"_s));
    EXPECT_EQ(store_.read(kApp, u"CONTENT"_s, u"NN"_s, u"0"_s), u"x");
}

// Names that look alike to a file system or in a "key=value" line but are
// different names for the store.
TEST_F(ProfileStoreTest, DistinctNamesStayDistinct)
{
    const QString names[] = {
        u"a/b"_s, u"a%2Fb"_s, u"a\\b"_s,      u"a//b"_s, u"/a"_s,  u"a"_s,    u"a."_s,    u"a~"_s,
        u".."_s,  u"."_s,     u"_________"_s, u"a=b"_s,  u"a b"_s, u"船名"_s, u"船名 "_s,
    };
    for (const QString &name : names) {
        expectSaved(store_.save(kApp, name, u"k"_s, u"section "_s + name));
        expectSaved(store_.save(kApp, u"s"_s, name, u"key "_s + name));
    }
    ProfileStore &copy = reopenedCopy();
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(copy.read(kApp, name, u"k"_s, {}), u"section "_s + name);
        EXPECT_EQ(copy.read(kApp, u"s"_s, name, {}), u"key "_s + name);
    }
}

TEST_F(ProfileStoreTest, EverySectionIsOneFileInsideTheRoot)
{
    const QString hostile[] = {u".."_s, u"../escape"_s, u"/etc/x"_s, u"_________"_s, u"内容"_s};
    for (const QString &section : hostile)
        expectSaved(store_.save(kApp, section, u"k"_s, u"v"_s));
    expectSaved(store_.save(kApp, u"CONTENT"_s, u"FNAME"_s, kShip));
    expectSaved(store_.save(u"varid"_s, kShip, u"MMSI"_s, kShip));
    expectSaved(store_.save(u"varid"_s, kShip, u"IMO"_s, u"_________"_s));

    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"store"_s});
    const QStringList expected = {
        u"varid/%2E%2E%2Fescape.ini"_s, u"varid/%2E%2E.ini"_s,
        u"varid/%2Fetc%2Fx.ini"_s,      u"varid/%E5%86%85%E5%AE%B9.ini"_s,
        u"varid/412345678.ini"_s,       u"varid/_________.ini"_s,
        u"varid/content.ini"_s,
    };
    EXPECT_EQ(storedFiles(), expected);
}

TEST_F(ProfileStoreTest, RemoveDeletesOneKeyOnly)
{
    expectSaved(store_.saveMany(kApp, u"content"_s, {{u"fname"_s, kShip}, {u"nn"_s, u"1"_s}, {u"skin"_s, u"no"_s}}));
    expectSaved(store_.remove(u"Varid"_s, u"CONTENT"_s, u"FNAME"_s));
    expectSaved(store_.remove(kApp, u"content"_s, u"not stored"_s));
    expectSaved(store_.remove(kApp, u"content"_s, QString())); // must not empty the section
    expectSaved(store_.remove(kApp, u"no such section"_s, u"fname"_s));
    EXPECT_EQ(storedFiles(), QStringList{u"varid/content.ini"_s});
    ProfileStore &copy = reopenedCopy();
    EXPECT_EQ(copy.read(kApp, u"content"_s, u"fname"_s, u"0"_s), u"0");
    EXPECT_EQ(copy.read(kApp, u"content"_s, u"nn"_s, u"0"_s), u"1");
    EXPECT_EQ(copy.read(kApp, u"content"_s, u"skin"_s, u"0"_s), u"no");
}

TEST_F(ProfileStoreTest, ManyKeysAreSavedAndReadInOrder)
{
    expectSaved(store_.saveMany(kApp, kShip,
                                {{u"呼号"_s, u"BXYZ9__"_s}, {u"船名"_s, u"HAI XING 7"_s}, {u"呼号"_s, u"BXYZ8__"_s}}));
    EXPECT_EQ(store_.readMany(kApp, kShip, {u"船名"_s, u"absent"_s, u"呼号"_s}, u"-"_s),
              (QStringList{u"HAI XING 7"_s, u"-"_s, u"BXYZ8__"_s}));
}

// Damaged files and unusable places: nothing crashes, reads give what survives or
// the default, and a save that cannot happen is skipped.
TEST_F(ProfileStoreTest, DamagedFileKeepsItsReadableLines)
{
    const QString path = sectionFilePath(root(), kApp, kShip);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    static const char kGarbage[] = "\x00\xff\xfe garbage without separator\n"
                                   "=no key\n"
                                   "mmsi=412345678\r\n"
                                   "\x81\x82\x83=\xc0\n"
                                   "\\";
    file.write(kGarbage, sizeof kGarbage - 1);
    file.close();

    EXPECT_EQ(store_.read(kApp, kShip, u"MMSI"_s, u"0"_s), kShip);
    EXPECT_EQ(store_.read(kApp, kShip, u"IMO"_s, u"0"_s), u"0");
    expectSaved(store_.save(kApp, kShip, u"IMO"_s, u"009123456"_s));
    ProfileStore &copy = reopenedCopy();
    EXPECT_EQ(copy.read(kApp, kShip, u"IMO"_s, u"0"_s), u"009123456");
    EXPECT_EQ(copy.read(kApp, kShip, u"MMSI"_s, u"0"_s), kShip);
}

TEST_F(ProfileStoreTest, EmptyFileReadsDefaultsAndTakesSaves)
{
    const QString path = sectionFilePath(root(), kApp, u"content"_s);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(store_.read(kApp, u"content"_s, u"nn"_s, u"0"_s), u"0");
    expectSaved(store_.save(kApp, u"content"_s, u"nn"_s, u"1"_s));
    EXPECT_EQ(reopenedCopy().read(kApp, u"content"_s, u"nn"_s, u"0"_s), u"1");
}

TEST_F(ProfileStoreTest, UnusablePlacesSkipSavesAndReadDefaults)
{
    // The section's file is taken by a folder.
    QDir().mkpath(sectionFilePath(root(), kApp, kShip));
    EXPECT_EQ(store_.save(kApp, kShip, u"MMSI"_s, kShip), SaveResult::Failed);
    EXPECT_EQ(store_.remove(kApp, kShip, u"MMSI"_s), SaveResult::Failed);
    EXPECT_EQ(store_.read(kApp, kShip, u"MMSI"_s, u"0"_s), u"0");

    // The store's root is a file, so no folder can be made.
    const QString fileRoot = dir_.path() + u"/plain-file"_s;
    QFile blocker(fileRoot);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProfileStore blocked(fileRoot);
    EXPECT_EQ(blocked.save(kApp, u"content"_s, u"nn"_s, u"1"_s), SaveResult::Failed);
    EXPECT_EQ(blocked.read(kApp, u"content"_s, u"nn"_s, u"0"_s), u"0");
    EXPECT_TRUE(QFileInfo(fileRoot).isFile());
}

// The lock file every saving takes: a live holder makes a saving fail after its
// wait, while a file that names no process (empty: a process killed between
// creating the lock and writing its id into it; or garbage) is taken over once
// it is old enough to be no live holder's, and a fresh one is waited for, not
// removed at once.
TEST_F(ProfileStoreTest, AHeldLockFailsTheSavingAndOneNamingNoProcessIsTakenOver)
{
    const QString lockPath = root() + u"/store.lock"_s;
    ASSERT_TRUE(QDir().mkpath(root()));
    {
        QLockFile held(lockPath);
        ASSERT_TRUE(held.tryLock(0));
        EXPECT_EQ(store_.save(kApp, kShip, u"MMSI"_s, kShip), SaveResult::Failed);
    }

    for (const NamelessLock &left : kNamelessLocks) {
        for (const int ageMs : {5000, 0}) {
            SCOPED_TRACE(::testing::Message() << left.what << ", " << ageMs << " ms old");
            leaveLockFile(lockPath, left.content, ageMs);
            QElapsedTimer waited;
            waited.start();
            expectSaved(store_.save(kApp, kShip, u"MMSI"_s, kShip));
            if (ageMs == 0) {
                EXPECT_GE(waited.elapsed(), 900) << "a fresh lock file may be a holder that is writing its id";
            }
            EXPECT_FALSE(QFileInfo::exists(lockPath));
        }
    }
}

#ifdef Q_OS_LINUX
// Writes larger than the process's file size limit fail part-way, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(ProfileStoreTest, WriteCutShortByFullDiskKeepsOldSectionAndIsForgotten)
{
    expectSaved(store_.saveMany(kApp, kShip, {{u"船名"_s, u"HAI XING 7"_s}, {u"MMSI"_s, kShip}}));
    const QString path = sectionFilePath(root(), kApp, kShip);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = before.readAll();
    before.close();

    {
        FileSizeLimit limit(1024);
        EXPECT_EQ(store_.save(kApp, kShip, u"船名"_s, QString(4000, u'X')), SaveResult::Failed);
    }
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), oldBytes);
    EXPECT_EQ(store_.read(kApp, kShip, u"船名"_s, {}), u"HAI XING 7");

    // The failed value must not ride along with a later save either.
    expectSaved(store_.save(kApp, kShip, u"IMO"_s, u"009123456"_s));
    ProfileStore &copy = reopenedCopy();
    EXPECT_EQ(copy.read(kApp, kShip, u"船名"_s, {}), u"HAI XING 7");
    EXPECT_EQ(copy.read(kApp, kShip, u"IMO"_s, {}), u"009123456");
}
#endif

// A failed saving says why, as values the window and the command line put
// into words: the system's error number by its meaning, a file where the
// store's folder should be, the process that holds the lock.
TEST(StoreFailureTest, TheSystemsErrorsStandForTheirReasons)
{
    const struct {
        int error;
        StoreFailureReason reason;
    } cases[] = {
        {EROFS, StoreFailureReason::ReadOnly},     {EACCES, StoreFailureReason::ReadOnly},
        {EPERM, StoreFailureReason::ReadOnly},     {ENOSPC, StoreFailureReason::NoSpace},
        {EDQUOT, StoreFailureReason::NoSpace},     {EFBIG, StoreFailureReason::NoSpace},
        {ENOTDIR, StoreFailureReason::NotAFolder}, {EIO, StoreFailureReason::Unknown},
        {0, StoreFailureReason::Unknown},
    };
    for (const auto &c : cases)
        EXPECT_EQ(reasonOfSystemError(c.error), c.reason) << c.error;
}

TEST_F(ProfileStoreTest, AFailedSavingSaysWhy)
{
    // The store's folder is a file.
    const QString fileRoot = dir_.path() + u"/plain-file"_s;
    QFile blocker(fileRoot);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProfileStore blocked(fileRoot + u"/below"_s);
    EXPECT_EQ(blocked.save(kApp, u"content"_s, u"nn"_s, u"1"_s), SaveResult::Failed);
    EXPECT_EQ(blocked.lastFailure().reason, StoreFailureReason::NotAFolder);
    EXPECT_EQ(blocked.lastFailure().detail, fileRoot);

    // Another holder keeps the lock.
    ASSERT_TRUE(QDir().mkpath(root()));
    {
        QLockFile held(root() + u"/store.lock"_s);
        ASSERT_TRUE(held.tryLock(0));
        EXPECT_EQ(store_.save(kApp, kShip, u"MMSI"_s, kShip), SaveResult::Failed);
        EXPECT_EQ(store_.lastFailure().reason, StoreFailureReason::LockHeld);
        EXPECT_EQ(store_.lastFailure().lockHolder, QCoreApplication::applicationPid());
    }

#ifdef Q_OS_LINUX
    // The file outgrows what the system lets it have, as on a full disk.
    FileSizeLimit limit(1024);
    EXPECT_EQ(store_.save(kApp, kShip, u"船名"_s, QString(4000, u'X')), SaveResult::Failed);
    EXPECT_EQ(store_.lastFailure().reason, StoreFailureReason::NoSpace);
    EXPECT_FALSE(store_.lastFailure().detail.isEmpty());
#endif
}

#ifdef Q_OS_LINUX
TEST_F(ProfileStoreTest, UserStoreLivesInTheConfigurationFolder)
{
    const QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    {
        ProfileStore user;
        expectSaved(user.save(u"VARID"_s, u"CONTENT"_s, u"Commport"_s, u"5"_s));
    }
    if (oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
    EXPECT_TRUE(QFileInfo::exists(dir_.path() + u"/aisset/varid/content.ini"_s));
}
#endif

} // namespace
} // namespace aisset::test
