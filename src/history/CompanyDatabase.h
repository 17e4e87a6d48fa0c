#pragma once

#include "history/CompanyServer.h"
#include "history/HistoryDatabase.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace aisset {

// What kept the company's database from taking or giving entries.
enum class CompanyFailure {
    None,
    NoDriver,    // Qt's PostgreSQL driver is not installed
    Unreachable, // no connection: the server is down, the address wrong, the time ran out
    Refused,     // the server said no: wrong password, unknown role, no permission
    Failed,      // a statement failed for another reason
};

// The company's shared history on a PostgreSQL server (Qt's PostgreSQL
// driver): every installer's entries, each stored once under its id however
// often it is pushed. The tool creates the tables and upgrades them (table
// aisset_schema_version); programs starting together take turns through an
// advisory lock. Values travel only as bound values of prepared statements.
//
// One object is one connection, used in the thread that first calls it.
class CompanyDatabase {
public:
    static constexpr int kSchemaVersion = 2;

    explicit CompanyDatabase(CompanyServer server);
    ~CompanyDatabase();
    CompanyDatabase(const CompanyDatabase &) = delete;
    CompanyDatabase &operator=(const CompanyDatabase &) = delete;

    // Connects (once) and brings the schema up to date.
    bool open();
    // Stores the entries the server does not hold yet, in one transaction.
    bool push(const QList<HistoryEntry> &entries);
    // Every installer's entries, newest first (HistoryQuery as for the local history).
    std::optional<QList<HistoryEntry>> entries(const HistoryQuery &query);

    CompanyFailure failure() const { return failure_; }
    // The server's or the driver's own words for the last failure.
    const QString &errorText() const { return errorText_; }
    const CompanyServer &server() const { return server_; }

private:
    bool prepareSchema();
    bool fail(const QSqlError &error);
    bool failAndReconnect(const QSqlError &error);
    void close();

    CompanyServer server_;
    QString connection_;
    QSqlDatabase db_;
    CompanyFailure failure_ = CompanyFailure::None;
    bool reconnect_ = false;
    QString errorText_;
};

// The statements that bring the server's schema from `version` - 1 to
// `version` (1 creates the first tables); empty past the last.
QStringList companySchemaStep(int version);

// The outcome of pushing a local history to the company's database.
struct PushOutcome {
    int pushed = 0; // entries sent (the server keeps those it did not hold)
    CompanyFailure failure = CompanyFailure::None;
    QString errorText;
    bool localFailed = false; // the local history could not be read or marked
};

// Sends every local entry not yet marked as pushed, oldest first, in batches,
// and marks each batch once the server has committed it. A push cut off
// halfway leaves the rest for the next one; an entry sent twice is stored once.
PushOutcome pushPending(HistoryDatabase &local, CompanyDatabase &server, int batchSize = 500);

} // namespace aisset
