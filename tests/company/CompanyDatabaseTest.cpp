// The company's database on a real PostgreSQL server of the test's own: the
// schema made and upgraded, entries stored once and verbatim, a refusal told.
#include "history/CompanyDatabase.h"
#include "history/CompanySync.h"
#include "link/Waiting.h"
#include "PostgresCluster.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace aisset {
namespace {

using test::PostgresCluster;

// One cluster for the file's tests: starting one takes seconds.
PostgresCluster &cluster()
{
    static PostgresCluster instance;
    return instance;
}

class CompanyDatabaseTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const QString missing = cluster().missing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        static int databases = 0;
        database = QStringLiteral("db%1").arg(++databases);
        // CREATE DATABASE runs alone, outside a transaction.
        ASSERT_EQ(cluster().sql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE %1").arg(database)),
                  QString())
            << cluster().lastError().toStdString();
        cluster().sql(QStringLiteral("postgres"), QStringLiteral("DO $$BEGIN IF NOT EXISTS (SELECT FROM pg_roles "
                                                                 "WHERE rolname = 'installer') THEN CREATE ROLE "
                                                                 "installer LOGIN PASSWORD 'secret'; END IF; END$$"));
        cluster().sql(database, QStringLiteral("GRANT ALL ON SCHEMA public TO installer"));
        qputenv("PGPASSWORD", "secret");
    }
    void TearDown() override { qunsetenv("PGPASSWORD"); }

    CompanyServer server(const QString &user = QStringLiteral("installer")) const
    {
        return *parseCompanyServer(cluster().url(user, database)).server;
    }

    static HistoryEntry entry(const QString &mmsi, const QString &reply = {})
    {
        HistoryEntry e;
        e.transaction.id = QUuid::createUuid();
        e.transaction.startedUtc = QDateTime::currentDateTimeUtc();
        e.transaction.kind = TransactionKind::Read;
        e.transaction.mmsi = mmsi;
        e.transaction.sentence = QStringLiteral("$CVRD*00");
        e.transaction.result = TransactionResult::Acknowledged;
        e.transaction.milliseconds = 42;
        e.transaction.reply = reply;
        e.session = {QStringLiteral("aisset-cli"), {}, QStringLiteral("1.0"),         QStringLiteral("li"),
                     QStringLiteral("laptop-1"),   1,  QStringLiteral("/dev/ttyUSB0")};
        return e;
    }

    QString database;
};

TEST_F(CompanyDatabaseTest, AnEntryPushedTwiceIsStoredOnceAndEveryValueVerbatim)
{
    // Quotes, backslashes and an SQL comment would break a statement built from text.
    const QString awkward = QStringLiteral("O'Brien \\\\'; DROP TABLE aisset_history; -- \"海星\" \\x00");
    HistoryEntry first = entry(QStringLiteral("412345678"), awkward);
    first.session.user = QStringLiteral("o'neil\\");
    CompanyDatabase company(server());
    ASSERT_TRUE(company.push({first})) << company.errorText().toStdString();
    ASSERT_TRUE(company.push({first, entry(QStringLiteral("412345678"))})) << company.errorText().toStdString();
    EXPECT_EQ(cluster().sql(database, QStringLiteral("SELECT count(*), count(DISTINCT id) FROM aisset_history")),
              QStringLiteral("2|2"));

    const std::optional<QList<HistoryEntry>> read = company.entries({QStringLiteral("412345678"), {}});
    ASSERT_TRUE(read) << company.errorText().toStdString();
    ASSERT_EQ(read->size(), 2);
    const HistoryEntry &back = read->at(0).transaction.id == first.transaction.id ? read->at(0) : read->at(1);
    EXPECT_EQ(back.transaction.reply, awkward);
    EXPECT_EQ(back.session.user, first.session.user);
    EXPECT_EQ(back.transaction.startedUtc, first.transaction.startedUtc);
    EXPECT_EQ(back.transaction.milliseconds, 42);
    EXPECT_EQ(back.session.device, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_TRUE(company.entries({QStringLiteral("999999999"), {}})->isEmpty());
}

TEST_F(CompanyDatabaseTest, TheFirstSchemaIsUpgradedAndItsEntriesKept)
{
    // A server set up by the first version of the tool, with one entry in it.
    QStringList first = companySchemaStep(1);
    first << QStringLiteral("CREATE TABLE aisset_schema_version (version integer NOT NULL)")
          << QStringLiteral("INSERT INTO aisset_schema_version VALUES (1)")
          << QStringLiteral("INSERT INTO aisset_history VALUES ('6f1c1a52-1111-4c7e-9a0e-0123456789ab', "
                            "'2026-01-02T03:04:05.678Z', 28800, 'aisset', 'full', '0.9', 'wang', 'old-laptop', 2, "
                            "'/dev/ttyS1', 'ownship', '412345678', '$CVUIS,...*00', 'acknowledged', 120, NULL, NULL, "
                            "NULL, NULL)")
          << QStringLiteral("ALTER TABLE aisset_history OWNER TO installer")
          << QStringLiteral("ALTER TABLE aisset_schema_version OWNER TO installer");
    ASSERT_EQ(cluster().sql(database, first.join(u';')), QString()) << cluster().lastError().toStdString();

    CompanyDatabase company(server());
    ASSERT_TRUE(company.push({entry(QStringLiteral("412345678"))})) << company.errorText().toStdString();
    EXPECT_EQ(cluster().sql(database, QStringLiteral("SELECT version FROM aisset_schema_version")),
              QString::number(CompanyDatabase::kSchemaVersion));
    const std::optional<QList<HistoryEntry>> read = company.entries({QStringLiteral("412345678"), {}});
    ASSERT_TRUE(read) << company.errorText().toStdString();
    ASSERT_EQ(read->size(), 2);
    const HistoryEntry &old = read->at(1); // newest first
    EXPECT_EQ(old.transaction.id, QUuid(QStringLiteral("6f1c1a52-1111-4c7e-9a0e-0123456789ab")));
    EXPECT_EQ(old.transaction.startedUtc,
              QDateTime::fromString(QStringLiteral("2026-01-02T03:04:05.678Z"), Qt::ISODateWithMs));
    EXPECT_EQ(old.session.host, QStringLiteral("old-laptop"));
    EXPECT_EQ(old.transaction.kind, TransactionKind::OwnShipWrite);
    // The second version's column, filled in for the old entry too.
    EXPECT_EQ(cluster().sql(database, QStringLiteral("SELECT count(received_utc) FROM aisset_history")),
              QStringLiteral("2"));
}

TEST_F(CompanyDatabaseTest, ProgramsStartingTogetherCreateTheSchemaOnce)
{
    std::vector<std::unique_ptr<CompanyDatabase>> programs;
    for (int i = 0; i < 4; ++i)
        programs.push_back(std::make_unique<CompanyDatabase>(server()));
    for (auto &p : programs)
        ASSERT_TRUE(p->open()) << p->errorText().toStdString();
    EXPECT_EQ(cluster().sql(database, QStringLiteral("SELECT count(*), max(version) FROM aisset_schema_version")),
              QStringLiteral("1|%1").arg(CompanyDatabase::kSchemaVersion));
}

TEST_F(CompanyDatabaseTest, RefusalsAreToldAsSuch)
{
    cluster().sql(database, QStringLiteral("DO $$BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'visitor') "
                                           "THEN CREATE ROLE visitor LOGIN PASSWORD 'secret'; END IF; END$$;"));
    CompanyDatabase owner(server());
    ASSERT_TRUE(owner.open()) << owner.errorText().toStdString(); // the tables exist; visitor may not write them

    const struct {
        const char *user;
        const char *password;
        CompanyFailure failure;
    } cases[] = {
        {"installer", "wrong", CompanyFailure::Refused},
        {"nobody", "secret", CompanyFailure::Refused},
        {"visitor", "secret", CompanyFailure::Refused}, // logs in, but has no right to the table
    };
    for (const auto &c : cases) {
        qputenv("PGPASSWORD", c.password);
        CompanyDatabase company(server(QString::fromUtf8(c.user)));
        EXPECT_FALSE(company.push({entry(QStringLiteral("412345678"))})) << c.user;
        EXPECT_EQ(company.failure(), c.failure) << c.user << ": " << company.errorText().toStdString();
        EXPECT_FALSE(company.errorText().isEmpty()) << c.user;
    }
    EXPECT_EQ(cluster().sql(database, QStringLiteral("SELECT count(*) FROM aisset_history")), QStringLiteral("0"));
}

TEST_F(CompanyDatabaseTest, AServerThatIsNotThereIsUnreachable)
{
    CompanyServer nowhere = server();
    nowhere.host = QStringLiteral("/nonexistent-socket-folder");
    CompanyDatabase company(nowhere);
    EXPECT_FALSE(company.open());
    EXPECT_EQ(company.failure(), CompanyFailure::Unreachable) << company.errorText().toStdString();
}

TEST_F(CompanyDatabaseTest, APushSendsWhatTheServerLacksAndMarksIt)
{
    QTemporaryDir folder;
    HistoryDatabase local(folder.filePath(QStringLiteral("history.sqlite")));
    for (int i = 0; i < 7; ++i)
        ASSERT_EQ(local.append(entry(QStringLiteral("41234567%1").arg(i))), SaveResult::Saved);
    CompanyDatabase company(server());
    const PushOutcome first = pushPending(local, company, 3); // three batches
    EXPECT_EQ(first.failure, CompanyFailure::None) << first.errorText.toStdString();
    EXPECT_EQ(first.pushed, 7);
    EXPECT_TRUE(local.unpushed(100)->isEmpty());
    ASSERT_EQ(local.append(entry(QStringLiteral("412345679"))), SaveResult::Saved);
    EXPECT_EQ(pushPending(local, company).pushed, 1); // only the new one
    EXPECT_EQ(cluster().sql(database, QStringLiteral("SELECT count(*) FROM aisset_history")), QStringLiteral("8"));
}

TEST_F(CompanyDatabaseTest, TheWindowsSyncPushesAndReadsInItsOwnThread)
{
    QTemporaryDir folder;
    HistoryDatabase local(folder.filePath(QStringLiteral("history.sqlite")));
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(local.append(entry(QStringLiteral("412345678"))), SaveResult::Saved);
    CompanySync sync(local.path(), server());

    std::optional<PushOutcome> pushed;
    EventWait pushDone;
    QObject::connect(&sync, &CompanySync::pushed, &sync, [&](const PushOutcome &outcome) {
        pushed = outcome;
        pushDone.finish();
    });
    sync.pushSoon();
    sync.pushSoon(); // asked again before the first ran: one push takes both
    ASSERT_TRUE(pushDone.run(30000));
    EXPECT_EQ(pushed->failure, CompanyFailure::None) << pushed->errorText.toStdString();
    EXPECT_EQ(pushed->pushed, 3);
    EXPECT_TRUE(local.unpushed(10)->isEmpty()); // marked by the sync's own connection

    QList<HistoryEntry> fetched;
    bool ok = false;
    EventWait fetchDone;
    QObject::connect(&sync, &CompanySync::companyEntries, &sync,
                     [&](const QString &, const QList<HistoryEntry> &entries, bool read) {
                         fetched = entries;
                         ok = read;
                         fetchDone.finish();
                     });
    sync.fetch(QStringLiteral("412345678"));
    ASSERT_TRUE(fetchDone.run(30000));
    EXPECT_TRUE(ok);
    EXPECT_EQ(fetched.size(), 3);
}

} // namespace
} // namespace aisset
