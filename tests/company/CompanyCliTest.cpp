// aisset-cli with a company database, as installers run it: eight programs
// writing to units at once on two laptops while the server goes down and comes
// back, a refused login, and the company's listing.
#include "PostgresCluster.h"
#include "VirtualUnit.h"
#include "link/Waiting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace aisset {
namespace {

using test::PostgresCluster;

const QByteArray kOwnShip = R"({"crewCount":"25","callSign":"BXYZ9","shipType":"70","draught":"8.5",
    "mmsi":"412345678","shipName":"HAI XING 7","antennaA":"100","antennaB":"20","antennaC":"5",
    "antennaD":"7","epfdType":"1"})";

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class CompanyCli : public testing::Test {
protected:
    void SetUp() override
    {
        if (const QString missing = cluster.missing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        ASSERT_EQ(
            cluster.sql(QStringLiteral("postgres"), QStringLiteral("CREATE ROLE installer LOGIN PASSWORD 'secret'")),
            QString());
        ASSERT_EQ(cluster.sql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE fleet OWNER installer")),
                  QString());
    }

    QProcessEnvironment environment(const QString &password = QStringLiteral("secret")) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("AISSET_HISTORY_DB"),
                   cluster.url(QStringLiteral("installer"), QStringLiteral("fleet")));
        env.insert(QStringLiteral("PGPASSWORD"), password);
        return env;
    }
    std::unique_ptr<QProcess> startCli(const QStringList &args, const QString &store, const QByteArray &input = {},
                                       const QString &password = QStringLiteral("secret")) const
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(environment(password));
        p->start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{QStringLiteral("--store"), store});
        p->write(input);
        p->closeWriteChannel();
        return p;
    }
    CliRun cli(const QStringList &args, const QString &store, const QByteArray &input = {},
               const QString &password = QStringLiteral("secret")) const
    {
        const std::unique_ptr<QProcess> p = startCli(args, store, input, password);
        EXPECT_TRUE(p->waitForFinished(30000));
        return {p->exitCode(), QString::fromUtf8(p->readAllStandardOutput()),
                QString::fromUtf8(p->readAllStandardError())};
    }
    // The ids of a history listed as JSON (the local one, or the company's).
    static QStringList ids(const CliRun &run)
    {
        QStringList out;
        for (const QJsonValue &e : QJsonDocument::fromJson(run.out.toUtf8()).object().value(u"history"_s).toArray())
            out.append(e.toObject().value(u"id"_s).toString());
        return out;
    }

    PostgresCluster cluster;
};

TEST_F(CompanyCli, EightWritersWhileTheServerStopsAndStartsLoseNoneAndStoreEachOnce)
{
    constexpr int kWriters = 8, kWritesEach = 6, kTotal = kWriters * kWritesEach;
    QTemporaryDir laptops[2];
    std::vector<std::unique_ptr<test::VirtualUnit>> units;
    for (int i = 0; i < kWriters; ++i) {
        units.push_back(std::make_unique<test::VirtualUnit>(QStringList{}));
        ASSERT_FALSE(units.back()->path().isEmpty());
    }
    // Each writer starts its next write when its last one ends; the server
    // stops after a third of all writes and starts again after two thirds.
    std::vector<std::unique_ptr<QProcess>> running(kWriters);
    int started = 0, finished = 0, failedWrites = 0;
    const auto startNext = [&](int writer) {
        running[writer] = startCli({u"write"_s, u"ownship"_s, u"--port"_s, units[writer]->path()},
                                   laptops[writer % 2].path(), kOwnShip);
        ++started;
    };
    for (int w = 0; w < kWriters; ++w)
        startNext(w);
    bool stopped = false, restarted = false;
    while (finished < kTotal) {
        runEventLoopFor(10);
        for (int w = 0; w < kWriters; ++w) {
            QProcess *p = running[w].get();
            if (!p || p->state() != QProcess::NotRunning)
                continue;
            ++finished;
            failedWrites += p->exitCode() != 0;
            EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
            running[w].reset();
            if (started < kTotal)
                startNext(w);
        }
        if (!stopped && finished >= kTotal / 3) {
            ASSERT_TRUE(cluster.stop()) << cluster.lastError().toStdString();
            stopped = true;
        }
        if (stopped && !restarted && finished >= 2 * kTotal / 3) {
            ASSERT_TRUE(cluster.start()) << cluster.lastError().toStdString();
            restarted = true;
        }
    }
    ASSERT_EQ(failedWrites, 0);

    // None lost locally: every write is in its laptop's history.
    QStringList local;
    for (const QTemporaryDir &laptop : laptops) {
        const CliRun listed = cli({u"history"_s, u"--json"_s}, laptop.path());
        ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
        local += ids(listed);
    }
    ASSERT_EQ(local.size(), kTotal);
    // What the stopped server missed is still to send; a sync sends it, a
    // second one finds nothing left.
    for (const QTemporaryDir &laptop : laptops) {
        const CliRun sync = cli({u"history"_s, u"sync"_s}, laptop.path());
        EXPECT_EQ(sync.exitCode, 0) << sync.err.toStdString();
        EXPECT_EQ(cli({u"history"_s, u"sync"_s}, laptop.path()).out, u"0 entries sent to the company database\n"_s);
    }
    EXPECT_EQ(cluster.sql(u"fleet"_s, u"SELECT count(*), count(DISTINCT id) FROM aisset_history"_s),
              QStringLiteral("%1|%1").arg(kTotal));
    const CliRun company = cli({u"history"_s, u"--company"_s, u"412345678"_s, u"--json"_s}, laptops[0].path());
    ASSERT_EQ(company.exitCode, 0) << company.err.toStdString();
    const QStringList onServer = ids(company);
    EXPECT_EQ(QSet<QString>(onServer.begin(), onServer.end()), QSet<QString>(local.begin(), local.end()));
    EXPECT_EQ(onServer.size(), kTotal);
}

TEST_F(CompanyCli, ARefusedLoginIsSaidAndTheLocalWriteGoesOn)
{
    QTemporaryDir laptop;
    test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const CliRun write =
        cli({u"write"_s, u"ownship"_s, u"--port"_s, unit.path()}, laptop.path(), kOwnShip, u"wrong"_s);
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(write.out, u"本船资料设置成功\n"_s);
    EXPECT_TRUE(write.err.contains(u"warning: the company database refused the user"_s)) << write.err.toStdString();
    EXPECT_TRUE(write.err.contains(u"password authentication failed"_s)) << write.err.toStdString();
    EXPECT_EQ(ids(cli({u"history"_s, u"--json"_s}, laptop.path())).size(), 1);

    const CliRun refusedSync = cli({u"history"_s, u"sync"_s}, laptop.path(), {}, u"wrong"_s);
    EXPECT_EQ(refusedSync.exitCode, 3);
    EXPECT_TRUE(refusedSync.err.contains(u"refused"_s)) << refusedSync.err.toStdString();
    const CliRun sync = cli({u"history"_s, u"sync"_s, u"--json"_s}, laptop.path());
    EXPECT_EQ(sync.exitCode, 0) << sync.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(sync.out.toUtf8()).object().value(u"pushed"_s).toInt(), 1);
}

TEST_F(CompanyCli, APasswordInTheUrlIsNotUsed)
{
    QTemporaryDir laptop;
    const CliRun sync =
        cli({u"history"_s, u"sync"_s, u"--history-db"_s, u"postgresql://installer:secret@/fleet"_s}, laptop.path());
    EXPECT_EQ(sync.exitCode, 2);
    EXPECT_TRUE(sync.err.contains(u"must not hold a password"_s)) << sync.err.toStdString();
}

} // namespace
} // namespace aisset
