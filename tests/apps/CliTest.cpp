// Runs the command-line tool as a user would and checks its output and exit codes.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

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
        p.start(QStringLiteral(AISSET_CLI_PATH),
                args + QStringList{QStringLiteral("--store"), store.value_or(home.path())});
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
    EXPECT_TRUE(json.contains(u"\"吃水\": \"_8.5米\""_s)) << r.out.constData();
    EXPECT_TRUE(json.contains(u"\"AIS频道1\": \"2087(161.9750)MHz\""_s));
    EXPECT_EQ(run({QStringLiteral("records"), QStringLiteral("show"), QStringLiteral("999999999")}, {}).exitCode, 1);
}

// A value the window's field could not end up holding is refused before the
// form is built: exit 2 naming the field and the character, no record saved, no
// port opened (the write's port does not exist, which would be exit 3).
TEST_F(Cli, ValuesTheWindowCannotHoldAreRefusedBeforeAnythingIsSavedOrSent)
{
    const struct {
        QByteArray form;
        QString error;
    } cases[] = {
        {R"j({"mmsi":"412345678","shipName":"X\r\n$CVUIS,ZZ"})j",
         u"field \"shipName\" cannot hold the character U+000D"_s},
        {R"j({"mmsi":"412345678","shipName":"海星七号"})j",
         u"field \"shipName\" cannot hold the character \"海\" (U+6D77)"_s},
        {R"j({"mmsi":"412345678","shipName":"A\u0000B"})j", u"field \"shipName\" cannot hold the character U+0000"_s},
        {R"j({"mmsi":"412345678","callSign":"BX~9"})j",
         u"field \"callSign\" cannot hold the character \"~\" (U+007E)"_s},
        {R"j({"mmsi":"412345678","vendorNumber":"编号"})j",
         u"field \"vendorNumber\" cannot hold the character \"编\" (U+7F16)"_s},
        {R"j({"mmsi":"412345678","shipType":"70\u001b[2J"})j",
         u"field \"shipType\" cannot hold the character U+001B"_s},
        {R"j({"mmsi":"4123\t45678"})j", u"field \"mmsi\" cannot hold the character U+0009"_s},
    };
    for (const auto &c : cases) {
        for (const QString &command : {u"encode"_s, u"write"_s}) {
            QStringList args{command, QStringLiteral("ownship")};
            if (command == u"write")
                args << QStringLiteral("--port") << home.path() + u"/none"_s;
            const Outcome r = run(args, c.form);
            EXPECT_EQ(r.exitCode, 2) << c.form.constData() << " " << r.err.constData();
            EXPECT_EQ(QString::fromUtf8(r.err).trimmed(), c.error);
            EXPECT_TRUE(r.out.isEmpty());
        }
    }
    EXPECT_EQ(run({QStringLiteral("records")}, {}).out, QByteArray());
}

TEST_F(Cli, LowerCaseLettersAreUpperCasedNotRefused)
{
    const Outcome r =
        run({QStringLiteral("encode"), QStringLiteral("factory")},
            R"j({"factoryDate":"090817","machineNumber":"12345","powerOnTime":"120","vendorNumber":"ab12"})j");
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("$CVEFS,0908170000123450120AB12   *7C\r\n"));
}

// A refused value is echoed cut to a readable length, its control characters escaped.
TEST_F(Cli, RefusedValuesAreEchoedShortAndEscaped)
{
    const QByteArray longValue = "{\"mmsi\":\"" + QByteArray(1 << 19, '1') + "\"}";
    Outcome r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, longValue);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_LT(r.err.size(), 200) << r.err.left(300).constData();
    EXPECT_TRUE(r.err.contains("... (524288 characters)")) << r.err.left(300).constData();
    r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, QByteArray(2 << 20, ' '));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("the input is longer than 1048576 bytes")) << r.err.constData();

    r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, R"j({"draught":"\u001b]0;x\u0007"})j");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(r.err.contains('\x1b'));
    EXPECT_TRUE(r.err.contains("cannot hold the character U+001B")) << r.err.constData();
    r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, "{\"sh\\u001bip\":\"1\"}");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(R"(unknown field "sh\eip")")) << r.err.constData();
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

// Warnings tell about values a ship should not carry, and never refuse.
TEST_F(Cli, CheckAndEncodeWarnButNeverRefuse)
{
    const QByteArray doubtful = R"j({"mmsi":"200123456","imoNumber":"009123456","shipType":"70","draught":"0",
        "antennaA":"0","antennaB":"0","antennaC":"5","antennaD":"5"})j";
    const auto codes = [](const QByteArray &json) {
        QStringList out;
        for (const QJsonValue &w : QJsonDocument::fromJson(json).object().value(u"warnings"_s).toArray())
            out << w[u"field"_s].toString() + u':' + w[u"code"_s].toString();
        return out;
    };
    const QStringList expected{u"mmsi:mid-unknown"_s, u"imoNumber:imo-check-digit"_s, u"antennaA:no-ship-size"_s,
                               u"draught:draught-not-available"_s};

    Outcome r = run({QStringLiteral("check"), QStringLiteral("--json")}, doubtful);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(codes(r.out), expected);
    r = run({QStringLiteral("check")}, doubtful);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(r.out).startsWith(
        u"mmsi: mid-unknown: MMSI的前三位200不是国际电联分配的海上识别数字(MID)\n"_s));

    r = run({QStringLiteral("encode"), QStringLiteral("ownship"), QStringLiteral("--json")}, doubtful);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(codes(r.out), expected);
    r = run({QStringLiteral("encode"), QStringLiteral("system"), QStringLiteral("--json")}, doubtful);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(QJsonDocument::fromJson(r.out).object().value(u"warnings"_s).isArray());
    EXPECT_EQ(codes(r.out), QStringList()); // the system page has no fields these checks judge

    r = run({QStringLiteral("check"), QStringLiteral("--json")}, kWorkedExample);
    EXPECT_EQ(codes(r.out), QStringList{u"imoNumber:imo-check-digit"_s});
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

// The warning of a failed saving says why, after its usual words: the store's
// folder is a file, or another process holds the store's lock (named by its id).
TEST_F(Cli, AFailedSavingSaysWhy)
{
    const QString blocked = home.path() + QStringLiteral("/plain");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString locked = home.path() + QStringLiteral("/locked");
    ASSERT_TRUE(QDir().mkpath(locked));
    QLockFile held(locked + QStringLiteral("/store.lock"));
    ASSERT_TRUE(held.tryLock(0));

    const struct {
        QString store;
        QString why;
    } cases[] = {
        {blocked + QStringLiteral("/below"), QStringLiteral(": %1 is not a folder").arg(blocked)},
        {locked, QStringLiteral(": its lock is held by process %1").arg(QCoreApplication::applicationPid())},
    };
    for (const auto &c : cases) {
        const Outcome r = run({QStringLiteral("encode"), QStringLiteral("ownship")}, kWorkedExample, c.store);
        EXPECT_EQ(r.exitCode, 5) << c.store.toStdString();
        const QString said = QString::fromUtf8(r.err);
        EXPECT_TRUE(said.startsWith(QStringLiteral("warning: the values were not saved in the profile store %1%2")
                                        .arg(c.store, c.why)))
            << said.toStdString();
    }
}

TEST_F(Cli, AnEmptyStoreFolderIsAUsageError)
{
    const Outcome r = run({QStringLiteral("records")}, {}, QString());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(r.err.isEmpty());
}

} // namespace
