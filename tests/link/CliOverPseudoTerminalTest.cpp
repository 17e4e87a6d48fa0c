// "aisset-cli write" and "aisset-cli read" run as an installer runs them,
// against the virtual unit.
#include "VirtualUnit.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// Every run saves into a profile store of its own, never the user's.
CliRun cli(const QStringList &args, const QByteArray &input = {})
{
    static QTemporaryDir store;
    QProcess p;
    p.start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{u"--store"_s, store.path()});
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
    const CliRun writeRun = cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path()}, kOwnShip);
    EXPECT_EQ(writeRun.exitCode, 0) << writeRun.err.toStdString();
    EXPECT_EQ(writeRun.out, u"本船资料设置成功\n"_s);

    const CliRun readRun = cli({u"read"_s, u"--port"_s, unit.path(), u"--json"_s});
    EXPECT_EQ(readRun.exitCode, 0) << readRun.err.toStdString();
    const QJsonObject json = readRun.json();
    EXPECT_EQ(json.value(u"result"_s).toInt(-1), 0);
    EXPECT_EQ(json.value(u"status"_s).toString(), u"读取成功"_s);
    EXPECT_EQ(json.value(u"shipSize"_s).toString(), u"船长:120米   船宽:12米"_s);
    EXPECT_EQ(json.value(u"fields"_s).toObject().value(u"mmsi"_s).toString(), u"412345678"_s);
    EXPECT_EQ(json.value(u"fields"_s).toObject().value(u"shipType"_s).toString(), u"70(货船)"_s);
}

// The unit's reply is taken only with its checksum: a digit hit once is read
// again; a unit whose every answer fails it is still read, its values printed
// but flagged (a warning, the JSON flag, exit 8), never passed as good.
TEST(CliOverPty, ReadChecksTheRepliesChecksum)
{
    const struct {
        const char *when;
        int exitCode;
        bool matches;
        QString mmsi;
        int requests;
    } cases[] = {
        {"once", 0, true, u"412345678"_s, 2},
        {"always", 8, false, u"412345679"_s, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.when);
        aisset::test::VirtualUnit unit({u"--bad-checksum"_s, QString::fromLatin1(c.when)});
        ASSERT_FALSE(unit.path().isEmpty());
        ASSERT_EQ(cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path()}, kOwnShip).exitCode, 0);
        const CliRun json = cli({u"read"_s, u"--port"_s, unit.path(), u"--json"_s});
        EXPECT_EQ(json.exitCode, c.exitCode) << json.err.toStdString();
        EXPECT_EQ(json.json().value(u"checksumMatches"_s).toBool(!c.matches), c.matches);
        EXPECT_EQ(json.json().value(u"fields"_s).toObject().value(u"mmsi"_s).toString(), c.mmsi);
        EXPECT_EQ(json.err.contains(u"校验和不符"_s), !c.matches) << json.err.toStdString();
        EXPECT_EQ(unit.log().filter(u"< $CVRSE"_s).size(), c.requests);
        const CliRun text = cli({u"read"_s, u"--port"_s, unit.path()});
        EXPECT_EQ(text.exitCode, c.exitCode);
        EXPECT_TRUE(
            text.out.contains(u"status: "_s + (c.matches ? u"读取成功"_s : u"校验和不符:读出的数值未经确认"_s)))
            << text.out.toStdString();
    }
}

// --trace: every byte on the line, escaped, with the time to the millisecond,
// and each transaction's outcome; a write and a read append to one file.
TEST(CliOverPty, ATraceOfAWriteAndAReadShowsBothSentencesAndTheAcknowledgement)
{
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    QTemporaryDir dir;
    const QString trace = dir.filePath(u"trace.txt"_s);
    const CliRun writeRun =
        cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path(), u"--trace"_s, trace}, kOwnShip);
    EXPECT_EQ(writeRun.exitCode, 0) << writeRun.err.toStdString();
    EXPECT_EQ(writeRun.out, u"本船资料设置成功\n"_s);
    EXPECT_EQ(writeRun.err, QString()); // the trace goes into its file only
    const CliRun readRun = cli({u"read"_s, u"--port"_s, unit.path(), u"--trace"_s, trace});
    EXPECT_EQ(readRun.exitCode, 0) << readRun.err.toStdString();

    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    static const QRegularExpression stamped(uR"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} aisset\.[a-z]+ )"_s);
    QString sent;
    QString received;
    QStringList outcomes;
    for (const QString &line : lines) {
        EXPECT_TRUE(stamped.match(line).hasMatch()) << line.toStdString();
        const QString body = line.mid(24);
        if (const qsizetype at = body.indexOf(u" sent: "_s); body.startsWith(u"aisset.link "_s) && at >= 0)
            sent += body.mid(at + 7);
        if (const qsizetype at = body.indexOf(u" received: "_s); body.startsWith(u"aisset.link "_s) && at >= 0)
            received += body.mid(at + 11);
        if (body.startsWith(u"aisset.transaction "_s))
            outcomes << body.mid(19);
    }
    // Both sentences as they went out, their line ends visible.
    EXPECT_TRUE(sent.startsWith(u"$CVUIS,0025BXYZ9"_s)) << sent.toStdString();
    EXPECT_TRUE(sent.endsWith(u"$CVRSE,*7D\\r\\n"_s)) << sent.toStdString();
    EXPECT_EQ(sent.count(u"\\r\\n"_s), 2);
    // The acknowledgement, then the parameter line.
    EXPECT_TRUE(received.startsWith(u"!CVACK\\r\\n"_s)) << received.toStdString();
    EXPECT_TRUE(received.contains(u"CVSET,"_s));
    EXPECT_EQ(outcomes, (QStringList{u"own-ship write sent"_s, u"own-ship write acknowledged"_s,
                                     u"read: request sent"_s, u"read: reply decoded"_s}));
}

TEST(CliOverPty, NoTraceUnlessAskedForAndAnUnwritableTraceIsAUsageError)
{
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const CliRun plain = cli({u"read"_s, u"--port"_s, unit.path()});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_FALSE(plain.err.contains(u"aisset."_s)) << plain.err.toStdString();
    const CliRun bad = cli({u"read"_s, u"--port"_s, unit.path(), u"--trace"_s, u"/nonexistent/dir/trace.txt"_s});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(u"--trace"_s)) << bad.err.toStdString();
    EXPECT_EQ(unit.log().filter(u"< $CVRSE"_s).size(), 1); // the refused run sent nothing
}

TEST(CliOverPty, EveryGroupWrittenComesBackFromTheUnit)
{
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const QByteArray system = R"j({"mmsi":"412345678","channel1":"1088","channel2":"2287",
        "soundPromptRange":"1.0海里","lightPrompt":"关","promptVolume":"7","alarmVolume":"关闭",
        "keyBrightness":"3","lcdMode":"负显","vhfTalk":"开","dataOutput":"全部","alarmRange":"6.0海里",
        "arrivalRange":"15海里","approachDisplay":"开","alarm16":"开","aisTransmit":"开","autoRange":"开",
        "gpsOutput":"RMC","customMessage":"开","autoVhfOff":"关"})j";
    const QByteArray factory = R"j({"mmsi":"412345678","factoryDate":"090817","machineNumber":"12345",
        "powerOnTime":"120","vendorNumber":"ab12"})j";
    for (const auto &[group, form] :
         {std::pair{u"ownship"_s, kOwnShip}, {u"system"_s, system}, {u"factory"_s, factory}}) {
        const CliRun w = cli({u"write"_s, group, u"--port"_s, unit.path()}, form);
        EXPECT_EQ(w.exitCode, 0) << group.toStdString() << ": " << w.err.toStdString();
    }
    const CliRun readRun = cli({u"read"_s, u"--port"_s, unit.path(), u"--json"_s});
    ASSERT_EQ(readRun.exitCode, 0) << readRun.err.toStdString();
    const QJsonObject fields = readRun.json().value(u"fields"_s).toObject();
    const std::pair<const char16_t *, const char16_t *> expected[] = {{u"crewCount", u"0025"},
                                                                      {u"callSign", u"BXYZ9  "},
                                                                      {u"shipType", u"70(货船)"},
                                                                      {u"draught", u"08.5米"},
                                                                      {u"mmsi", u"412345678"},
                                                                      {u"imoNumber", u"000000000"},
                                                                      {u"shipName", u"HAI XING 7          "},
                                                                      {u"antennaA", u"100米"},
                                                                      {u"antennaB", u"020米"},
                                                                      {u"antennaC", u"05米"},
                                                                      {u"antennaD", u"07米"},
                                                                      {u"epfdType", u"1(GPS)"},
                                                                      {u"channel1", u"1088(157.4250)MHz"},
                                                                      {u"channel2", u"2287(161.9675)MHz"},
                                                                      {u"soundPromptRange", u"1.0海里"},
                                                                      {u"lightPrompt", u"关"},
                                                                      {u"promptVolume", u"7"},
                                                                      {u"alarmVolume", u"关闭"},
                                                                      {u"keyBrightness", u"3"},
                                                                      {u"lcdMode", u"负显"},
                                                                      {u"vhfTalk", u"开"},
                                                                      {u"dataOutput", u"全部"},
                                                                      {u"alarmRange", u"6.0海里"},
                                                                      {u"arrivalRange", u"15海里"},
                                                                      {u"approachDisplay", u"开"},
                                                                      {u"alarm16", u"开"},
                                                                      {u"aisTransmit", u"开"},
                                                                      {u"autoRange", u"开"},
                                                                      {u"gpsOutput", u"RMC"},
                                                                      {u"customMessage", u"开"},
                                                                      {u"autoVhfOff", u"关"},
                                                                      {u"factoryDate", u"09年08月17日"},
                                                                      {u"machineNumber", u"000012345"},
                                                                      {u"powerOnTime", u"0120"},
                                                                      {u"vendorNumber", u"AB12   "}};
    for (const auto &[name, text] : expected)
        EXPECT_EQ(fields.value(QString::fromUtf16(name)).toString(), QString::fromUtf16(text))
            << QString::fromUtf16(name).toStdString();
}

TEST(CliOverPty, AWriteWithWarningsIsStillWritten)
{
    aisset::test::VirtualUnit unit({});
    QByteArray form = kOwnShip;
    form.replace("412345678", "970123456");
    const CliRun w = cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path(), u"--json"_s}, form);
    EXPECT_EQ(w.exitCode, 0) << w.err.toStdString();
    EXPECT_TRUE(w.json().value(u"acknowledged"_s).toBool());
    const QJsonArray warnings = w.json().value(u"warnings"_s).toArray();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0][u"code"_s].toString(), u"not-ship-station"_s);
}

TEST(CliOverPty, ARefusedBuildSendsNothingAndExitsWithOne)
{
    aisset::test::VirtualUnit unit({});
    const CliRun writeRun = cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path()}, R"({"mmsi":"4123"})");
    EXPECT_EQ(writeRun.exitCode, 1);
    EXPECT_TRUE(writeRun.err.contains(u"有错误,请检查数据"_s));
    // The unit's first sentence is the read that follows.
    EXPECT_EQ(cli({u"read"_s, u"--port"_s, unit.path()}).exitCode, 0);
    EXPECT_EQ(unit.log().filter(u"< "_s), QStringList{u"< $CVRSE,*7D"_s});
}

TEST(CliOverPty, NoAnswerOrNoPortExitsWithThree)
{
    aisset::test::VirtualUnit silent({u"--silent"_s});
    const CliRun writeRun = cli({u"write"_s, u"system"_s, u"--port"_s, silent.path(), u"--timeout"_s, u"0.3"_s});
    EXPECT_EQ(writeRun.exitCode, 3);
    EXPECT_TRUE(writeRun.err.contains(u"no acknowledgement"_s)) << writeRun.err.toStdString();
    const CliRun readRun = cli({u"read"_s, u"--port"_s, silent.path(), u"--timeout"_s, u"0.3"_s});
    EXPECT_EQ(readRun.exitCode, 3);

    const CliRun missing = cli({u"read"_s, u"--port"_s, u"/dev/aisset-no-such-device"_s});
    EXPECT_EQ(missing.exitCode, 3);
    // A device path is named itself, not as the port number it stands in for.
    EXPECT_TRUE(missing.err.startsWith(u"/dev/aisset-no-such-device 无效"_s)) << missing.err.toStdString();
}

// The read-back after the write: the unit holds what was written (0), keeps its
// old values (4, each difference named), or acknowledges and then goes away
// before it answers the read (3).
TEST(CliOverPty, VerifyReadsTheUnitBackAndComparesEveryWrittenField)
{
    struct Case {
        QStringList faults;
        int exitCode;
        bool verified;
    };
    const Case cases[] = {
        {{}, 0, true},
        {{u"--stale"_s, u"ownship"_s}, 4, false},
        {{u"--hangup-after"_s, u"1"_s}, 3, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.faults.join(u' ').toStdString());
        aisset::test::VirtualUnit unit(c.faults);
        ASSERT_FALSE(unit.path().isEmpty());
        const CliRun run = cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path(), u"--verify"_s, u"--json"_s,
                                u"--timeout"_s, u"2"_s},
                               kOwnShip);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        const QJsonObject json = run.json();
        EXPECT_TRUE(json.value(u"acknowledged"_s).toBool());
        EXPECT_EQ(json.value(u"verified"_s).toBool(), c.verified);
        EXPECT_EQ(json.value(u"differences"_s).toArray().isEmpty(), c.exitCode != 4);
    }
}

TEST(CliOverPty, AVerifiedWriteToAStaleUnitNamesEachDifference)
{
    aisset::test::VirtualUnit unit({u"--stale"_s, u"ownship"_s});
    ASSERT_FALSE(unit.path().isEmpty());
    const CliRun json =
        cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path(), u"--verify"_s, u"--json"_s}, kOwnShip);
    ASSERT_EQ(json.exitCode, 4) << json.err.toStdString();
    // The unit still holds its blank ship of type 90 with a GPS source.
    QStringList written;
    for (const QJsonValue &d : json.json().value(u"differences"_s).toArray())
        written << d[u"field"_s].toString() + u'=' + d[u"written"_s].toString() + u'/' + d[u"unit"_s].toString();
    EXPECT_EQ(written, (QStringList{u"crewCount=0025/0000"_s, u"callSign=BXYZ9  /       "_s, u"shipType=70/90"_s,
                                    u"draught=085/000"_s, u"mmsi=412345678/000000000"_s,
                                    u"shipName=HAI XING 7          /                    "_s, u"antennaA=100/000"_s,
                                    u"antennaB=020/000"_s, u"antennaC=05/00"_s, u"antennaD=07/00"_s}));

    const CliRun text = cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path(), u"--verify"_s}, kOwnShip);
    EXPECT_EQ(text.exitCode, 4);
    EXPECT_TRUE(text.out.startsWith(u"本船资料设置成功\n设备参数与写入不符\n"_s)) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(u"mmsi: written \"412345678\", unit \"000000000\""_s)) << text.out.toStdString();
}

TEST(CliOverPty, AnUndecodableReplyEndsTheReadWithOne)
{
    aisset::test::VirtualUnit unit({u"--corrupt-reply"_s});
    const CliRun readRun = cli({u"read"_s, u"--port"_s, unit.path(), u"--json"_s});
    EXPECT_EQ(readRun.exitCode, 1);
    EXPECT_EQ(readRun.json().value(u"status"_s).toString(), u"读取数据错误"_s);
    EXPECT_EQ(readRun.json().value(u"result"_s).toInt(-1), 1);
}

// A unit that reports control characters (here an own-ship sentence written to
// it from outside the tool) cannot drive the terminal through "read".
TEST(CliOverPty, ReadPrintsTheUnitsControlCharactersEscaped)
{
    aisset::test::VirtualUnit unit({});
    const QByteArray body = "CVUIS,0025BXYZ9  70085412345678009123456\x1b[2J\x07ING 7          10002005051";
    char sum = 0;
    for (const char c : body)
        sum = char(sum ^ c);
    QFile port(unit.path());
    ASSERT_TRUE(port.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    port.write("$" + body + "*" + QByteArray::number(uchar(sum), 16).toUpper().rightJustified(2, '0') + "\r\n");
    port.close();
    const CliRun readRun = cli({u"read"_s, u"--port"_s, unit.path()});
    EXPECT_EQ(readRun.exitCode, 0) << readRun.err.toStdString();
    EXPECT_TRUE(readRun.out.contains(u"shipName: \\e[2J\\x07ING 7"_s))
        << readRun.out.toStdString() << unit.log().join(u"\n"_s).toStdString();
    EXPECT_FALSE(readRun.out.contains(QChar(0x1b))) << unit.log().join(u"\n"_s).toStdString();
}

} // namespace
