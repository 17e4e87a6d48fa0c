// aisset-cli encode ownship|system|factory: builds one write sentence from a JSON
// form on standard input with the same builders as the window.
#include "Commands.h"

#include "CliHost.h"
#include "FormJson.h"
#include "Output.h"
#include "encoding/Builders.h"
#include "encoding/Gbk.h"
#include "model/Form.h"
#include "model/Normalise.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace aisset::cli {

std::optional<Group> groupByName(const QString &name)
{
    if (name == u"ownship")
        return Group::OwnShip;
    if (name == u"system")
        return Group::System;
    if (name == u"factory")
        return Group::Factory;
    return std::nullopt;
}

std::optional<Group> groupAndForm(const CliArgs &args, Form &form)
{
    const std::optional<Group> group = args.words.size() == 1 ? groupByName(args.words[0]) : std::nullopt;
    if (!group) {
        usageError(args, QStringLiteral("needs one group: ownship, system or factory"));
        return std::nullopt;
    }
    if (auto error = formFromStdin(form); error) {
        printError(*error);
        return std::nullopt;
    }
    return group;
}

int runEncode(const CliArgs &args, CliContext &context)
{
    Form form;
    const std::optional<Group> group = groupAndForm(args, form);
    if (!group)
        return UsageError;
    CliHost host;
    const BuildResult result = buildSentence(*group, form, host, context.records());
    const QString failedName = result.ok() ? QString() : str(field(result.failedSlot).name);
    if (args.json) {
        QJsonObject out;
        if (result.ok()) {
            out.insert(u"sentence"_s, result.sentence);
        } else {
            out.insert(u"error"_s, host.messages.value(0));
            out.insert(u"field"_s, failedName);
        }
        out.insert(u"trace"_s, QJsonArray::fromStringList(form.sentCommands()));
        out.insert(u"warnings"_s, warningsJson(form, *group));
        printJson(out);
    } else if (result.ok()) {
        writeStdout(toGbk(result.sentence));
    } else {
        printError(host.messages.value(0) + u' ' + failedName);
    }
    return result.ok() ? context.afterSaving(result, Success) : Refused;
}

} // namespace aisset::cli
