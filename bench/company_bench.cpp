// The company database's cost, on a throwaway PostgreSQL server of its own:
//  1. pushing 10,000 local entries (pushPending: read from the local SQLite
//     history, insert on the server, mark locally), side by side with a minimal
//     libpq program doing the same 10,000 inserts with one prepared statement
//     in one transaction;
//  2. a history append as the window makes it after a write's outcome, with no
//     company database, with a live one and with one that takes the connection
//     and never answers: the push runs in its own thread and must add nothing
//     here.
// Usage: company_bench [appends]   (appends: only the second part)
// Prints medians and maxima of runs taken alternately.
#include "PostgresCluster.h"
#include "history/CompanySync.h"
#include "history/HistoryRecorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTemporaryDir>

#include <libpq-fe.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace aisset;

namespace {

constexpr int kEntries = 10000;
constexpr int kRuns = 3;
constexpr int kAppends = 300;

HistoryEntry entry(int i)
{
    HistoryEntry e;
    e.transaction.id = QUuid::createUuid();
    e.transaction.startedUtc = QDateTime::currentDateTimeUtc();
    e.transaction.kind = TransactionKind::OwnShipWrite;
    e.transaction.mmsi = QStringLiteral("4123%1").arg(i % 100000, 5, 10, QLatin1Char('0'));
    e.transaction.sentence =
        QStringLiteral("$CVUIS,0025BXYZ9  70085412345678009123456HAI XING 7          10002005051*34");
    e.transaction.result = TransactionResult::Acknowledged;
    e.transaction.milliseconds = 120;
    e.session = {QStringLiteral("aisset"),      QStringLiteral("full"),     QStringLiteral("1.0.0"),
                 QStringLiteral("li"),          QStringLiteral("laptop-1"), 1,
                 QStringLiteral("/dev/ttyUSB0")};
    return e;
}

struct Figures {
    double median;
    double max;
};
Figures figures(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.back()};
}

double pushOnce(test::PostgresCluster &cluster, const QString &database)
{
    QTemporaryDir folder;
    HistoryDatabase local(folder.filePath(QStringLiteral("history.sqlite")));
    for (int i = 0; i < kEntries; ++i)
        (void)local.append(entry(i));
    CompanyDatabase company(*parseCompanyServer(cluster.url(QStringLiteral("admin"), database)).server);
    company.open(); // the schema is made before the clock starts
    QElapsedTimer clock;
    clock.start();
    const PushOutcome outcome = pushPending(local, company);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (outcome.pushed != kEntries)
        std::fprintf(stderr, "push: %d of %d (%s)\n", outcome.pushed, kEntries, qPrintable(outcome.errorText));
    return ms;
}

// The same inserts through libpq with one prepared statement: the floor.
double plainOnce(test::PostgresCluster &cluster, const QString &database)
{
    const QByteArray conninfo = QStringLiteral("host=%1 port=%2 user=admin dbname=%3")
                                    .arg(cluster.socketFolder())
                                    .arg(test::PostgresCluster::kPort)
                                    .arg(database)
                                    .toUtf8();
    PGconn *conn = PQconnectdb(conninfo.constData());
    PQclear(PQexec(conn, "CREATE TABLE IF NOT EXISTS plain (id uuid PRIMARY KEY, time_utc timestamptz NOT NULL, "
                         "utc_offset integer NOT NULL, program text NOT NULL, edition text NOT NULL, version text NOT "
                         "NULL, \"user\" text NOT NULL, host text NOT NULL, port integer NOT NULL, device text NOT "
                         "NULL, kind text NOT NULL, mmsi text NOT NULL, sentence text NOT NULL, result text NOT NULL, "
                         "milliseconds bigint, refused_field text, reply text, differences text, checks uuid)"));
    std::vector<QList<QByteArray>> rows;
    for (int i = 0; i < kEntries; ++i) {
        const HistoryEntry e = entry(i);
        rows.push_back({e.transaction.id.toString(QUuid::WithoutBraces).toUtf8(),
                        e.transaction.startedUtc.toString(Qt::ISODateWithMs).toUtf8(), "28800", "aisset", "full",
                        "1.0.0", "li", "laptop-1", "1", "/dev/ttyUSB0", "ownship", e.transaction.mmsi.toUtf8(),
                        e.transaction.sentence.toUtf8(), "acknowledged", "120"});
    }
    QElapsedTimer clock;
    clock.start();
    PQclear(PQexec(conn, "BEGIN"));
    PQclear(PQprepare(conn, "ins",
                      "INSERT INTO plain (id, time_utc, utc_offset, program, edition, version, \"user\", host, port, "
                      "device, kind, mmsi, sentence, result, milliseconds) VALUES ($1,$2,$3,$4,$5,$6,$7,$8,$9,$10,"
                      "$11,$12,$13,$14,$15) ON CONFLICT (id) DO NOTHING",
                      15, nullptr));
    for (const QList<QByteArray> &row : rows) {
        const char *values[15];
        for (int c = 0; c < 15; ++c)
            values[c] = row[c].constData();
        PQclear(PQexecPrepared(conn, "ins", 15, values, nullptr, nullptr, 0));
    }
    PQclear(PQexec(conn, "COMMIT"));
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    PQclear(PQexec(conn, "DROP TABLE plain"));
    PQfinish(conn);
    return ms;
}

// Microseconds of each history append after a transaction, as the window
// makes it: the recorder appends, then asks the company sync for a push.
std::vector<double> appendTimes(const std::optional<CompanyServer> &server)
{
    QTemporaryDir folder;
    HistoryDatabase local(folder.filePath(QStringLiteral("history.sqlite")));
    std::unique_ptr<CompanySync> sync = server ? std::make_unique<CompanySync>(local.path(), *server) : nullptr;
    HistoryRecorder recorder(local, localSessionFacts(QStringLiteral("aisset"), QStringLiteral("full"), {}));
    recorder.setAppended([&](SaveResult saved) {
        if (sync && saved == SaveResult::Saved)
            sync->pushSoon();
    });
    std::vector<double> out;
    for (int i = 0; i < kAppends; ++i) {
        const TransactionOutcome outcome = entry(i).transaction;
        QElapsedTimer clock;
        clock.start();
        recorder.transactionFinished(outcome);
        out.push_back(double(clock.nsecsElapsed()) / 1e3);
        QCoreApplication::processEvents(); // the window's event loop between writes
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    test::PostgresCluster cluster;
    if (const QString missing = cluster.missing(); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 1;
    }
    // "appends": only the second table.
    const bool appendsOnly = argc > 1 && qstrcmp(argv[1], "appends") == 0;
    std::vector<double> pushed, plain;
    for (int run = 0; run < (appendsOnly ? 0 : kRuns); ++run) {
        const QString database = QStringLiteral("bench%1").arg(run);
        cluster.sql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + database);
        pushed.push_back(pushOnce(cluster, database));
        plain.push_back(plainOnce(cluster, database));
    }
    if (!appendsOnly) {
        const Figures p = figures(pushed), f = figures(plain);
        std::printf("| push of %d entries (pushPending) | median %.0f ms, max %.0f ms | plain libpq prepared inserts: "
                    "median %.0f ms, max %.0f ms | %.2f |\n",
                    kEntries, p.median, p.max, f.median, f.max, p.median / f.median);
    }

    cluster.sql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE appends"));
    qputenv("PGPASSWORD", "unused"); // admin logs in without one
    const CompanyServer live =
        *parseCompanyServer(cluster.url(QStringLiteral("admin"), QStringLiteral("appends"))).server;
    // A server that takes the connection and never answers: libpq waits for
    // its connect timeout (3 s).
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    CompanyServer down = live;
    down.host = QStringLiteral("127.0.0.1");
    down.port = silent.serverPort();
    std::vector<double> none, withLive, withDown;
    for (int run = 0; run < kRuns; ++run) {
        for (double v : appendTimes(std::nullopt))
            none.push_back(v);
        for (double v : appendTimes(live))
            withLive.push_back(v);
        for (double v : appendTimes(down))
            withDown.push_back(v);
    }
    const Figures n = figures(none), l = figures(withLive), d = figures(withDown);
    std::printf("| history append after a write, company database live | median %.0f µs, max %.0f µs | none "
                "configured: median %.0f µs, max %.0f µs | %.2f |\n",
                l.median, l.max, n.median, n.max, l.median / n.median);
    std::printf("| history append after a write, company database not answering | median %.0f µs, max %.0f µs | "
                "none configured: median %.0f µs, max %.0f µs | %.2f |\n",
                d.median, d.max, n.median, n.max, d.median / n.median);
    return 0;
}
