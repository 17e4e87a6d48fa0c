#pragma once

#include "history/HistoryEntry.h"
#include "model/SaveResult.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <optional>

namespace aisset {

// Which entries to read: one ship's (every ship's when mmsi is empty), from a
// time on (all when invalid); newest first.
struct HistoryQuery {
    QString mmsi;
    QDateTime since;
};

// The history of transactions in an SQLite file (Qt SQL's SQLite driver). Every
// program appends to the same file at the same time: the file is in WAL mode and
// a writer waits up to kBusyTimeoutMs for another's lock. The schema carries its
// version in table schema_version, and every entry a unique id, so that a copy
// elsewhere can take each entry exactly once; version 2 marks which entries
// reached the company's database (a file of version 1 is upgraded on opening).
//
// A file that is not a database, or a damaged one, is set aside under a new name
// (kept: nothing earlier is deleted) and a new file is started. An append that
// cannot reach the file (a read-only folder, a full disk, a lock held too long)
// says Failed and changes nothing else.
class HistoryDatabase {
public:
    static constexpr int kSchemaVersion = 2;
    static constexpr int kBusyTimeoutMs = 2000;
    static constexpr QStringView kFileName = u"history.sqlite";

    explicit HistoryDatabase(QString path);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    const QString &path() const { return path_; }
    SaveResult append(const HistoryEntry &entry);
    // Nothing when the file cannot be read; an empty list when there is no file.
    std::optional<QList<HistoryEntry>> entries(const HistoryQuery &query);
    // Up to `limit` entries that have not reached the company's database yet,
    // oldest first; nothing when the file cannot be read.
    std::optional<QList<HistoryEntry>> unpushed(int limit);
    // Marks entries as stored in the company's database.
    bool markPushed(const QList<QUuid> &ids);
    // Where a damaged file was set aside during this object's life; empty if none.
    const QString &setAsidePath() const { return setAside_; }
    // What went wrong last, as the database said it (for a warning).
    const QString &errorText() const { return errorText_; }

private:
    bool open();
    bool prepare();
    void close();
    bool damaged() const;
    void setDamagedFileAside();
    bool insert(const HistoryEntry &entry);
    void noteError(const QSqlError &error);

    QString path_;
    QString connection_;
    QSqlDatabase db_;
    QString setAside_;
    QString errorText_;
    int lastErrorCode_ = 0; // SQLite's primary result code of the last failure
};

// The read-back that checked a write, among entries read from the history.
const HistoryEntry *verificationOf(const HistoryEntry &write, const QList<HistoryEntry> &entries);

} // namespace aisset
