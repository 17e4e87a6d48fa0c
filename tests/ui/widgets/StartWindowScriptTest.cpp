// scripts/start-window.sh, as run.sh runs it: without a unit it starts the
// virtual unit and runs the window against it, storing nothing; with a port
// named it runs the window alone. The window quits after its first paint
// (--measure-startup), on the offscreen platform.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Processes whose command line mentions text.
QStringList processesMentioning(const QString &text)
{
    QStringList found;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly) && QString::fromLocal8Bit(cmdline.readAll()).contains(text))
            found.append(pid);
    }
    return found;
}

// Every file of the settings folder, with its contents.
QString storedSettings(const QString &folder)
{
    QString all;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            all += file.fileName() + u'\n' + QString::fromUtf8(file.readAll());
    }
    return all;
}

TEST(StartWindowScript, StartsTheVirtualUnitOnlyWithoutAUnitAndStoresNoPort)
{
    const struct {
        const char *name;
        const char *virtualUnit; // AISSET_VIRTUAL_UNIT
        bool portNamed;          // AISSET_PORT_3 set
        bool expectUnit;
    } cases[] = {
        {"no unit", "yes", false, true},
        {"port named in the environment", "", true, false},
    };
    for (const auto &c : cases) {
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &key : env.keys())
            if (key.startsWith(QStringLiteral("AISSET_PORT_")) || key == u"DISPLAY" || key == u"WAYLAND_DISPLAY")
                env.remove(key);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("TMPDIR"), home.path()); // the unit's working folder, to find it by
        env.insert(QStringLiteral("AISSET_BUILD_DIR"), QStringLiteral(AISSET_BUILD_DIR));
        env.insert(QStringLiteral("AISSET_VIRTUAL_UNIT"), QString::fromLatin1(c.virtualUnit));
        if (c.portNamed)
            env.insert(QStringLiteral("AISSET_PORT_3"), home.filePath(QStringLiteral("no-such-device")));

        QProcess script;
        script.setProcessEnvironment(env);
        script.start(QStringLiteral(AISSET_SOURCE_DIR "/scripts/start-window.sh"),
                     {QStringLiteral("--measure-startup")});
        ASSERT_TRUE(script.waitForFinished(30000)) << c.name;
        const QString out = QString::fromLocal8Bit(script.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(script.readAllStandardError());
        EXPECT_EQ(script.exitCode(), 0) << c.name << "\n" << err.toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("to the first paint of the window"))) << c.name << out.toStdString();
        EXPECT_EQ(err.contains(QStringLiteral("the virtual unit answers on /dev/pts/")), c.expectUnit)
            << c.name << "\n"
            << err.toStdString();
        EXPECT_EQ(processesMentioning(home.path()), QStringList()) << c.name << ": the virtual unit still runs";
        EXPECT_FALSE(storedSettings(home.filePath(QStringLiteral("config")))
                         .contains(QStringLiteral("Commport"), Qt::CaseInsensitive))
            << c.name;
    }
}

} // namespace
