// The window program started twice: the second start shows the single-instance
// message and ends, the first runs on. Each run gets its own data and settings
// folders, and port 1 names no device, so no real port is touched.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SecondStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("AISSET_PORT_1"), home.filePath(QStringLiteral("no-such-device")));
        // The message box of a second start closes itself and reports what it showed.
        env.insert(QStringLiteral("AISSET_CLOSE_START_MESSAGE_MS"), QStringLiteral("300"));
    }
    void TearDown() override
    {
        for (QProcess *p : {&first, &third}) {
            p->kill();
            p->waitForFinished(5000);
        }
    }

    void start(QProcess &process)
    {
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(AISSET_WINDOW_PATH), QStringList());
        ASSERT_TRUE(process.waitForStarted(5000));
    }
    // An instance is up once it has deployed the skin, which comes after taking the lock.
    bool upAndRunning(QProcess &process)
    {
        const QString skin = home.filePath(QStringLiteral("data/aisset/green.skn"));
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(skin) && !clock.hasExpired(10000))
            if (process.waitForFinished(50))
                return false;
        return QFile::exists(skin) && !process.waitForFinished(500);
    }

    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess first, third;
};

TEST_F(SecondStart, ShowsTheMessageWithABlankTitleAndEndsWhileTheFirstRunsOn)
{
    start(first);
    ASSERT_TRUE(upAndRunning(first)) << first.readAllStandardError().toStdString();

    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second start did not end";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    const QString reported = QString::fromLocal8Bit(second.readAllStandardError());
    EXPECT_TRUE(
        reported.contains(QStringLiteral("message box closed: title \" \" text \"本系统已运行中, 不得重复加载!!\"")))
        << reported.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    // An instance that was killed leaves its lock file behind; the next start
    // takes the lock over and runs.
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    start(third);
    EXPECT_TRUE(upAndRunning(third));
    EXPECT_FALSE(QString::fromLocal8Bit(third.readAllStandardError()).contains(QStringLiteral("message box closed")));
}

} // namespace
