#include "startup/Startup.h"
#include "startup/DesktopPlatform.h"
#include "startup/StartupPlatform.h"
#include "LeftLockFiles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// Records every platform call; files and resources are sets the test fills.
class FakePlatform : public StartupPlatform {
public:
    void initCommonControls() override { calls.append(u"init"_s); }
    bool anotherInstanceRunning() override { return running; }
    QString systemDirectory() override { return u"C:\\WINDOWS\\system32"_s; }
    QChar separator() const override { return u'\\'; }
    bool fileExists(const QString &path) override { return files.contains(path); }
    std::optional<QByteArray> readResource(int id) override
    {
        calls.append(u"read %1"_s.arg(id));
        return resources.contains(id) ? std::optional<QByteArray>(QByteArray("bytes")) : std::nullopt;
    }
    bool writeNewFile(const QString &path, const QByteArray &) override
    {
        calls.append(u"write "_s + path);
        files.insert(path);
        return true;
    }
    void startDetached(const QString &commandLine) override { registrations.append(commandLine); }
    void showMessage(const QString &text, const QString &title) override { messages.append(title + u'|' + text); }
    void showProgress(int minimum, int maximum) override
    {
        calls.append(u"progress %1-%2"_s.arg(minimum).arg(maximum));
    }
    void setProgress(int value) override { progress.append(value); }
    void closeProgress() override { calls.append(u"close"_s); }

    bool running = false;
    QSet<QString> files;
    QSet<int> resources;
    QStringList calls, registrations, messages;
    QList<int> progress;
};

const QString kSysDir = u"C:\\WINDOWS\\system32\\"_s;

QString reg(const QString &name) { return kSysDir + u"Regsvr32 /s "_s + kSysDir + name; }

TEST(Startup, RuntimeFileTableInOrderWithResourceIds)
{
    const QStringList names{u"secur32.dll"_s,  u"msvbvm60.dll"_s, u"stdole2.tlb"_s,  u"mscomctl.ocx"_s,
                            u"msmask32.ocx"_s, u"MSCOMM32.OCX"_s, u"actskn43.ocx"_s, u"green.skn"_s};
    for (std::size_t i = 0; i < runtimeFiles().size(); ++i) {
        EXPECT_EQ(QString::fromUtf16(runtimeFiles()[i].name), names[qsizetype(i)]);
        EXPECT_EQ(runtimeFiles()[i].resourceId, 101 + int(i));
    }
}

TEST(Startup, AllFilesPresentWritesNothingAndRegistersEachInOrder)
{
    FakePlatform p;
    QStringList expected;
    for (const RuntimeFile &f : runtimeFiles()) {
        p.files.insert(kSysDir + QString::fromUtf16(f.name));
        expected.append(reg(QString::fromUtf16(f.name)));
    }
    bool loaded = false;
    QString sysDir;
    EXPECT_TRUE(Main(p, sysDir, [&] { loaded = true; }));
    EXPECT_TRUE(loaded);
    EXPECT_EQ(sysDir, kSysDir);
    EXPECT_EQ(p.registrations, expected);
    EXPECT_FALSE(p.calls.join(u',').contains(u"write"_s));
    EXPECT_EQ(p.progress, (QList<int>{0, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(p.calls.contains(u"progress 0-24"_s));
    EXPECT_EQ(p.calls.last(), u"close"_s);
}

TEST(Startup, MissingFilesAreWrittenFromTheirResourceAndRegisteredByTheRules)
{
    FakePlatform p;
    p.resources = {103, 108};
    DeployFile(p, kSysDir, u"green.skn"_s, 108);
    DeployFile(p, kSysDir, u"stdole2.tlb"_s, 103);
    DeployFile(p, kSysDir, u"extra.ocx"_s, 111);
    DeployFile(p, kSysDir, QString(), 101);
    EXPECT_EQ(p.calls, (QStringList{u"read 108"_s, u"write "_s + kSysDir + u"green.skn"_s, u"read 103"_s,
                                    u"write "_s + kSysDir + u"stdole2.tlb"_s, u"read 111"_s}));
    EXPECT_EQ(p.registrations, QStringList{reg(u"green.skn"_s)});
}

TEST(Startup, AFileWithoutBytesIsNotWrittenAsAnEmptyFile)
{
    FakePlatform p;
    DeployFile(p, kSysDir, u"mscomctl.ocx"_s, 104);
    EXPECT_FALSE(p.files.contains(kSysDir + u"mscomctl.ocx"_s));
}

TEST(Startup, ASecondInstanceShowsTheMessageWithEmptyTitleAndStops)
{
    FakePlatform p;
    p.running = true;
    bool loaded = false;
    QString sysDir;
    EXPECT_FALSE(Main(p, sysDir, [&] { loaded = true; }));
    EXPECT_FALSE(loaded);
    EXPECT_EQ(p.messages, QStringList{u"|本系统已运行中, 不得重复加载!!"_s});
    EXPECT_TRUE(p.progress.isEmpty());
}

class Desktop : public DesktopPlatform {
public:
    using DesktopPlatform::DesktopPlatform;
    void showMessage(const QString &, const QString &) override {}
    void showProgress(int, int) override {}
    void setProgress(int) override {}
    void closeProgress() override {}
};

TEST(DesktopPlatform, OneInstanceHoldsTheLockUntilItEnds)
{
    QTemporaryDir dir;
    {
        Desktop first(dir.path());
        EXPECT_FALSE(first.anotherInstanceRunning());
        Desktop second(dir.path());
        EXPECT_TRUE(second.anotherInstanceRunning());
    }
    Desktop third(dir.path());
    EXPECT_FALSE(third.anotherInstanceRunning());
}

// A lock file that names no instance (a start killed while creating it, or
// garbage) is taken over once a second old, so one leftover file cannot keep
// the window from ever starting; a fresh one may be an instance starting at the
// same moment and keeps this one out.
TEST(DesktopPlatform, ALockNamingNoInstanceIsTakenOverOnceASecondOld)
{
    for (const test::NamelessLock &left : test::kNamelessLocks) {
        for (const int ageMs : {1500, 0}) {
            SCOPED_TRACE(::testing::Message() << left.what << ", " << ageMs << " ms old");
            QTemporaryDir dir;
            test::leaveLockFile(dir.filePath(u"aisset.lock"_s), left.content, ageMs);
            Desktop start(dir.path());
            EXPECT_EQ(start.anotherInstanceRunning(), ageMs == 0);
        }
    }
}

// An instance that runs long keeps the lock: its age alone never lets a second start in.
TEST(DesktopPlatform, ALongRunningInstanceKeepsTheSecondStartOut)
{
    QTemporaryDir dir;
    Desktop first(dir.path());
    ASSERT_FALSE(first.anotherInstanceRunning());
    test::ageFile(dir.filePath(u"aisset.lock"_s), 24 * 3600 * 1000);
    Desktop second(dir.path());
    EXPECT_TRUE(second.anotherInstanceRunning());
}

// A runtime file is written where there is none, or where a write cut short on a
// full disk left 0 bytes; a file with content, edited or not, is kept.
TEST(DesktopPlatform, WritesAbsentOrEmptyFilesOnly)
{
    const struct {
        const char *what;
        std::optional<QByteArray> before;
        bool written;
    } cases[] = {
        {"absent", std::nullopt, true},
        {"empty", QByteArray(), true},
        {"edited", QByteArray("edited"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        Desktop platform(dir.path());
        const QString path = GetSysDir(platform) + u"green.skn"_s;
        EXPECT_TRUE(path.startsWith(dir.path()));
        if (c.before) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*c.before);
        }
        EXPECT_EQ(platform.fileExists(path), !c.written);
        EXPECT_EQ(platform.writeNewFile(path, "skin"), c.written);
        EXPECT_TRUE(platform.fileExists(path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.written ? QByteArray("skin") : *c.before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"green.skn"_s});
    }
}

} // namespace
