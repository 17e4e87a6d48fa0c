// "aisset-cli ports --pin N DEVICE" and "--unpin N" with pseudo-terminals as the
// adapters and links in a temporary folder standing in for /dev/serial/by-id
// (named as the by-id folder in the port mapping file). And the held-by check,
// which finds a lock whichever name the device was opened under.
#include "VirtualUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject port(int number) const
    {
        const QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
        for (const QJsonValue &p : json.value(u"ports"_s).toArray())
            if (p.toObject().value(u"port"_s).toInt() == number)
                return p.toObject();
        return {};
    }
};

// A user's configuration folder with a port mapping file that names a by-id
// folder of its own, and the tool run with it (the environment names no port).
class Installer {
public:
    Installer()
    {
        EXPECT_TRUE(QDir().mkpath(byId()));
        EXPECT_TRUE(QDir().mkpath(home_.filePath(u"aisset"_s)));
        writeConf("# the bench\nby-id = " + byId().toUtf8() + "\n");
    }

    QString byId() const { return home_.filePath(u"by-id"_s); }
    QString confPath() const { return home_.filePath(u"aisset/ports.conf"_s); }
    QString conf() const
    {
        QFile file(confPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void writeConf(const QByteArray &text) const
    {
        QFile file(confPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The adapter's by-id link, pointing at its device of the moment.
    QString plugIn(const QString &name, const QString &device) const
    {
        const QString link = byId() + u'/' + name;
        QFile::remove(link);
        EXPECT_TRUE(QFile::link(device, link));
        return link;
    }

    CliRun cli(const QStringList &args) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, home_.path());
        for (int n = 1; n <= 16; ++n)
            env.remove(u"AISSET_PORT_%1"_s.arg(n));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{u"--store"_s, home_.path()});
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

private:
    QTemporaryDir home_;
};

const QString kAdapter = u"usb-Aisset_Unit_0001-if00-port0"_s;

TEST(CliPin, APinnedAdapterIsFoundAgainUnderANewKernelNameUntilUnpinned)
{
    Installer installer;
    auto unit = std::make_unique<aisset::test::VirtualUnit>(QStringList{});
    ASSERT_FALSE(unit->path().isEmpty());
    const QString link = installer.plugIn(kAdapter, unit->path());
    const QString before = installer.conf();

    // Pinned by the device's kernel name, written by its stable one.
    const CliRun pinned = installer.cli({u"ports"_s, u"--pin"_s, u"3"_s, unit->path()});
    ASSERT_EQ(pinned.exitCode, 0) << pinned.err.toStdString();
    EXPECT_EQ(pinned.out, u"Com3 = %1\n"_s.arg(link));
    EXPECT_EQ(installer.conf(), before + u"3 = "_s + link + u'\n');
    const CliRun listed = installer.cli({u"ports"_s, u"--json"_s});
    EXPECT_EQ(listed.port(3).value(u"device"_s).toString(), link);
    EXPECT_TRUE(listed.port(3).value(u"present"_s).toBool());
    EXPECT_EQ(listed.port(3).value(u"byId"_s).toArray(), QJsonArray{link});

    // Unplugged, and plugged in again as another device: port 3 still reaches it.
    unit.reset();
    aisset::test::VirtualUnit again({});
    ASSERT_FALSE(again.path().isEmpty());
    installer.plugIn(kAdapter, again.path());
    const CliRun read = installer.cli({u"read"_s, u"--port"_s, u"3"_s});
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(again.log().filter(u"< $CVRSE"_s).size(), 1);
    // Pinned again to the same adapter: still one line for port 3.
    ASSERT_EQ(installer.cli({u"ports"_s, u"--pin"_s, u"3"_s, again.path()}).exitCode, 0);
    EXPECT_EQ(installer.conf(), before + u"3 = "_s + link + u'\n');

    const CliRun unpinned = installer.cli({u"ports"_s, u"--unpin"_s, u"3"_s});
    EXPECT_EQ(unpinned.exitCode, 0) << unpinned.err.toStdString();
    EXPECT_EQ(unpinned.out, u"Com3 unpinned\n"_s);
    EXPECT_EQ(installer.conf(), before);
    EXPECT_NE(installer.cli({u"ports"_s, u"--json"_s}).port(3).value(u"device"_s).toString(), link);
    EXPECT_EQ(installer.cli({u"ports"_s, u"--unpin"_s, u"3"_s}).out, u"Com3 was not pinned\n"_s);
}

TEST(CliPin, OnlyASerialDeviceIsPinnedAndOneWithoutStableNameByItsOwnName)
{
    Installer installer;
    QTemporaryDir other;
    const QString before = installer.conf();
    const struct {
        QStringList args;
        QString said;
    } refused[] = {
        {{u"--pin"_s, u"2"_s, u"/dev/null"_s}, u"/dev/null is not a serial device"_s},
        {{u"--pin"_s, u"2"_s, u"/etc/passwd"_s}, u"/etc/passwd is not a serial device"_s},
        {{u"--pin"_s, u"2"_s, other.path()}, u"is not a serial device"_s},
        {{u"--pin"_s, u"2"_s, u"/dev/aisset-no-such-device"_s}, u"is not a serial device"_s},
        {{u"--pin"_s, u"17"_s, u"/dev/null"_s}, u"--pin takes a port number from 1 to 16"_s},
        {{u"--pin"_s, u"2"_s}, u"takes the device"_s},
        {{u"--unpin"_s, u"0"_s}, u"--unpin takes a port number"_s},
        {{u"--pin"_s, u"2"_s, u"--find"_s, u"/dev/null"_s}, u"without --find"_s},
    };
    for (const auto &c : refused) {
        const CliRun run = installer.cli(QStringList{u"ports"_s} + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.said)) << run.err.toStdString();
    }
    EXPECT_EQ(installer.conf(), before);

    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const CliRun plain = installer.cli({u"ports"_s, u"--pin"_s, u"2"_s, unit.path()});
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.contains(u"has no stable name"_s)) << plain.err.toStdString();
    EXPECT_EQ(installer.conf(), before + u"2 = "_s + unit.path() + u'\n');
}

// QSerialPort names its lock after the name it opened: a lock taken through the
// by-id link holds the device listed by its kernel name, and the other way round.
TEST(CliPin, ALockIsFoundWhicheverNameTheDeviceWasOpenedUnder)
{
    Installer installer;
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const QString link = installer.plugIn(kAdapter, unit.path());
    const struct {
        QString openedAs;
        QString mappedAs;
    } cases[] = {{unit.path(), unit.path()}, {link, unit.path()}, {unit.path(), link}};
    for (const auto &c : cases) {
        QSerialPort other(c.openedAs);
        ASSERT_TRUE(other.open(QIODevice::ReadWrite)) << other.errorString().toStdString();
        installer.writeConf("by-id = " + installer.byId().toUtf8() + "\n1 = " + c.mappedAs.toUtf8() + "\n");
        const CliRun run = installer.cli({u"ports"_s, u"--json"_s});
        const QJsonValue held = run.port(1).value(u"heldBy"_s);
        if (held.isNull() && c.mappedAs == c.openedAs)
            GTEST_SKIP() << "the serial port library left no lock file on this system";
        EXPECT_EQ(held.toObject().value(u"pid"_s).toInteger(), QCoreApplication::applicationPid())
            << c.openedAs.toStdString() << " listed as " << c.mappedAs.toStdString();
    }
}

} // namespace
