// "aisset-cli write" and "aisset-cli read" run as an installer runs them,
// against the virtual unit.
#include "VirtualUnit.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

CliRun cli(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(AISSET_CLI_PATH), args);
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(10000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

const QByteArray kOwnShip = R"({"crewCount":"25","callSign":"BXYZ9","shipType":"70","draught":"8.5",
    "mmsi":"412345678","shipName":"HAI XING 7","antennaA":"100","antennaB":"20","antennaC":"5",
    "antennaD":"7","epfdType":"1"})";

TEST(CliOverPty, WriteIsAcknowledgedAndReadGivesTheValuesBack)
{
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const CliRun writeRun = cli({u"write"_qs, u"ownship"_qs, u"--port"_qs, unit.path()}, kOwnShip);
    EXPECT_EQ(writeRun.exitCode, 0) << writeRun.err.toStdString();
    EXPECT_EQ(writeRun.out, u"本船资料设置成功\n"_qs);

    const CliRun readRun = cli({u"read"_qs, u"--port"_qs, unit.path(), u"--json"_qs});
    EXPECT_EQ(readRun.exitCode, 0) << readRun.err.toStdString();
    const QJsonObject json = readRun.json();
    EXPECT_EQ(json.value(u"result"_qs).toInt(-1), 0);
    EXPECT_EQ(json.value(u"status"_qs).toString(), u"读取成功"_qs);
    EXPECT_EQ(json.value(u"shipSize"_qs).toString(), u"船长:120米   船宽:12米"_qs);
    EXPECT_EQ(json.value(u"fields"_qs).toObject().value(u"mmsi"_qs).toString(), u"412345678"_qs);
    EXPECT_EQ(json.value(u"fields"_qs).toObject().value(u"shipType"_qs).toString(), u"70(货船)"_qs);
}

TEST(CliOverPty, ARefusedBuildSendsNothingAndExitsWithOne)
{
    aisset::test::VirtualUnit unit({});
    const CliRun writeRun = cli({u"write"_qs, u"ownship"_qs, u"--port"_qs, unit.path()}, R"({"mmsi":"4123"})");
    EXPECT_EQ(writeRun.exitCode, 1);
    EXPECT_TRUE(writeRun.err.contains(u"有错误,请检查数据"_qs));
    // The unit's first sentence is the read that follows.
    EXPECT_EQ(cli({u"read"_qs, u"--port"_qs, unit.path()}).exitCode, 0);
    EXPECT_EQ(unit.log().filter(u"< "_qs), QStringList{u"< $CVRSE,*7D"_qs});
}

TEST(CliOverPty, NoAnswerOrNoPortExitsWithThree)
{
    aisset::test::VirtualUnit silent({u"--silent"_qs});
    const CliRun writeRun = cli({u"write"_qs, u"system"_qs, u"--port"_qs, silent.path(), u"--timeout"_qs, u"0.3"_qs});
    EXPECT_EQ(writeRun.exitCode, 3);
    EXPECT_TRUE(writeRun.err.contains(u"no acknowledgement"_qs)) << writeRun.err.toStdString();
    const CliRun readRun = cli({u"read"_qs, u"--port"_qs, silent.path(), u"--timeout"_qs, u"0.3"_qs});
    EXPECT_EQ(readRun.exitCode, 3);

    const CliRun missing = cli({u"read"_qs, u"--port"_qs, u"/dev/aisset-no-such-device"_qs});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.startsWith(u"通讯口1  无效"_qs)) << missing.err.toStdString();
}

TEST(CliOverPty, AnUndecodableReplyEndsTheReadWithOne)
{
    aisset::test::VirtualUnit unit({u"--corrupt-reply"_qs});
    const CliRun readRun = cli({u"read"_qs, u"--port"_qs, unit.path(), u"--json"_qs});
    EXPECT_EQ(readRun.exitCode, 1);
    EXPECT_EQ(readRun.json().value(u"status"_qs).toString(), u"读取数据错误"_qs);
    EXPECT_EQ(readRun.json().value(u"result"_qs).toInt(-1), 1);
}

} // namespace
