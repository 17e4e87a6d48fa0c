#include "CliArgs.h"

#include "Output.h"
#include "ProgramOptions.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

constexpr int kPortCount = 16;        // the window's "Com1" ... "Com16"
constexpr double kLongestWait = 3600; // seconds; beyond it a wait is a mistake

const QString kProgram = QStringLiteral("aisset-cli");

QString toolDescription()
{
    QString text = QStringLiteral("Sets the parameters of a shipborne AIS collision-avoidance unit from a shell,\n"
                                  "JSON in and out, with the same code as the window.\n\nCommands:\n");
    for (const CommandSpec &c : commandTable())
        text += QStringLiteral("  %1\n      %2\n").arg((c.name + u' ' + c.syntax).trimmed(), c.summary);
    return text + QStringLiteral("\n'aisset-cli COMMAND --help' shows a command's options.");
}

// The parser for one command, or for the whole tool (every option) without one.
std::unique_ptr<ProgramOptions> optionsFor(const CommandSpec *command)
{
    auto options = std::make_unique<ProgramOptions>(kProgram, command ? command->summary : toolDescription());
    for (const OptionSpec &o : optionTable()) {
        if (!command || o.key() == u"store" || o.key() == u"trace" || command->options.contains(o.key()))
            options->parser().addOption(QCommandLineOption(o.names, o.description, o.valueName));
    }
    if (command)
        options->parser().addPositionalArgument(command->name, QString(),
                                                (command->name + u' ' + command->syntax).trimmed());
    else
        options->parser().addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of the commands above."),
                                                QStringLiteral("COMMAND [WORDS]"));
    return options;
}

const CommandSpec *commandByName(const QString &name)
{
    for (const CommandSpec &c : commandTable())
        if (c.name == name)
            return &c;
    return nullptr;
}

// The checks of the option values; an error text for a value no command can use.
std::optional<QString> checkValues(CliArgs &out)
{
    out.json = out.isSet(u"json"_s);
    out.storeDir = out.value(u"store"_s);
    // An empty folder would quietly mean the user's own store.
    if (out.isSet(u"store"_s) && out.storeDir.isEmpty())
        return QStringLiteral("--store needs a folder");
    if (out.isSet(u"trace"_s) && out.value(u"trace"_s).isEmpty())
        return QStringLiteral("--trace needs a file");
    if (out.isSet(u"port"_s)) {
        out.port = out.value(u"port"_s);
        const PortArgument port = portArgument(out.port);
        if (out.port.trimmed().isEmpty() || (port.isNumber && !port.number))
            return QStringLiteral("--port takes a port number from 1 to %1 or a device path").arg(kPortCount);
    }
    if (out.isSet(u"timeout"_s)) {
        bool ok = false;
        out.timeoutSeconds = out.value(u"timeout"_s).toDouble(&ok);
        if (!ok || !std::isfinite(out.timeoutSeconds) || out.timeoutSeconds <= 0 || out.timeoutSeconds > kLongestWait)
            return QStringLiteral("--timeout takes seconds, more than 0 and at most %1").arg(kLongestWait);
    }
    return std::nullopt;
}

} // namespace

std::optional<int> parseArgs(const QStringList &argv, CliArgs &out)
{
    // A first, lenient pass over every option finds the command, so that the
    // option values are not taken for it; the second pass knows only its options.
    const std::unique_ptr<ProgramOptions> tool = optionsFor(nullptr);
    tool->parser().parse(argv);
    const QString name = tool->parser().positionalArguments().value(0);
    out.command = commandByName(name);
    if (!out.command) {
        if (!name.isEmpty())
            return tool->usageError(QStringLiteral("unknown command \"%1\"").arg(name));
        if (const std::optional<int> done = tool->parse(argv))
            return done;
        return tool->usageError(QStringLiteral("no command given"));
    }

    const std::unique_ptr<ProgramOptions> options = optionsFor(out.command);
    if (const std::optional<int> done = options->parse(argv))
        return done;
    const QCommandLineParser &parser = options->parser();
    out.words = parser.positionalArguments().mid(1);
    out.language = options->language();
    for (const QString &option : parser.optionNames()) {
        // Short names are reported as given; file each under its key.
        for (const OptionSpec &o : optionTable())
            if (o.names.contains(option))
                out.values.insert(o.key(), parser.value(option));
    }
    if (const std::optional<QString> error = checkValues(out))
        return usageError(out, *error);
    return std::nullopt;
}

bool CliArgs::printsJson() const
{
    return json || command->name == u"decode" || (command->name == u"records" && words.value(0) == u"show");
}

PortArgument portArgument(const QString &value)
{
    // "-1" and "+3" count as numbers too, so that they are refused, not opened as files.
    const QStringView digits = value.startsWith(u'-') || value.startsWith(u'+') ? QStringView(value).mid(1) : value;
    PortArgument out;
    out.isNumber = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (out.isNumber && ok && number >= 1 && number <= kPortCount)
        out.number = int(number);
    return out;
}

int usageError(const CliArgs &args, const QString &text)
{
    const QString program = args.command ? kProgram + u' ' + args.command->name : kProgram;
    printError(QStringLiteral("%1: %2\nTry '%1 --help' for more information.").arg(program, text));
    return UsageError;
}

QString helpText(const CommandSpec *command) { return optionsFor(command)->helpText(); }

} // namespace aisset::cli
