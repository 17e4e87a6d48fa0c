// aisset-cli write ownship|system|factory --port P: builds the group's sentence
// from a JSON form on standard input (as encode does), writes it to the unit with
// the window's write transaction and waits for the acknowledgement.
#include "Commands.h"

#include "CliHost.h"
#include "CliLink.h"
#include "Form.h"
#include "FormJson.h"
#include "Normalise.h"
#include "Output.h"
#include "Waiting.h"

#include <QJsonArray>

namespace aisset::cli {

namespace {
int writeIndex(Group group)
{
    switch (group) {
    case Group::OwnShip: return 0;
    case Group::System: return 1;
    case Group::Factory: return 2;
    }
    return 0;
}
} // namespace

int runWrite(const CliArgs &args, CliContext &context)
{
    Form form;
    const std::optional<Group> group = groupAndForm(args, form);
    if (!group)
        return UsageError;

    CliHost host;
    BuildResult built;
    const SentenceBuilder standard = LinkSession::standardBuilder(form, host, context.records());
    CliLink link(args.port.isEmpty() ? u"1"_qs : args.port, form, host,
                 [&](Group g) { return built = standard(g); });
    if (const QString error = link.open(); !error.isEmpty()) {
        printError(error);
        return LinkError;
    }
    LinkSession &session = link.session();
    bool acknowledged = false;
    EventWait acknowledgement;
    QObject::connect(&session.receivePath(), &ReceivePath::acknowledged, &session,
                     [&] { acknowledged = true; acknowledgement.finish(); });
    acknowledgement.finishOn(&session.line(), &SerialLine::connectionLost);

    // The confirmation is answered with Yes; the write sends once and returns.
    session.transactions().command2Click(writeIndex(*group));
    if (!built.ok()) {
        printError(host.messages.value(0) + u' ' + str(field(built.failedSlot).name));
        return Refused;
    }
    acknowledgement.run(qint64(args.timeoutSeconds * 1000));

    if (args.json) {
        QJsonObject out;
        out.insert(u"acknowledged"_qs, acknowledged);
        out.insert(u"message"_qs, acknowledged ? host.messages.last() : QString());
        out.insert(u"connection"_qs, form.connectionStatus());
        out.insert(u"trace"_qs, QJsonArray::fromStringList(form.sentCommands()));
        out.insert(u"warnings"_qs, warningsJson(form, *group));
        printJson(out);
    } else if (acknowledged) {
        writeStdout((host.messages.last() + u'\n').toUtf8());
    }
    if (!acknowledged) {
        printError(session.line().isOpen()
                       ? QStringLiteral("no acknowledgement within %1 s").arg(args.timeoutSeconds)
                       : form.connectionStatus());
        return context.afterSaving(built, LinkError);
    }
    return context.afterSaving(built, Success);
}

} // namespace aisset::cli
