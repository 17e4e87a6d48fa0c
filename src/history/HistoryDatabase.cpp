#include "history/HistoryDatabase.h"

#include "history/HistoryJson.h"
#include "history/HistoryKeys.h"
#include "model/FieldTable.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace aisset {

namespace {

using namespace Qt::StringLiterals;

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

const QString kTimeFormat = u"yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"_s;

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

const char *const kColumns = "id, time_utc, utc_offset, program, edition, version, user, host, port, device, kind, "
                             "mmsi, sentence, result, milliseconds, refused_field, reply, differences, checks";

QString differencesText(const QList<FieldDifference> &differences)
{
    return QString::fromUtf8(QJsonDocument(differencesJson(differences)).toJson(QJsonDocument::Compact));
}

QList<FieldDifference> differencesFromJson(const QString &text)
{
    QList<FieldDifference> out;
    for (const QJsonValue &v : QJsonDocument::fromJson(text.toUtf8()).array()) {
        const QJsonObject o = v.toObject();
        if (const std::optional<int> s = slotByName(o.value(u"field"_s).toString()))
            out.append({*s, o.value(u"written"_s).toString(), o.value(u"unit"_s).toString()});
    }
    return out;
}

QVariant orNull(const QString &text) { return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : text; }
// A text column that is never NULL: a null QString would bind as NULL.
QVariant notNull(const QString &text) { return text.isNull() ? u""_s : text; }

HistoryEntry entryFrom(const QSqlQuery &q)
{
    HistoryEntry e;
    TransactionOutcome &t = e.transaction;
    t.id = QUuid(q.value(0).toString());
    t.startedUtc = QDateTime::fromString(q.value(1).toString(), kTimeFormat);
    t.startedUtc.setTimeSpec(Qt::UTC);
    e.utcOffsetSeconds = q.value(2).toInt();
    e.session = {q.value(3).toString(), q.value(4).toString(), q.value(5).toString(), q.value(6).toString(),
                 q.value(7).toString(), q.value(8).toInt(),    q.value(9).toString()};
    t.kind = kindFromKey(q.value(10).toString()).value_or(TransactionKind::Read);
    t.mmsi = q.value(11).toString();
    t.sentence = q.value(12).toString();
    t.result = resultFromKey(q.value(13).toString()).value_or(TransactionResult::NoAnswer);
    t.milliseconds = q.value(14).isNull() ? -1 : q.value(14).toLongLong();
    t.refusedSlot = slotByName(q.value(15).toString()).value_or(-1);
    t.reply = q.value(16).toString();
    t.differences = differencesFromJson(q.value(17).toString());
    t.checks = QUuid(q.value(18).toString());
    return e;
}

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
        ok = run(u"INSERT INTO schema_version (version) VALUES (%1)"_s.arg(kSchemaVersion));
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
    const TransactionOutcome &t = e.transaction;
    QSqlQuery q(db_);
    q.prepare(u"INSERT INTO entries (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s.arg(
        QString::fromLatin1(kColumns)));
    const QVariant values[] = {
        t.id.toString(QUuid::WithoutBraces),
        t.startedUtc.toUTC().toString(kTimeFormat),
        e.utcOffsetSeconds,
        notNull(e.session.program),
        notNull(e.session.edition),
        notNull(e.session.version),
        notNull(e.session.user),
        notNull(e.session.host),
        e.session.port,
        notNull(e.session.device),
        kindKey(t.kind),
        notNull(t.mmsi),
        notNull(t.sentence),
        resultKey(t.result),
        t.milliseconds < 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(t.milliseconds),
        t.refusedSlot < 0 ? orNull({}) : str(field(t.refusedSlot).name),
        orNull(t.reply),
        t.differences.isEmpty() ? orNull({}) : differencesText(t.differences),
        t.checks.isNull() ? orNull({}) : t.checks.toString(QUuid::WithoutBraces),
    };
    for (const QVariant &v : values)
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
    QString sql = u"SELECT %1 FROM entries WHERE 1"_s.arg(QString::fromLatin1(kColumns));
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
        q.bindValue(u":since"_s, query.since.toUTC().toString(kTimeFormat));
    if (!q.exec()) {
        noteError(q.lastError());
        return std::nullopt;
    }
    QList<HistoryEntry> out;
    while (q.next())
        out.append(entryFrom(q));
    return out;
}

const HistoryEntry *verificationOf(const HistoryEntry &write, const QList<HistoryEntry> &entries)
{
    for (const HistoryEntry &e : entries)
        if (e.transaction.kind == TransactionKind::Verify && e.transaction.checks == write.transaction.id)
            return &e;
    return nullptr;
}

} // namespace aisset
