// aisset-cli records export: every listed ship with all its stored texts, as JSON
// or CSV, on standard output or into a file.
#include "Commands.h"

#include "Output.h"
#include "RecordFile.h"
#include "store/ProfileRecords.h"

#include <QSaveFile>

namespace aisset::cli {

int runRecordsExport(const CliArgs &args, CliContext &context)
{
    if (args.words.size() != 1)
        return usageError(args, QStringLiteral("export takes no further words"));
    const QString formatName = args.isSet(u"format"_qs) ? args.value(u"format"_qs) : u"json"_qs;
    if (formatName != u"json" && formatName != u"csv")
        return usageError(args, QStringLiteral("--format takes json or csv"));

    ProfileRecords &profile = context.profile();
    QList<ShipRecord> ships;
    QStringList seen;
    for (const QString &name : profile.recordNames()) {
        if (seen.contains(name))
            continue;
        seen << name;
        ShipRecord ship{name, {}};
        const QStringList values = profile.readRecord(name);
        for (int slot = 0; slot < values.size(); ++slot)
            if (!values[slot].isEmpty())
                ship.values.append({slot, values[slot]});
        ships << ship;
    }
    const QByteArray bytes = writeRecordFile(ships, formatName == u"csv" ? RecordFormat::Csv : RecordFormat::Json);

    if (!args.isSet(u"output"_qs)) {
        writeStdout(bytes);
        return Success;
    }
    QSaveFile file(args.value(u"output"_qs));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        printError(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
        return UsageError;
    }
    return Success;
}

} // namespace aisset::cli
