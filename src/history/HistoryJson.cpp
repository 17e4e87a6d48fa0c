#include "history/HistoryJson.h"

#include "history/HistoryKeys.h"
#include "model/FieldTable.h"

#include <QJsonArray>

namespace aisset {

QJsonArray differencesJson(const QList<FieldDifference> &differences)
{
    using namespace Qt::StringLiterals;
    QJsonArray out;
    for (const FieldDifference &d : differences)
        out.append(QJsonObject{{u"field"_s, str(field(d.slot).name)}, {u"written"_s, d.written}, {u"unit"_s, d.unit}});
    return out;
}

QJsonObject historyEntryJson(const HistoryEntry &entry)
{
    using namespace Qt::StringLiterals;
    const TransactionOutcome &t = entry.transaction;
    QJsonObject out{
        {u"id"_s, t.id.toString(QUuid::WithoutBraces)},
        {u"time"_s, t.startedUtc.toUTC().toString(Qt::ISODateWithMs)},
        {u"utcOffset"_s, entry.utcOffsetSeconds},
        {u"program"_s, entry.session.program},
        {u"edition"_s, entry.session.edition},
        {u"version"_s, entry.session.version},
        {u"user"_s, entry.session.user},
        {u"host"_s, entry.session.host},
        {u"port"_s, entry.session.port},
        {u"device"_s, entry.session.device},
        {u"group"_s, kindKey(t.kind)},
        {u"mmsi"_s, t.mmsi},
        {u"sentence"_s, t.sentence},
        {u"outcome"_s, resultKey(t.result)},
    };
    if (t.milliseconds >= 0)
        out.insert(u"milliseconds"_s, t.milliseconds);
    if (t.refusedSlot >= 0)
        out.insert(u"refusedField"_s, str(field(t.refusedSlot).name));
    if (!t.reply.isEmpty())
        out.insert(u"reply"_s, t.reply);
    if (t.kind == TransactionKind::Verify) {
        out.insert(u"differences"_s, differencesJson(t.differences));
        if (!t.checks.isNull())
            out.insert(u"checks"_s, t.checks.toString(QUuid::WithoutBraces));
    }
    return out;
}

} // namespace aisset
