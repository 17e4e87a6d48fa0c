// Runs the command-line tool as a user would and checks its output and exit codes.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Outcome {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

class Cli : public testing::Test {
protected:
    // Runs the tool on the test's own store, or on the store folder given.
    Outcome run(const QStringList &args, const QByteArray &input, const std::optional<QString> &store = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{QStringLiteral("--store"), store.value_or(home.path())});
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    QTemporaryDir home;
};

const QByteArray kWorkedExample =
    R"j({"crewCount":"25","callSign":"BXYZ9","shipType":"70(货船)","draught":"8.5","mmsi":"412345678",
        "imoNumber":"009123456","shipName":"HAI XING 7","antennaA":"100","antennaB":"20",
        "antennaC":"5","antennaD":"5","epfdType":"1"})j";

TEST_F(Cli, EncodeOwnShipPrintsTheSentenceByteForByte)
{
    const Outcome r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, kWorkedExample);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("$CVUIS,0025BXYZ9  70085412345678009123456HAI XING 7          10002005051*34\r\n"));
}

TEST_F(Cli, EncodeSystemAndFactoryGiveTheirWorkedExamples)
{
    Outcome r = run({QStringLiteral("encode"), QStringLiteral("system")}, "{}");
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("$CVSYS,208720880505M[M\"*16\r\n"));
    r = run({QStringLiteral("encode"), QStringLiteral("factory")},
            R"j({"factoryDate":"090817","machineNumber":"12345","powerOnTime":"120","vendorNumber":"AB12"})j");
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("$CVEFS,0908170000123450120AB12   *7C\r\n"));
}

TEST_F(Cli, EverySuccessfulEncodeIsSavedAndListed)
{
    ASSERT_EQ(run({QStringLiteral("encode"), QStringLiteral("ownship")}, kWorkedExample).exitCode, 0);
    ASSERT_EQ(run({QStringLiteral("encode"), QStringLiteral("system")}, R"j({"mmsi":"412345678"})j").exitCode, 0);
    ASSERT_EQ(run({QStringLiteral("encode"), QStringLiteral("ownship")}, R"j({"mmsi":"1234"})j").exitCode, 1);
    Outcome r = run({QStringLiteral("records")}, {});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("412345678\n"));
    r = run({QStringLiteral("records"), QStringLiteral("show"), QStringLiteral("412345678")}, {});
    EXPECT_EQ(r.exitCode, 0);
    const QString json = QString::fromUtf8(r.out);
    EXPECT_TRUE(json.contains(u"\"吃水\": \"_8.5米\""_qs)) << r.out.constData();
    EXPECT_TRUE(json.contains(u"\"AIS频道1\": \"2087(161.9750)MHz\""_qs));
    EXPECT_EQ(run({QStringLiteral("records"), QStringLiteral("show"), QStringLiteral("999999999")}, {}).exitCode, 1);
}

TEST_F(Cli, EncodeCarriesChineseAsGbkBytes)
{
    QByteArray input = kWorkedExample;
    input.replace("HAI XING 7", "海星7");
    const Outcome r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, input);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains(QByteArray("\xba\xa3\xd0\xc7" "7                 100")));
}

TEST_F(Cli, RefusalNamesTheFailingField)
{
    const Outcome r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, R"j({"mmsi":"1234"})j");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(r.err).trimmed(), QStringLiteral("有错误,请检查数据 mmsi"));
}

TEST_F(Cli, JsonOutputCarriesSentenceOrErrorAndTrace)
{
    Outcome r = run({QStringLiteral("encode"), QStringLiteral("ownship"), QStringLiteral("--json")}, kWorkedExample);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(R"j("sentence": "$CVUIS,0025)j"));
    EXPECT_TRUE(r.out.contains(R"j(*34Chr(13)Chr(10)")j"));
    r = run({QStringLiteral("encode"), QStringLiteral("ownship"), QStringLiteral("--json")}, R"j({"shipType":""})j");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains(R"j("field": "draught")j"));
}

TEST_F(Cli, BadInputIsAUsageError)
{
    const std::pair<QStringList, QByteArray> cases[] = {
        {{QStringLiteral("encode"), QStringLiteral("ownship")}, "{not json"},
        {{QStringLiteral("encode"), QStringLiteral("ownship")}, R"j({"colour":"red"})j"},
        {{QStringLiteral("encode"), QStringLiteral("ownship")}, R"j({"mmsi":"12AB"})j"},
        {{QStringLiteral("encode"), QStringLiteral("ownship")}, R"j([1,2])j"},
        {{QStringLiteral("encode"), QStringLiteral("boat")}, "{}"},
        {{QStringLiteral("fly")}, "{}"},
    };
    for (const auto &[args, input] : cases) {
        const Outcome r = run(args, input);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString() << " " << input.constData();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

// A build whose values cannot be saved still gives its sentence, and says where
// the store could not be written with its own exit code.
TEST_F(Cli, ASavingThatFailedIsSaidAndEndsWithExitCode5)
{
    const QString blocked = home.path() + QStringLiteral("/a file, not a folder");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const Outcome r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, kWorkedExample, blocked);
    EXPECT_EQ(r.exitCode, 5);
    EXPECT_TRUE(r.out.startsWith("$CVUIS,")) << r.out.constData();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(blocked)) << r.err.constData();
    // A refused build saves nothing, so it stays a refusal.
    EXPECT_EQ(run({QStringLiteral("encode"), QStringLiteral("ownship")}, R"j({"mmsi":"1234"})j", blocked).exitCode, 1);
}

TEST_F(Cli, AnEmptyStoreFolderIsAUsageError)
{
    const Outcome r = run({QStringLiteral("records")}, {}, QString());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(r.err.isEmpty());
}

} // namespace
