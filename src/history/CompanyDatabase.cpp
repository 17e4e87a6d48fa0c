#include "history/CompanyDatabase.h"

#include "history/HistoryRow.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>

namespace aisset {

namespace {

using namespace Qt::StringLiterals;

const QString kDriver = u"QPSQL"_s;
// Any number that the tool alone uses as its advisory lock.
constexpr qint64 kSchemaLockKey = 0x616973736574LL; // "aisset"

// The history's columns as the server reads them back into a HistoryRow:
// uuids and times as text in the local form.
QString selectColumns()
{
    return historyColumns()
        .replace(u"id, "_s, u"id::text, "_s)
        .replace(u"time_utc,"_s, u"to_char(time_utc AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'),"_s)
        .replace(u", checks"_s, u", checks::text"_s);
}

// SQLSTATE classes that mean the server refuses this user: 28 (invalid
// authorization) and 42501 (insufficient privilege). A connection that never
// started says so in libpq's words.
CompanyFailure classify(const QSqlError &error)
{
    const QString state = error.nativeErrorCode();
    if (state.startsWith(u"28"_s) || state == u"42501"_s)
        return CompanyFailure::Refused;
    if (error.type() != QSqlError::ConnectionError)
        return CompanyFailure::Failed;
    const QString text = error.databaseText();
    for (const char *refusal : {"authentication failed", "password", "does not exist", "permission denied",
                                "pg_hba.conf", "not permitted", "SSL"})
        if (text.contains(QLatin1String(refusal), Qt::CaseInsensitive))
            return CompanyFailure::Refused;
    return CompanyFailure::Unreachable;
}

} // namespace

QStringList companySchemaStep(int version)
{
    switch (version) {
    case 1:
        return {u"CREATE TABLE aisset_history ("
                u" id uuid PRIMARY KEY, time_utc timestamptz NOT NULL, utc_offset integer NOT NULL,"
                u" program text NOT NULL, edition text NOT NULL, version text NOT NULL,"
                u" \"user\" text NOT NULL, host text NOT NULL, port integer NOT NULL, device text NOT NULL,"
                u" kind text NOT NULL, mmsi text NOT NULL, sentence text NOT NULL, result text NOT NULL,"
                u" milliseconds bigint, refused_field text, reply text, differences text, checks uuid)"_s};
    case 2: // when each entry arrived, and a ship's entries found without a scan
        return {u"ALTER TABLE aisset_history ADD COLUMN received_utc timestamptz NOT NULL DEFAULT now()"_s,
                u"CREATE INDEX aisset_history_by_ship ON aisset_history (mmsi, time_utc)"_s};
    default: return {};
    }
}

CompanyDatabase::CompanyDatabase(CompanyServer server) : server_(std::move(server))
{
    static QAtomicInteger<int> counter;
    connection_ = u"aisset-company-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

CompanyDatabase::~CompanyDatabase() { close(); }

void CompanyDatabase::close()
{
    if (!db_.isValid())
        return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

bool CompanyDatabase::fail(const QSqlError &error)
{
    failure_ = classify(error);
    errorText_ = error.databaseText().trimmed();
    if (errorText_.isEmpty())
        errorText_ = error.text().trimmed();
    return false;
}

// A connection lost halfway (the server restarted) is made anew at the next
// use, once no query holds it any more.
bool CompanyDatabase::failAndReconnect(const QSqlError &error)
{
    reconnect_ = true;
    return fail(error);
}

bool CompanyDatabase::open()
{
    if (reconnect_)
        close();
    reconnect_ = false;
    if (db_.isValid() && db_.isOpen())
        return true;
    failure_ = CompanyFailure::None;
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        failure_ = CompanyFailure::NoDriver;
        errorText_ = u"Qt's PostgreSQL driver (QPSQL) is not installed"_s;
        return false;
    }
    db_ = QSqlDatabase::addDatabase(kDriver, connection_);
    db_.setHostName(server_.host);
    db_.setPort(server_.port);
    db_.setUserName(server_.user);
    db_.setDatabaseName(server_.database);
    db_.setConnectOptions(server_.connectOptions);
    if (!db_.open()) {
        fail(db_.lastError());
        close();
        return false;
    }
    if (prepareSchema())
        return true;
    close();
    return false;
}

// The schema changes in one transaction under the advisory lock, so that of
// programs starting together one creates or upgrades and the others see the
// result. A schema already current needs no right to create anything.
bool CompanyDatabase::prepareSchema()
{
    QSqlQuery q(db_);
    const auto run = [&](const QString &sql) { return q.exec(sql) || fail(q.lastError()); };
    if (!run(u"BEGIN"_s))
        return false;
    q.prepare(u"SELECT pg_advisory_xact_lock(?)"_s);
    q.addBindValue(kSchemaLockKey);
    bool ok = q.exec() || fail(q.lastError());
    ok = ok && run(u"SELECT to_regclass('aisset_schema_version') IS NOT NULL"_s) && q.next();
    if (ok && !q.value(0).toBool())
        ok = run(u"CREATE TABLE aisset_schema_version (version integer NOT NULL)"_s) &&
             run(u"INSERT INTO aisset_schema_version (version) VALUES (0)"_s);
    ok = ok && run(u"SELECT max(version) FROM aisset_schema_version"_s) && q.next();
    for (int version = ok ? q.value(0).toInt() : kSchemaVersion; ok && version < kSchemaVersion; ++version) {
        for (const QString &statement : companySchemaStep(version + 1))
            ok = ok && run(statement);
        ok = ok && run(u"UPDATE aisset_schema_version SET version = %1"_s.arg(version + 1));
    }
    if (ok && run(u"COMMIT"_s))
        return true;
    q.exec(u"ROLLBACK"_s);
    return false;
}

bool CompanyDatabase::push(const QList<HistoryEntry> &entries)
{
    if (!open())
        return false;
    QSqlQuery q(db_);
    if (!db_.transaction())
        return fail(db_.lastError());
    q.prepare(u"INSERT INTO aisset_history (%1) VALUES (%2) ON CONFLICT (id) DO NOTHING"_s.arg(historyColumns(),
                                                                                               historyPlaceholders()));
    for (const HistoryEntry &entry : entries) {
        const QList<QVariant> values = historyRowValues(entry);
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values[i]);
        if (!q.exec()) {
            failAndReconnect(q.lastError());
            db_.rollback();
            return false;
        }
    }
    return db_.commit() || failAndReconnect(db_.lastError());
}

std::optional<QList<HistoryEntry>> CompanyDatabase::entries(const HistoryQuery &query)
{
    if (!open())
        return std::nullopt;
    QString sql = u"SELECT %1 FROM aisset_history WHERE true"_s.arg(selectColumns());
    if (!query.mmsi.isEmpty())
        sql += u" AND mmsi = ?"_s;
    if (query.since.isValid())
        sql += u" AND time_utc >= ?"_s;
    sql += u" ORDER BY time_utc DESC, received_utc DESC"_s;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(sql);
    if (!query.mmsi.isEmpty())
        q.addBindValue(query.mmsi);
    if (query.since.isValid())
        q.addBindValue(historyTimeText(query.since));
    std::optional<QList<HistoryEntry>> out = runHistoryQuery(q);
    if (!out)
        failAndReconnect(q.lastError());
    return out;
}

PushOutcome pushPending(HistoryDatabase &local, CompanyDatabase &server, int batchSize)
{
    PushOutcome outcome;
    for (;;) {
        const std::optional<QList<HistoryEntry>> batch = local.unpushed(batchSize);
        if (!batch) {
            outcome.localFailed = true;
            outcome.errorText = local.errorText();
            return outcome;
        }
        if (batch->isEmpty())
            return outcome;
        if (!server.push(*batch)) {
            outcome.failure = server.failure();
            outcome.errorText = server.errorText();
            return outcome;
        }
        QList<QUuid> ids;
        for (const HistoryEntry &e : *batch)
            ids.append(e.transaction.id);
        outcome.pushed += int(ids.size());
        if (!local.markPushed(ids)) {
            outcome.localFailed = true;
            outcome.errorText = local.errorText();
            return outcome;
        }
    }
}

} // namespace aisset
