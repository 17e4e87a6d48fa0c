// aisset-cli history [MMSI] [--since DATE]: the transactions with units, newest
// first, from the history beside the profile store.
#include "Commands.h"

#include "Output.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryJson.h"
#include "report/HistoryWords.h"

#include <QJsonArray>

namespace aisset::cli {

namespace {

// A day (local midnight) or a moment in ISO 8601; invalid when it is neither.
QDateTime parseSince(const QString &text)
{
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (day.isValid())
        return day.startOfDay();
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

QString entryLine(const HistoryEntry &e, const QList<HistoryEntry> &all)
{
    const TransactionOutcome &t = e.transaction;
    QStringList columns{historyWords::localTime(e), t.mmsi.isEmpty() ? u"-"_qs : t.mmsi, historyWords::kind(t.kind),
                        historyWords::resultDetail(t)};
    if (const QString verified = historyWords::verification(e, verificationOf(e, all)); !verified.isEmpty())
        columns.append(verified);
    return columns.join(u"  "_qs) + u'\n';
}

} // namespace

int runHistory(const CliArgs &args, CliContext &context)
{
    if (args.words.size() > 1)
        return usageError(args, QStringLiteral("takes at most one MMSI"));
    HistoryQuery query{args.words.value(0), {}};
    if (args.isSet(u"since"_qs)) {
        query.since = parseSince(args.value(u"since"_qs));
        if (!query.since.isValid())
            return usageError(args, QStringLiteral("--since takes a date (2026-12-01) or a time (2026-12-01T08:00:00Z)"));
    }
    HistoryDatabase &history = context.history();
    const std::optional<QList<HistoryEntry>> entries = history.entries(query);
    if (!entries) {
        printError(QStringLiteral("the history %1 cannot be read: %2").arg(history.path(), history.errorText()));
        return UsageError;
    }
    if (args.json) {
        QJsonArray out;
        for (const HistoryEntry &e : *entries)
            out.append(historyEntryJson(e));
        printJson(QJsonObject{{u"history"_qs, out}});
        return Success;
    }
    QString text;
    for (const HistoryEntry &e : *entries)
        text += entryLine(e, *entries);
    writeStdout(text.toUtf8());
    return Success;
}

} // namespace aisset::cli
