// The tool's commands and options as data: the parser, the help texts and the
// dispatch all read these two tables. A new option is a row in the first table
// and its name in the rows of the commands that take it.
#include "CliArgs.h"
#include "Commands.h"
#include "Output.h"

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
        {{u"json"_qs}, {}, u"Print the outcome as JSON."_qs},
        {{u"port"_qs},
         u"P"_qs,
         u"The unit's port: a port number 1-16 (the window's Com1 ... Com16) or a device path; default 1."_qs},
        {{u"timeout"_qs}, u"S"_qs, u"Seconds to wait for the unit, more than 0 and at most 3600; default 5."_qs},
        {{u"store"_qs}, u"DIR"_qs, u"Use the profile store in the folder DIR instead of the user's."_qs},
        {{u"trace"_qs},
         u"FILE"_qs,
         u"Append a trace for support to FILE: every byte sent and received, escaped, with its time to the "
         u"millisecond, and each transaction's outcome."_qs},
        {{u"verify"_qs},
         {},
         u"After the acknowledgement, read the unit back and compare every written field (exit 4 when the unit holds other values)."_qs},
        {{u"find"_qs},
         {},
         u"Send the read request on every port that can be opened and mark the one the unit answers on."_qs},
        {{u"pin"_qs},
         u"N"_qs,
         u"Pin port N to the device given as the word (ports --pin N DEVICE) by its stable name, in the port mapping file."_qs},
        {{u"unpin"_qs}, u"N"_qs, u"Remove port N's line from the port mapping file."_qs},
        {{u"format"_qs}, u"json|csv"_qs, u"The format of records export; default json."_qs},
        {{u"o"_qs, u"output"_qs},
         u"FILE"_qs,
         u"Write records export into FILE instead of standard output, or the report into FILE (default report-MMSI.pdf)."_qs},
        {{u"replace"_qs}, {}, u"Let records import replace a ship's stored values that differ from the file's."_qs},
        {{u"since"_qs}, u"DATE"_qs, u"Only the history from DATE on: a day (2026-12-01) or a time in ISO 8601."_qs},
        {{u"installer"_qs}, u"NAME"_qs, u"The installer's name printed on the report."_qs},
        {{u"history-db"_qs},
         u"URL"_qs,
         u"The company's shared history: postgresql://[user@][host][:port][/database][?sslmode=...]; instead of "
         u"AISSET_HISTORY_DB and the setting file history-db in the data folder."_qs},
        {{u"company"_qs}, {}, u"List the company's shared history (every installer's entries) instead of this machine's."_qs},
    };
    return table;
}

const std::vector<CommandSpec> &commandTable()
{
    static const std::vector<CommandSpec> table{
        {u"encode"_qs,
         u"ownship|system|factory"_qs,
         u"Build a group's write sentence from the JSON form on standard input and save the page, as a write from the window does."_qs,
         {u"json"_qs},
         runEncode},
        {u"decode"_qs,
         u"[LINE]"_qs,
         u"Decode a parameter line of the unit (the argument, or the first line of standard input) into the form, as JSON."_qs,
         {},
         runDecode},
        {u"write"_qs,
         u"ownship|system|factory"_qs,
         u"Write the JSON form on standard input to the unit with the window's write and wait for the acknowledgement."_qs,
         {u"port"_qs, u"timeout"_qs, u"verify"_qs, u"json"_qs, u"history-db"_qs},
         runWrite},
        {u"read"_qs,
         QString(),
         u"Read the unit's parameters into the form and print it."_qs,
         {u"port"_qs, u"timeout"_qs, u"json"_qs, u"history-db"_qs},
         runRead},
        {u"records"_qs,
         u"[show MMSI | export | import FILE]"_qs,
         u"List the saved ships, print one ship's stored keys as JSON, write every ship to a file (export) "
         u"or merge a file written so into the store (import)."_qs,
         {u"json"_qs, u"format"_qs, u"output"_qs, u"replace"_qs},
         runRecords},
        {u"check"_qs,
         QString(),
         u"Warn about values of the JSON form on standard input that the unit accepts but a ship should not carry."_qs,
         {u"json"_qs},
         runCheck},
        {u"ports"_qs,
         u"[DEVICE]"_qs,
         u"List the serial ports: device, stable names (by-id, by-path), USB ids, maker, product, serial number, "
         u"whether the user may open it, who holds it, and known traps. --find also tries each port for the unit; "
         u"exit 0 when exactly one answered, 3 when none did, 6 when several did. --pin N DEVICE makes port N that "
         u"device by its stable name; --unpin N removes the pin."_qs,
         {u"find"_qs, u"json"_qs, u"pin"_qs, u"unpin"_qs},
         runPorts},
        {u"history"_qs,
         u"[MMSI | sync]"_qs,
         u"List the transactions with units, newest first: time, MMSI, what was done, the outcome, and for an "
         u"acknowledged write whether its read-back confirmed it; --company lists every installer's from the "
         u"company's database. sync sends the entries the company's database does not hold yet (exit 3 when it "
         u"cannot be reached or refuses)."_qs,
         {u"since"_qs, u"json"_qs, u"company"_qs, u"history-db"_qs},
         runHistory},
        {u"report"_qs,
         u"MMSI"_qs,
         u"Save the ship's installation report as a PDF: its data, the antenna positions, the system settings, what "
         u"the unit last confirmed, the transactions, and lines for the installer's signature."_qs,
         {u"output"_qs, u"installer"_qs},
         runReport},
        {u"help"_qs, u"[COMMAND]"_qs, u"Show the tool's help or a command's."_qs, {}, runHelp},
    };
    return table;
}

} // namespace aisset::cli
