// The tool's commands and options as data: the parser, the help texts and the
// dispatch all read these two tables. A new option is a row in the first table
// and its name in the rows of the commands that take it.
#include "CliArgs.h"
#include "Commands.h"
#include "Output.h"

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

int runHelp(const CliArgs &args, CliContext &)
{
    if (args.words.size() > 1)
        return usageError(args, QStringLiteral("takes at most one command name"));
    const CommandSpec *command = nullptr;
    if (!args.words.isEmpty()) {
        for (const CommandSpec &c : commandTable())
            if (c.name == args.words[0])
                command = &c;
        if (!command)
            return usageError(args, QStringLiteral("unknown command \"%1\"").arg(args.words[0]));
    }
    writeStdout(helpText(command).toUtf8());
    return Success;
}

} // namespace

const std::vector<OptionSpec> &optionTable()
{
    static const std::vector<OptionSpec> table{
        {{u"json"_s}, {}, u"Print the outcome as JSON."_s},
        {{u"port"_s},
         u"P"_s,
         u"The unit's port: a port number 1-16 (the window's Com1 ... Com16) or a device path; default 1."_s},
        {{u"timeout"_s}, u"S"_s, u"Seconds to wait for the unit, more than 0 and at most 3600; default 5."_s},
        {{u"store"_s}, u"DIR"_s, u"Use the profile store in the folder DIR instead of the user's."_s},
        {{u"trace"_s},
         u"FILE"_s,
         u"Append a trace for support to FILE: every byte sent and received, escaped, with its time to the "
         u"millisecond, and each transaction's outcome."_s},
        {{u"verify"_s},
         {},
         u"After the acknowledgement, read the unit back and compare every written field (exit 4 when the unit holds other values)."_s},
        {{u"find"_s},
         {},
         u"Send the read request on every port that can be opened and mark the one the unit answers on."_s},
        {{u"pin"_s},
         u"N"_s,
         u"Pin port N to the device given as the word (ports --pin N DEVICE) by its stable name, in the port mapping file."_s},
        {{u"unpin"_s}, u"N"_s, u"Remove port N's line from the port mapping file."_s},
        {{u"format"_s}, u"json|csv"_s, u"The format of records export; default json."_s},
        {{u"o"_s, u"output"_s},
         u"FILE"_s,
         u"Write records export into FILE instead of standard output, or the report into FILE (default report-MMSI.pdf)."_s},
        {{u"replace"_s}, {}, u"Let records import replace a ship's stored values that differ from the file's."_s},
        {{u"since"_s}, u"DATE"_s, u"Only the history from DATE on: a day (2026-12-01) or a time in ISO 8601."_s},
        {{u"installer"_s}, u"NAME"_s, u"The installer's name printed on the report."_s},
        {{u"history-db"_s},
         u"URL"_s,
         u"The company's shared history: postgresql://[user@][host][:port][/database][?sslmode=...]; instead of "
         u"AISSET_HISTORY_DB and the setting file history-db in the data folder."_s},
        {{u"company"_s}, {}, u"List the company's shared history (every installer's entries) instead of this machine's."_s},
    };
    return table;
}

const std::vector<CommandSpec> &commandTable()
{
    static const std::vector<CommandSpec> table{
        {u"encode"_s,
         u"ownship|system|factory"_s,
         u"Build a group's write sentence from the JSON form on standard input and save the page, as a write from the window does."_s,
         {u"json"_s},
         runEncode},
        {u"decode"_s,
         u"[LINE]"_s,
         u"Decode a parameter line of the unit (the argument, or the first line of standard input) into the form, as JSON."_s,
         {},
         runDecode},
        {u"write"_s,
         u"ownship|system|factory"_s,
         u"Write the JSON form on standard input to the unit with the window's write and wait for the acknowledgement."_s,
         {u"port"_s, u"timeout"_s, u"verify"_s, u"json"_s, u"history-db"_s},
         runWrite},
        {u"read"_s,
         QString(),
         u"Read the unit's parameters into the form and print it."_s,
         {u"port"_s, u"timeout"_s, u"json"_s, u"history-db"_s},
         runRead},
        {u"records"_s,
         u"[show MMSI | export | import FILE]"_s,
         u"List the saved ships, print one ship's stored keys as JSON, write every ship to a file (export) "
         u"or merge a file written so into the store (import)."_s,
         {u"json"_s, u"format"_s, u"output"_s, u"replace"_s},
         runRecords},
        {u"check"_s,
         QString(),
         u"Warn about values of the JSON form on standard input that the unit accepts but a ship should not carry."_s,
         {u"json"_s},
         runCheck},
        {u"ports"_s,
         u"[DEVICE]"_s,
         u"List the serial ports: device, stable names (by-id, by-path), USB ids, maker, product, serial number, "
         u"whether the user may open it, who holds it, and known traps. --find also tries each port for the unit; "
         u"exit 0 when exactly one answered, 3 when none did, 6 when several did. --pin N DEVICE makes port N that "
         u"device by its stable name; --unpin N removes the pin."_s,
         {u"find"_s, u"json"_s, u"pin"_s, u"unpin"_s},
         runPorts},
        {u"history"_s,
         u"[MMSI | sync]"_s,
         u"List the transactions with units, newest first: time, MMSI, what was done, the outcome, and for an "
         u"acknowledged write whether its read-back confirmed it; --company lists every installer's from the "
         u"company's database. sync sends the entries the company's database does not hold yet (exit 3 when it "
         u"cannot be reached or refuses)."_s,
         {u"since"_s, u"json"_s, u"company"_s, u"history-db"_s},
         runHistory},
        {u"report"_s,
         u"MMSI"_s,
         u"Save the ship's installation report as a PDF: its data, the antenna positions, the system settings, what "
         u"the unit last confirmed, the transactions, and lines for the installer's signature."_s,
         {u"output"_s, u"installer"_s},
         runReport},
        {u"help"_s, u"[COMMAND]"_s, u"Show the tool's help or a command's."_s, {}, runHelp},
    };
    return table;
}

} // namespace aisset::cli
