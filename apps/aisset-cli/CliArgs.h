#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace aisset::cli {

class CliContext;
struct CliArgs;

// One option of the tool, its short name first where it has one ("o", "output").
// Its last name is the one commands look it up by.
struct OptionSpec {
    QStringList names;
    const QString &key() const { return names.last(); }
    QString valueName; // empty for a flag
    QString description;
};

// One command: its name, the words that follow it as its usage shows them, a
// line for the tool's help, the options it takes (by key; --store is
// taken by every command, as is --trace) and what runs it.
struct CommandSpec {
    QString name;
    QString syntax;
    QString summary;
    QStringList options;
    std::function<int(const CliArgs &, CliContext &)> run;
};

// Every option any command takes.
const std::vector<OptionSpec> &optionTable();
// Every command, in the order the help lists them.
const std::vector<CommandSpec> &commandTable();

// The tool's command line after parsing: the command, its positional words and
// the options, checked.
struct CliArgs {
    const CommandSpec *command = nullptr;
    QStringList words; // positional words after the command
    bool json = false;
    QString port;     // --port: a port number 1-16 or a device path
    QString storeDir; // --store: the profile store's folder
    double timeoutSeconds = 5;
    QString language; // --lang: empty to follow the locale

    // Whether the command prints JSON: with --json, and decode and records show
    // always. JSON is for programs, so its words stay the source language's
    // (text::SourceLanguage).
    bool printsJson() const;

    // Any option of the command by its key: whether it was given, its value.
    bool isSet(const QString &name) const { return values.contains(name); }
    QString value(const QString &name) const { return values.value(name); }
    QHash<QString, QString> values;
};

// Parses argv (the program's name first) into out. Returns an exit code when the
// tool should end at once: 0 after printing a help or the version, UsageError
// after printing what is wrong with the command line.
std::optional<int> parseArgs(const QStringList &argv, CliArgs &out);

// What --port names: a port number when the value is all digits (valid only
// from 1 to 16; none when outside, however many digits), otherwise a device path.
struct PortArgument {
    bool isNumber = false;
    std::optional<int> number; // when isNumber and within 1-16
};
PortArgument portArgument(const QString &value);

// Prints a command's usage error ("aisset-cli encode: text" and the hint to its
// help) on standard error; returns UsageError.
int usageError(const CliArgs &args, const QString &text);

// The help of the whole tool (no command) or of one command.
QString helpText(const CommandSpec *command);

// Exit codes shared by every command. StoreError: the sentence was built (and
// printed or sent), but its values could not be saved in the profile store.
// SeveralUnits: more than one port answered "ports --find" as the unit.
// SearchIncomplete: none answered, and the search ran out of time before it
// tried every port.
enum Exit : int {
    Success = 0,
    Refused = 1,
    UsageError = 2,
    LinkError = 3,
    Differs = 4,
    StoreError = 5,
    SeveralUnits = 6,
    SearchIncomplete = 7,
    ChecksumDiffers = 8
};

} // namespace aisset::cli
