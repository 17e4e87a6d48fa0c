// aisset-cli records [show MMSI | export | import FILE]: the ships in the profile
// store, one ship's keys, or all of them written to or merged from a file.
#include "Commands.h"

#include "Output.h"
#include "store/ProfileRecords.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace aisset::cli {

int runRecords(const CliArgs &args, CliContext &context)
{
    if (args.words.value(0) == u"export")
        return runRecordsExport(args, context);
    if (args.words.value(0) == u"import")
        return runRecordsImport(args, context);
    if (!context.storeToReadExists())
        return UsageError;
    ProfileRecords &profile = context.profile();
    if (args.words.isEmpty()) {
        const QStringList names = profile.recordNames();
        if (args.json)
            printJson(QJsonObject{{u"records"_s, QJsonArray::fromStringList(names)}});
        else
            for (const QString &name : names)
                writeStdout((escapeControls(name) + u'\n').toUtf8());
        return Success;
    }
    if (args.words.size() != 2 || args.words[0] != u"show")
        return usageError(args, QStringLiteral("takes nothing, show and an MMSI, export, or import and a file"));
    const QStringList values = profile.readRecord(args.words[1]);
    QJsonObject keys;
    for (const FieldInfo &f : fieldTable())
        if (f.slot < values.size() && !values[f.slot].isEmpty())
            keys.insert(str(f.profileKey), values[f.slot]);
    if (keys.isEmpty()) {
        printError(QStringLiteral("no record for %1").arg(args.words[1]));
        return Refused;
    }
    printJson(keys);
    return Success;
}

} // namespace aisset::cli
