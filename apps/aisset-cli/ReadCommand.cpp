// aisset-cli read --port P: sends the read request with the window's read
// transaction and prints the decoded form once the read has ended: the reply
// decoded, or the repeated requests used up. When every answer failed its
// checksum the last is printed, flagged, with its own exit code.
#include "Commands.h"

#include "CliHost.h"
#include "CliLink.h"
#include "FormJson.h"
#include "Output.h"
#include "link/Waiting.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "ui/text/Catalogue.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

void printFields(const QJsonObject &out)
{
    QString text;
    const QJsonObject fields = out.value(u"fields"_s).toObject();
    for (const FieldInfo &f : fieldTable())
        text += str(f.name) + QStringLiteral(": ") + escapeControls(fields.value(str(f.name)).toString()) + u'\n';
    text += QStringLiteral("status: ") + escapeControls(out.value(u"status"_s).toString()) + u'\n';
    text += QStringLiteral("shipSize: ") + escapeControls(out.value(u"shipSize"_s).toString()) + u'\n';
    writeStdout(text.toUtf8());
}

} // namespace

int runRead(const CliArgs &args, CliContext &context)
{
    if (!args.words.isEmpty())
        return usageError(args, QStringLiteral("takes no words"));
    Form form;
    applyStartState(form);
    CliHost host;
    CliLink link(args.port.isEmpty() ? u"1"_s : args.port, form, host, [](Group) { return BuildResult{}; });
    if (const QString error = link.open(); !error.isEmpty()) {
        printError(error);
        return LinkError;
    }
    LinkSession &session = link.session();
    context.recordHistory(session);
    std::optional<DecodeResult> result; // the decoding's result for the last reply; none while none came
    bool confirmed = false;
    EventWait ended;
    QObject::connect(&session.receivePath(), &ReceivePath::replyHandled, &session, [&](DecodeResult r, bool readEnded, bool c) {
        result = r;
        confirmed = c;
        if (readEnded)
            ended.finish();
    });
    ended.finishOn(&session.line(), &SerialLine::connectionLost);

    session.transactions().startRead();
    if (!ended.run(qint64(args.timeoutSeconds * 1000)) || !result) {
        printError(session.line().isOpen() ? QStringLiteral("no reply within %1 s").arg(args.timeoutSeconds)
                                           : catalogue::text(form.connectionStatus()));
        return context.afterHistory(LinkError);
    }
    const QJsonObject out = decodedForm(form, *result, confirmed);
    if (args.json)
        printJson(out);
    else
        printFields(out);
    return context.afterHistory(decodedExit(*result, confirmed, QStringLiteral("every answer of the unit")));
}

} // namespace aisset::cli
