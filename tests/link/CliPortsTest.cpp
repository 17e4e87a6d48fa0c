// "aisset-cli ports" against pseudo-terminals named as port numbers through
// AISSET_PORT_<n>: the virtual unit is found with its MMSI, a silent line is
// not taken for it, and the exit code tells whether exactly one unit answered.
#include "VirtualUnit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct PortsRun {
    int exitCode = -1;
    QString out;
    QString err;
    qint64 ms = 0;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
    // The listed port of that number; empty when it is not listed.
    QJsonObject port(int number) const
    {
        for (const QJsonValue &p : json().value(u"ports"_s).toArray())
            if (p.toObject().value(u"port"_s).toInt() == number)
                return p.toObject();
        return {};
    }
};

// Only the given port numbers name a device: every other one is set empty, so
// the machine's own serial devices stay out of the test.
PortsRun ports(const std::map<int, QString> &devices, const QStringList &args)
{
    static QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, home.path());
    for (int n = 1; n <= 16; ++n)
        env.insert(u"AISSET_PORT_%1"_s.arg(n), devices.count(n) ? devices.at(n) : QString());
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral(AISSET_CLI_PATH), QStringList{u"ports"_s} + args + QStringList{u"--store"_s, home.path()});
    EXPECT_TRUE(p.waitForFinished(20000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError()),
            clock.elapsed()};
}

// Gives the unit an MMSI of its own, written as an installer would.
void setMmsi(const QString &device, const QByteArray &mmsi)
{
    static QTemporaryDir store;
    QProcess p;
    p.start(QStringLiteral(AISSET_CLI_PATH),
            {u"write"_s, u"ownship"_s, u"--port"_s, device, u"--store"_s, store.path()});
    p.write(
        R"({"crewCount":"25","callSign":"BXYZ9","shipType":"70","draught":"8.5","mmsi":")" + mmsi +
        R"(","shipName":"HAI XING 7","antennaA":"100","antennaB":"20","antennaC":"5","antennaD":"7","epfdType":"1"})");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(10000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

TEST(CliPorts, ListsTheNamedPortsWithoutTryingThem)
{
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const PortsRun run = ports({{3, unit.path()}, {5, u"/dev/aisset-no-such-device"_s}}, {u"--json"_s});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject three = run.port(3);
    EXPECT_EQ(three.value(u"device"_s).toString(), unit.path());
    EXPECT_TRUE(three.value(u"present"_s).toBool());
    EXPECT_TRUE(three.value(u"canOpen"_s).toBool());
    EXPECT_TRUE(three.value(u"heldBy"_s).isNull());
    EXPECT_FALSE(three.contains(u"find"_s));
    EXPECT_FALSE(run.port(5).value(u"present"_s).toBool(true));
    EXPECT_TRUE(run.port(1).isEmpty()); // names no device
    // Listing alone sends the unit nothing.
    EXPECT_TRUE(unit.log().filter(u"< "_s).isEmpty());
}

TEST(CliPorts, FindMarksTheAnsweringPortAsTheUnitWithItsMmsi)
{
    aisset::test::VirtualUnit unit({});
    aisset::test::VirtualUnit silent({u"--silent"_s});
    ASSERT_FALSE(unit.path().isEmpty());
    ASSERT_FALSE(silent.path().isEmpty());
    setMmsi(unit.path(), "412345678");

    const PortsRun run = ports({{2, silent.path()}, {4, unit.path()}}, {u"--find"_s, u"--json"_s});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject found = run.port(4).value(u"find"_s).toObject();
    EXPECT_EQ(found.value(u"result"_s).toString(), u"unit"_s);
    EXPECT_EQ(found.value(u"mmsi"_s).toString(), u"412345678"_s);
    EXPECT_EQ(run.port(2).value(u"find"_s).toObject().value(u"result"_s).toString(), u"silent"_s);
    EXPECT_LT(run.ms, 10000);

    const PortsRun text = ports({{4, unit.path()}}, {u"--find"_s});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains(u"find: the unit, MMSI 412345678"_s)) << text.out.toStdString();
}

TEST(CliPorts, TheExitCodeSaysWhetherExactlyOneUnitAnswered)
{
    aisset::test::VirtualUnit first({});
    aisset::test::VirtualUnit second({});
    aisset::test::VirtualUnit silent({u"--silent"_s});
    const struct {
        std::map<int, QString> devices;
        int exitCode;
    } cases[] = {
        {{{1, silent.path()}}, 3},
        {{}, 3},
        {{{1, first.path()}, {2, second.path()}}, 6},
    };
    for (const auto &c : cases) {
        const PortsRun run = ports(c.devices, {u"--find"_s});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.out.toStdString() << run.err.toStdString();
        EXPECT_LT(run.ms, 10000);
    }
}

TEST(CliPorts, APortLockedByAnotherProgramIsHeldAndNotTried)
{
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    QSerialPort other(unit.path());
    ASSERT_TRUE(other.open(QIODevice::ReadWrite)) << other.errorString().toStdString();

    const PortsRun run = ports({{1, unit.path()}}, {u"--find"_s, u"--json"_s});
    const QJsonObject one = run.port(1);
    if (one.value(u"heldBy"_s).isNull())
        GTEST_SKIP() << "the serial port library left no lock file on this system";
    EXPECT_EQ(one.value(u"heldBy"_s).toObject().value(u"pid"_s).toInteger(), QCoreApplication::applicationPid());
    EXPECT_EQ(one.value(u"find"_s).toObject().value(u"result"_s).toString(), u"not-tried"_s);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(unit.log().filter(u"< "_s).isEmpty());
}

// A search that runs out of time before the last ports has not shown that no
// unit is there: it names the ports it left and exits with a code of its own.
TEST(CliPorts, ASearchOutOfTimeNamesThePortsLeftUntried)
{
    std::vector<std::unique_ptr<aisset::test::VirtualUnit>> silent;
    std::map<int, QString> devices;
    for (int n = 1; n <= 10; ++n) {
        silent.push_back(std::make_unique<aisset::test::VirtualUnit>(QStringList{u"--silent"_s}));
        ASSERT_FALSE(silent.back()->path().isEmpty());
        devices[n] = silent.back()->path();
    }
    const PortsRun run = ports(devices, {u"--find"_s});
    EXPECT_EQ(run.exitCode, 7) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"not all ports tried: Com"_s)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"-Com10\n"_s)) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(u"Com1-"_s)) << run.err.toStdString();
}

} // namespace
