// aisset-cli history [MMSI] [--since DATE] [--company]: the transactions with
// units, newest first, from the history beside the profile store or from the
// company's database; aisset-cli history sync sends the company's database
// what it lacks.
#include "Commands.h"

#include "CompanyText.h"
#include "Output.h"
#include "history/CompanyDatabase.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryJson.h"
#include "report/HistoryWords.h"

#include <QJsonArray>

#include <variant>

using namespace Qt::StringLiterals;

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

// The company's entries name their installer (user@host) last.
QString entryLine(const HistoryEntry &e, const QList<HistoryEntry> &all, bool showInstaller)
{
    const TransactionOutcome &t = e.transaction;
    QStringList columns{historyWords::localTime(e), t.mmsi.isEmpty() ? u"-"_s : t.mmsi, historyWords::kind(t.kind),
                        historyWords::resultDetail(t)};
    if (const QString verified = historyWords::verification(e, verificationOf(e, all)); !verified.isEmpty())
        columns.append(verified);
    if (showInstaller)
        columns.append(e.session.user + u'@' + e.session.host);
    return columns.join(u"  "_s) + u'\n';
}

// The company's database, or the exit code when there is none to use.
std::variant<CompanyDatabase *, int> companyOf(const CliArgs &args, CliContext &context)
{
    if (!context.companyConfigured())
        return usageError(args, QStringLiteral("no company database: give --history-db URL, set %1 or write the "
                                               "URL into %2")
                                    .arg(kCompanyUrlVariable.toString(), companySettingPath()));
    if (CompanyDatabase *company = context.company())
        return company;
    return UsageError; // the URL's problem is said
}

int runSync(const CliArgs &args, CliContext &context)
{
    const std::variant<CompanyDatabase *, int> company = companyOf(args, context);
    if (const int *code = std::get_if<int>(&company))
        return *code;
    CompanyDatabase &server = *std::get<CompanyDatabase *>(company);
    const PushOutcome pushed = pushPending(context.history(), server);
    if (const QString problem = pushProblemText(pushed, server, context.history()); !problem.isEmpty()) {
        printError(problem);
        return pushed.localFailed ? StoreError : LinkError;
    }
    if (args.json)
        printJson(QJsonObject{{u"pushed"_s, pushed.pushed}});
    else
        writeStdout(QStringLiteral("%1 entries sent to the company database\n").arg(pushed.pushed).toUtf8());
    return Success;
}

} // namespace

int runHistory(const CliArgs &args, CliContext &context)
{
    if (args.words.size() > 1)
        return usageError(args, QStringLiteral("takes at most one MMSI"));
    if (args.words.value(0) == u"sync")
        return runSync(args, context);
    HistoryQuery query{args.words.value(0), {}};
    if (args.isSet(u"since"_s)) {
        query.since = parseSince(args.value(u"since"_s));
        if (!query.since.isValid())
            return usageError(args,
                              QStringLiteral("--since takes a date (2026-12-01) or a time (2026-12-01T08:00:00Z)"));
    }
    std::optional<QList<HistoryEntry>> entries;
    if (args.isSet(u"company"_s)) {
        const std::variant<CompanyDatabase *, int> company = companyOf(args, context);
        if (const int *code = std::get_if<int>(&company))
            return *code;
        entries = std::get<CompanyDatabase *>(company)->entries(query);
        if (!entries) {
            printError(companyFailureText(*std::get<CompanyDatabase *>(company)));
            return LinkError;
        }
    } else {
        HistoryDatabase &history = context.history();
        entries = history.entries(query);
        if (!entries) {
            printError(QStringLiteral("the history %1 cannot be read: %2").arg(history.path(), history.errorText()));
            return UsageError;
        }
    }
    if (args.json) {
        QJsonArray out;
        for (const HistoryEntry &e : *entries)
            out.append(historyEntryJson(e));
        printJson(QJsonObject{{u"history"_s, out}});
        return Success;
    }
    QString text;
    for (const HistoryEntry &e : *entries)
        text += entryLine(e, *entries, args.isSet(u"company"_s));
    writeStdout(text.toUtf8());
    return Success;
}

} // namespace aisset::cli
