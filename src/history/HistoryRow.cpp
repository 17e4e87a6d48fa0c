#include "history/HistoryRow.h"

#include "history/HistoryJson.h"
#include "history/HistoryKeys.h"
#include "model/FieldTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

namespace aisset {

namespace {

using namespace Qt::StringLiterals;

const QString kTimeFormat = u"yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"_s;

const char *const kColumns = "id, time_utc, utc_offset, program, edition, version, \"user\", host, port, device, kind, "
                             "mmsi, sentence, result, milliseconds, refused_field, reply, differences, checks";
constexpr int kColumnCount = 19;

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

} // namespace

QString historyColumns() { return QString::fromLatin1(kColumns); }

QString historyPlaceholders()
{
    QStringList marks;
    for (int i = 0; i < kColumnCount; ++i)
        marks.append(u"?"_s);
    return marks.join(u", "_s);
}

QString historyTimeText(const QDateTime &time) { return time.toUTC().toString(kTimeFormat); }

QList<QVariant> historyRowValues(const HistoryEntry &e)
{
    const TransactionOutcome &t = e.transaction;
    return {
        t.id.toString(QUuid::WithoutBraces),
        historyTimeText(t.startedUtc),
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
}

std::optional<QList<HistoryEntry>> runHistoryQuery(QSqlQuery &query)
{
    if (!query.exec())
        return std::nullopt;
    QList<HistoryEntry> out;
    while (query.next())
        out.append(historyEntryFromRow(query));
    return out;
}

HistoryEntry historyEntryFromRow(const QSqlQuery &q)
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

} // namespace aisset
