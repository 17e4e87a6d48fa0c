// aisset-cli: encode, decode, read and write the unit's parameters from a shell,
// JSON in and out, through the same core code as the window.
#include "CliArgs.h"
#include "Commands.h"
#include "Output.h"
#include "ProgramOptions.h"
#include "trace/TraceFile.h"
#include "ui/text/Language.h"

#include <QGuiApplication>

#include <memory>
#include <optional>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

#if defined(__SANITIZE_ADDRESS__)
#define AISSET_CLI_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define AISSET_CLI_SANITIZED 1
#endif
#endif

int main(int argc, char **argv)
{
    using namespace aisset::cli;
    CliArgs args;
    if (const std::optional<int> done = parseArgs(aisset::argumentsOf(argc, argv), args))
        return *done;
    // Only the report paints (fonts, PDF): it alone needs a GUI application,
    // which needs no display on the offscreen platform.
    std::unique_ptr<QCoreApplication> app;
    if (args.command->name == u"report") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    aisset::text::useLanguage(*app, args.language);
    if (args.isSet(u"trace"_s)) {
        if (const QString error = aisset::TraceFile::start(args.value(u"trace"_s)); !error.isEmpty()) {
            printError(QStringLiteral("aisset-cli: --trace: ") + escapeControls(error));
            return UsageError;
        }
    }
    CliContext context(args.storeDir, args.value(u"history-db"_s));
    // JSON is read by programs: the words in it (statuses, messages, warnings)
    // are the source texts whatever the display language.
    std::optional<aisset::text::SourceLanguage> sourceWords;
    if (args.printsJson())
        sourceWords.emplace();
    int code = args.command->run(args, context);
    // What a command prints is its result (an export is the installer's backup):
    // output cut short by a full disk or a closed pipe fails the run.
    if (const std::optional<QString> failure = outputFailure()) {
        printError(QStringLiteral("aisset-cli: cannot write standard output: %1").arg(*failure));
        code = UsageError;
    }
#ifndef AISSET_CLI_SANITIZED
    // The command has closed its port, its savings are on disk and its output is
    // written: tearing down Qt and the libraries' static objects would only keep
    // a script waiting for the exit. (The sanitizer build exits the ordinary way,
    // so that its leak check runs.)
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
#endif
    return code;
}
