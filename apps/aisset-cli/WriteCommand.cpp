// aisset-cli write ownship|system|factory --port P: builds the group's sentence
// from a JSON form on standard input (as encode does), writes it to the unit with
// the window's write transaction and waits for the acknowledgement. With
// --verify it then reads the unit back as the installer's edition of the window
// does and compares what the unit holds with what was written.
#include "Commands.h"

#include "CliHost.h"
#include "CliLink.h"
#include "FormJson.h"
#include "Output.h"
#include "link/Waiting.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "ui/core/WriteVerifier.h"
#include "ui/text/Catalogue.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {
// Runs the read-back of the write just acknowledged; NoReply when the unit does
// not answer within the timeout.
WriteVerifier::Result verifyWrite(LinkSession &session, const Form &form, Host &host, qint64 timeoutMs)
{
    WriteVerifier verifier(session, form, host);
    WriteVerifier::Result result;
    EventWait done;
    QObject::connect(&verifier, &WriteVerifier::finished, &verifier, [&](const WriteVerifier::Result &r) {
        result = r;
        done.finish();
    });
    if (verifier.start(int(timeoutMs)))
        done.run(timeoutMs);
    return result;
}

QJsonArray differencesJson(const QList<FieldDifference> &differences)
{
    QJsonArray out;
    for (const FieldDifference &d : differences)
        out.append(
            QJsonObject{{u"field"_s, str(field(d.slot).name)}, {u"written"_s, d.written}, {u"unit"_s, d.unit}});
    return out;
}

QString differencesText(const QList<FieldDifference> &differences)
{
    QString out = catalogue::text(TransactionStatus::Kind::VerifyDiffered) + u'\n';
    for (const FieldDifference &d : differences)
        out += QStringLiteral("%1: written \"%2\", unit \"%3\"\n").arg(str(field(d.slot).name), d.written, d.unit);
    return out;
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
    CliLink link(args.port.isEmpty() ? u"1"_s : args.port, form, host, [&](Group g) { return built = standard(g); });
    // A port that does not open is reported after the build: a refused form
    // outranks it (exit 1), and an accepted one is saved, as the window's write
    // on a closed port saves the page and sends nothing.
    const QString portError = link.open();
    LinkSession &session = link.session();
    context.recordHistory(session);
    // The history counts a write as unanswered when this command stops waiting.
    const qint64 timeoutMs = qint64(args.timeoutSeconds * 1000);
    session.transactions().setAcknowledgementWaitMs(int(timeoutMs));
    bool acknowledged = false;
    EventWait acknowledgement;
    QObject::connect(&session.receivePath(), &ReceivePath::acknowledged, &session, [&] {
        acknowledged = true;
        acknowledgement.finish();
    });
    acknowledgement.finishOn(&session.line(), &SerialLine::connectionLost);

    // The confirmation is answered with Yes; the write sends once and returns.
    session.transactions().startWrite(*group);
    if (!built.ok()) {
        printError(host.messages.value(0) + u' ' + str(field(built.failedSlot).name));
        return context.afterHistory(Refused);
    }
    if (!portError.isEmpty()) {
        printError(portError);
        return context.afterSaving(built, LinkError);
    }
    acknowledgement.run(timeoutMs);
    const bool verifying = args.isSet(u"verify"_s) && acknowledged;
    const WriteVerifier::Result verification =
        verifying ? verifyWrite(session, form, host, timeoutMs) : WriteVerifier::Result{};
    using Outcome = WriteVerifier::Outcome;

    if (args.json) {
        QJsonObject out;
        out.insert(u"acknowledged"_s, acknowledged);
        out.insert(u"message"_s, acknowledged ? host.messages.last() : QString());
        out.insert(u"connection"_s, catalogue::text(form.connectionStatus()));
        out.insert(u"trace"_s, QJsonArray::fromStringList(form.sentCommands()));
        out.insert(u"warnings"_s, warningsJson(form, *group));
        if (verifying) {
            out.insert(u"verified"_s, verification.outcome == Outcome::Agree);
            out.insert(u"checksumMatches"_s, verification.outcome != Outcome::Unreliable);
            out.insert(u"differences"_s, differencesJson(verification.differences));
        }
        printJson(out);
    } else if (acknowledged) {
        writeStdout((host.messages.last() + u'\n').toUtf8());
        if (verification.outcome == Outcome::Agree)
            writeStdout((catalogue::text(TransactionStatus::Kind::VerifyAgreed) + u'\n').toUtf8());
        else if (verification.outcome == Outcome::Differ)
            writeStdout(differencesText(verification.differences).toUtf8());
    }
    if (!acknowledged) {
        printError(session.line().isOpen() ? QStringLiteral("no acknowledgement within %1 s").arg(args.timeoutSeconds)
                                           : catalogue::text(form.connectionStatus()));
        return context.afterSaving(built, LinkError);
    }
    if (verifying && verification.outcome == Outcome::NoReply) {
        printError(QStringLiteral("no reply to the read-back within %1 s").arg(args.timeoutSeconds));
        return context.afterSaving(built, LinkError);
    }
    if (verifying && verification.outcome == Outcome::Unreliable) {
        return context.afterSaving(built, decodedExit(DecodeResult::Decoded, false, u"every answer to the read-back"_s));
    }
    return context.afterSaving(built, verification.outcome == Outcome::Differ ? Differs : Success);
}

} // namespace aisset::cli
