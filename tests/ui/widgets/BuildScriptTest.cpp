// scripts/build.sh, as run.sh runs it on every start: the first run configures
// and builds; a run with nothing changed configures nothing and prints nothing
// that reads like a warning or an error. A small project stands in for the tool.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString run(const QString &source, const QString &build)
{
    QProcess script;
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start(QStringLiteral(AISSET_SOURCE_DIR "/scripts/build.sh"), {source, build});
    EXPECT_TRUE(script.waitForFinished(60000));
    EXPECT_EQ(script.exitCode(), 0);
    return QString::fromLocal8Bit(script.readAll());
}

TEST(BuildScript, ConfiguresOnceThenOnlyBuilds)
{
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("source"));
    ASSERT_TRUE(QDir().mkpath(source));
    QFile lists(source + QStringLiteral("/CMakeLists.txt"));
    ASSERT_TRUE(lists.open(QIODevice::WriteOnly));
    lists.write("cmake_minimum_required(VERSION 3.20)\nproject(small NONE)\n"
                "add_custom_target(stamp ALL COMMAND ${CMAKE_COMMAND} -E touch stamp)\n");
    lists.close();
    const QString build = folder.filePath(QStringLiteral("build"));

    const QString first = run(source, build);
    EXPECT_TRUE(first.contains(QStringLiteral("Configuring done"))) << first.toStdString();
    const QString again = run(source, build);
    EXPECT_FALSE(again.contains(QStringLiteral("Configuring"))) << again.toStdString();
    for (const char *alarming : {"Could NOT", "warning", "Warning", "error", "Error"})
        EXPECT_FALSE(again.contains(QString::fromLatin1(alarming))) << again.toStdString();
}

} // namespace
