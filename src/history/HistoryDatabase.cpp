#include "history/HistoryDatabase.h"

#include "history/HistoryRow.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace aisset {

namespace {

using namespace Qt::StringLiterals;

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS entries ("
    " id TEXT PRIMARY KEY,"           // a UUID
    " time_utc TEXT NOT NULL,"        // yyyy-MM-ddTHH:mm:ss.zzzZ: sorts as it reads
    " utc_offset INTEGER NOT NULL,"   // seconds east of UTC
    " program TEXT NOT NULL, edition TEXT NOT NULL, version TEXT NOT NULL,"
    " user TEXT NOT NULL, host TEXT NOT NULL, port INTEGER NOT NULL, device TEXT NOT NULL,"
    " kind TEXT NOT NULL,"            // HistoryKeys: ownship, system, factory, read, verify
    " mmsi TEXT NOT NULL, sentence TEXT NOT NULL,"
    " result TEXT NOT NULL,"          // HistoryKeys: acknowledged, no-answer, ...
    " milliseconds INTEGER,"          // from the last send to the answer
    " refused_field TEXT,"            // a refused write: the field's name
    " reply TEXT,"                    // a read and a read-back: the unit's line
    " differences TEXT,"              // a read-back that differs: JSON [{field, written, unit}]
    " checks TEXT)",                  // a read-back: the id of the write it checked
    "CREATE INDEX IF NOT EXISTS entries_by_ship ON entries (mmsi, time_utc)",
};

// The steps from one local schema version to the next: version 2 marks the
// entries that reached the company's database (0 until then).
const char *const kUpgrades[][2] = {
    {"ALTER TABLE entries ADD COLUMN pushed INTEGER NOT NULL DEFAULT 0",
     "CREATE INDEX IF NOT EXISTS entries_to_push ON entries (pushed) WHERE pushed = 0"},
};

} // namespace

void HistoryDatabase::noteError(const QSqlError &error)
{
    lastErrorCode_ = error.nativeErrorCode().toInt() & 0xff;
    errorText_ = error.text();
}

HistoryDatabase::HistoryDatabase(QString path) : path_(std::move(path))
{
    static QAtomicInteger<int> counter;
    connection_ = u"aisset-history-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

HistoryDatabase::~HistoryDatabase() { close(); }

void HistoryDatabase::close()
{
    if (!db_.isValid())
        return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

bool HistoryDatabase::open()
{
    if (db_.isValid() && db_.isOpen())
        return true;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        errorText_ = u"the folder cannot be made"_s;
        return false;
    }
    db_ = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection_);
    db_.setDatabaseName(path_);
    db_.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(kBusyTimeoutMs));
    if (!db_.open()) {
        noteError(db_.lastError());
        close();
        return false;
    }
    if (prepare())
        return true;
    close();
    return false;
}

// WAL lets readers and one writer at a time work side by side; the schema is
// made in one immediate transaction, so that programs starting together agree.
bool HistoryDatabase::prepare()
{
    QSqlQuery q(db_);
    const auto run = [&](const QString &sql) {
        if (q.exec(sql))
            return true;
        noteError(q.lastError());
        return false;
    };
    if (!run(u"PRAGMA journal_mode=WAL"_s) || !run(u"BEGIN IMMEDIATE"_s))
        return false;
    bool ok = true;
    for (const char *statement : kSchema)
        ok = ok && run(QString::fromLatin1(statement));
    ok = ok && run(u"SELECT count(*) FROM schema_version"_s) && q.next();
    if (ok && q.value(0).toInt() == 0)
        ok = run(u"INSERT INTO schema_version (version) VALUES (1)"_s);
    ok = ok && run(u"SELECT max(version) FROM schema_version"_s) && q.next();
    for (int version = ok ? q.value(0).toInt() : kSchemaVersion; ok && version < kSchemaVersion; ++version) {
        for (const char *statement : kUpgrades[version - 1])
            ok = ok && run(QString::fromLatin1(statement));
        ok = ok && run(u"UPDATE schema_version SET version = %1"_s.arg(version + 1));
    }
    if (ok && run(u"COMMIT"_s))
        return true;
    run(u"ROLLBACK"_s);
    return false;
}

bool HistoryDatabase::damaged() const
{
    return lastErrorCode_ == kSqliteCorrupt || lastErrorCode_ == kSqliteNotADatabase;
}

// The damaged file and its WAL companions move to one new name each, side by
// side; a new file starts where they were.
void HistoryDatabase::setDamagedFileAside()
{
    close();
    const QString aside =
        path_ + u".damaged-"_s + QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd'T'HHmmsszzz'Z'"_s);
    if (!QFile::rename(path_, aside))
        return;
    for (const QString &suffix : {u"-wal"_s, u"-shm"_s})
        QFile::rename(path_ + suffix, aside + suffix);
    setAside_ = aside;
}

bool HistoryDatabase::insert(const HistoryEntry &e)
{
    QSqlQuery q(db_);
    q.prepare(u"INSERT INTO entries (%1) VALUES (%2)"_s.arg(historyColumns(), historyPlaceholders()));
    for (const QVariant &v : historyRowValues(e))
        q.addBindValue(v);
    if (q.exec())
        return true;
    noteError(q.lastError());
    return false;
}

SaveResult HistoryDatabase::append(const HistoryEntry &entry)
{
    // One new start after a damaged file was set aside; any other failure stands.
    for (int attempt = 0; attempt < 2; ++attempt) {
        lastErrorCode_ = 0;
        if (open() && insert(entry))
            return SaveResult::Saved;
        if (!damaged())
            break;
        setDamagedFileAside();
    }
    close();
    return SaveResult::Failed;
}

std::optional<QList<HistoryEntry>> HistoryDatabase::entries(const HistoryQuery &query)
{
    if (!QFileInfo::exists(path_))
        return QList<HistoryEntry>{};
    lastErrorCode_ = 0;
    if (!open()) {
        if (damaged())
            setDamagedFileAside();
        return std::nullopt;
    }
    QString sql = u"SELECT %1 FROM entries WHERE 1"_s.arg(historyColumns());
    if (!query.mmsi.isEmpty())
        sql += u" AND mmsi = :mmsi"_s;
    if (query.since.isValid())
        sql += u" AND time_utc >= :since"_s;
    sql += u" ORDER BY time_utc DESC, rowid DESC"_s;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(sql);
    if (!query.mmsi.isEmpty())
        q.bindValue(u":mmsi"_s, query.mmsi);
    if (query.since.isValid())
        q.bindValue(u":since"_s, historyTimeText(query.since));
    std::optional<QList<HistoryEntry>> out = runHistoryQuery(q);
    if (!out)
        noteError(q.lastError());
    return out;
}

std::optional<QList<HistoryEntry>> HistoryDatabase::unpushed(int limit)
{
    if (!QFileInfo::exists(path_))
        return QList<HistoryEntry>{};
    lastErrorCode_ = 0;
    if (!open())
        return std::nullopt;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(u"SELECT %1 FROM entries WHERE pushed = 0 ORDER BY rowid LIMIT ?"_s.arg(historyColumns()));
    q.addBindValue(limit);
    std::optional<QList<HistoryEntry>> out = runHistoryQuery(q);
    if (!out)
        noteError(q.lastError());
    return out;
}

bool HistoryDatabase::markPushed(const QList<QUuid> &ids)
{
    lastErrorCode_ = 0;
    if (!open())
        return false;
    QSqlQuery q(db_);
    bool ok = q.exec(u"BEGIN IMMEDIATE"_s);
    q.prepare(u"UPDATE entries SET pushed = 1 WHERE id = ?"_s);
    for (const QUuid &id : ids) {
        if (!ok)
            break;
        q.bindValue(0, id.toString(QUuid::WithoutBraces));
        ok = q.exec();
    }
    if (ok && q.exec(u"COMMIT"_s))
        return true;
    noteError(q.lastError());
    q.exec(u"ROLLBACK"_s);
    return false;
}

const HistoryEntry *verificationOf(const HistoryEntry &write, const QList<HistoryEntry> &entries)
{
    for (const HistoryEntry &e : entries)
        if (e.transaction.kind == TransactionKind::Verify && e.transaction.checks == write.transaction.id)
            return &e;
    return nullptr;
}

} // namespace aisset
