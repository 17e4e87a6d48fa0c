// aisset-cli: encode, decode, read and write the unit's parameters from a shell,
// JSON in and out, through the same core code as the window.
#include "CliArgs.h"
#include "Commands.h"
#include "ProgramOptions.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    using namespace aisset::cli;
    CliArgs args;
    if (const std::optional<int> done = parseArgs(aisset::argumentsOf(argc, argv), args))
        return *done;
    QCoreApplication app(argc, argv);
    CliContext context(args.storeDir);
    return args.command->run(args, context);
}
