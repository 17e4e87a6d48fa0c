// aisset-cli records export: every listed ship with all its stored texts, as JSON
// or CSV, on standard output or into a file.
#include "Commands.h"

#include "Output.h"
#include "RecordFile.h"
#include "store/ProfileRecords.h"

#include <QSaveFile>
#include <QSet>

using namespace Qt::StringLiterals;

namespace aisset::cli {

int runRecordsExport(const CliArgs &args, CliContext &context)
{
    if (args.words.size() != 1)
        return usageError(args, QStringLiteral("export takes no further words"));
    const QString formatName = args.isSet(u"format"_s) ? args.value(u"format"_s) : u"json"_s;
    if (formatName != u"json" && formatName != u"csv")
        return usageError(args, QStringLiteral("--format takes json or csv"));

    if (!context.storeToReadExists())
        return UsageError;

    ProfileRecords &profile = context.profile();
    QList<ShipRecord> ships;
    QSet<QString> seen;
    int unreadable = 0;
    for (const QString &name : profile.recordNames()) {
        if (seen.contains(name))
            continue;
        seen << name;
        // A ship that cannot be read is named and left out; written as empty it
        // would pass for a ship without values in the backup.
        if (!profile.recordReadable(name)) {
            printError(QStringLiteral("cannot read the record %1 in the profile store %2")
                           .arg(escapeControls(name), context.store().location()));
            ++unreadable;
            continue;
        }
        ShipRecord ship{name, {}};
        const QStringList values = profile.readRecord(name);
        for (int slot = 0; slot < values.size(); ++slot)
            if (!values[slot].isEmpty())
                ship.values.append({slot, values[slot]});
        ships << ship;
    }
    const QByteArray bytes = writeRecordFile(ships, formatName == u"csv" ? RecordFormat::Csv : RecordFormat::Json);

    const int done = unreadable > 0 ? StoreError : Success;
    if (!args.isSet(u"output"_s)) {
        writeStdout(bytes);
        return done;
    }
    QSaveFile file(args.value(u"output"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        printError(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
        return UsageError;
    }
    return done;
}

} // namespace aisset::cli
