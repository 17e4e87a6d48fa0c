// aisset-cli: encode, decode, read and write the unit's parameters from a shell,
// JSON in and out, through the same core code as the window.
#include "CliArgs.h"
#include "Commands.h"
#include "Output.h"

#include <QCoreApplication>

#include <functional>
#include <map>

namespace aisset::cli {

namespace {

const char16_t *const kUsage = u"usage: aisset-cli <command> [options]\n"
                               u"  encode ownship|system|factory [--json]   build a write sentence from JSON on stdin\n"
                               u"  decode [LINE]                             decode a parameter line (argument, or the unit's bytes on stdin) to JSON\n"
                               u"  write ownship|system|factory [--port P] [--verify]\n"
                               u"                                            write JSON on stdin to the unit, wait for its acknowledgement;\n"
                               u"                                            --verify reads the unit back and compares (exit 4 when it differs)\n"
                               u"  read [--port P] [--json]                  read the unit's parameters into a form and print it\n"
                               u"  records [show MMSI]                       list the saved ships, or print one ship's stored keys\n"
                               u"options: --json, --store DIR, --port P, --timeout SECONDS, --verify\n";

int runHelp(const CliArgs &, CliContext &)
{
    writeStdout(QString::fromUtf16(kUsage).toUtf8());
    return Success;
}

} // namespace
} // namespace aisset::cli

int main(int argc, char **argv)
{
    using namespace aisset::cli;
    QCoreApplication app(argc, argv);
    CliArgs args;
    if (const QString error = parseArgs(QCoreApplication::arguments(), args); !error.isEmpty()) {
        printError(error);
        return UsageError;
    }
    const std::map<QString, std::function<int(const CliArgs &, CliContext &)>> commands{
        {u"encode"_qs, runEncode},
        {u"decode"_qs, runDecode},
        {u"write"_qs, runWrite},
        {u"read"_qs, runRead},
        {u"records"_qs, runRecords},
        {u"help"_qs, runHelp},
    };
    const auto command = commands.find(args.command.isEmpty() ? u"help"_qs : args.command);
    if (command == commands.end()) {
        printError(QStringLiteral("unknown command \"%1\"").arg(args.command));
        CliContext none{QString()};
        runHelp(args, none);
        return UsageError;
    }
    CliContext context(args.storeDir);
    return command->second(args, context);
}
