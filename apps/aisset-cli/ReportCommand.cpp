// aisset-cli report MMSI [-o FILE.pdf] [--installer NAME]: the ship's
// installation report from its stored record and its history.
#include "Commands.h"

#include "Output.h"
#include "history/HistoryDatabase.h"
#include "report/InstallationReport.h"

using namespace Qt::StringLiterals;

namespace aisset::cli {

int runReport(const CliArgs &args, CliContext &context)
{
    if (args.words.size() != 1)
        return usageError(args, QStringLiteral("takes one MMSI"));
    const QString mmsi = args.words[0];
    const QString path = args.isSet(u"output"_s) ? args.value(u"output"_s) : u"report-%1.pdf"_s.arg(mmsi);
    HistoryDatabase &history = context.history();
    const std::optional<ReportData> report =
        gatherReport(context.profile(), history, mmsi, args.value(u"installer"_s));
    if (!report) {
        printError(QStringLiteral("the history %1 cannot be read: %2").arg(history.path(), history.errorText()));
        return UsageError;
    }
    if (!report->known) {
        printError(QStringLiteral("no record and no history for %1").arg(mmsi));
        return Refused;
    }
    QString error;
    if (!writeInstallationReport(*report, path, &error)) {
        printError(QStringLiteral("the report cannot be written to %1: %2").arg(path, error));
        return UsageError;
    }
    writeStdout((path + u'\n').toUtf8());
    return Success;
}

} // namespace aisset::cli
