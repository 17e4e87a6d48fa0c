#include "link/ReceivePath.h"

#include "encoding/ReplyChecksum.h"
#include "link/LineClassifier.h"
#include "link/LinkState.h"
#include "link/SerialLine.h"
#include "link/Transmitter.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "trace/Trace.h"
#include "ui/text/Language.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace aisset {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

bool onlyLineEnds(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
}

using Status = TransactionStatus::Kind;

Message acknowledgementMessage(Group group)
{
    switch (group) {
    case Group::OwnShip: return Message::OwnShipWritten;
    case Group::System: return Message::SystemWritten;
    default: return Message::FactoryWritten;
    }
}

} // namespace

ReceivePath::ReceivePath(SerialLine &line, LinkState &state, Form &form, Host &host, Transmitter &transmitter,
                         ReplyDecoder decoder, QObject *parent)
    : QObject(parent), line_(line), state_(state), form_(form), host_(host), transmitter_(transmitter),
      decoder_(std::move(decoder))
{
    timer_.setInterval(kPollPeriodMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ReceivePath::pollTick);
    connect(&line_, &SerialLine::dataReceived, this, &ReceivePath::takeReceived);
    connect(&line_, &SerialLine::connectionLost, this, &ReceivePath::dropCutLine);
}

void ReceivePath::dropCutLine()
{
    // The rest of a line that a vanished device was sending never comes; kept, it
    // would be glued to the first line of the next device (an acknowledgement
    // read as the tail of a reply). Complete lines are still handled.
    QString &buffer = state_.recvBuffer;
    const qsizetype end = buffer.lastIndexOf(kLineEnd);
    buffer.truncate(end < 0 ? 0 : end + 2);
    state_.idleTicks = 0;
    text_.reset();
}

void ReceivePath::takeReceived()
{
    const QByteArray bytes = line_.readAll();
    if (bytes.isEmpty())
        return;
    // A double-byte character split between two chunks is completed by the next.
    const QString text = text_.decode(bytes);
    if (!verifying())
        form_.appendReceiveLog(text);
    QString &buffer = state_.recvBuffer;
    // A CR at the end of the buffer and an LF at the start of the chunk end a line too.
    const qsizetype searchFrom = std::max<qsizetype>(0, buffer.size() - 1);
    buffer += text;
    if (!linePosted_ && buffer.indexOf(kLineEnd, searchFrom) >= 0) {
        linePosted_ = true;
        QMetaObject::invokeMethod(this, &ReceivePath::lineCompleted, Qt::QueuedConnection);
    }
    // Started only when stopped: restarting on every chunk would keep postponing
    // the tick while characters trickle in.
    if (!timer_.isActive())
        timer_.start();
}

void ReceivePath::lineCompleted()
{
    linePosted_ = false;
    // Only complete lines are this pass's business: no idle tick is counted.
    if (!handling_ && takeCompleteLines())
        tidyRest(true);
}

void ReceivePath::pollTick()
{
    if (handling_)
        return;
    tidyRest(takeCompleteLines());
}

bool ReceivePath::takeCompleteLines()
{
    // While a line is handled (a message box open, the decoding running) ticks
    // return at once: the lines behind it wait in the buffer and this loop takes
    // them once the handling is over.
    const QScopedValueRollback guard(handling_, true);
    QString &buffer = state_.recvBuffer;
    bool took = false;
    for (qsizetype end = buffer.indexOf(kLineEnd); end >= 0; end = buffer.indexOf(kLineEnd)) {
        took = true;
        state_.idleTicks = 0;
        const QString line = buffer.left(end + 2);
        buffer.remove(0, end + 2);
        // A line that long is noise that happened to end.
        if (line.size() < kBufferLimit)
            handleLine(line);
    }
    return took;
}

void ReceivePath::tidyRest(bool tookLine)
{
    QString &rest = state_.recvBuffer;
    // Nothing left, a stray line end, or noise that piled up without one: dropped,
    // and the timer rests until the next chunk. One or two other characters are
    // the start of a line still arriving (USB adapters deliver a byte or two at
    // a time).
    if (rest.isEmpty() || (rest.size() <= 2 && onlyLineEnds(rest)) || rest.size() >= kBufferLimit) {
        rest.clear();
        state_.idleTicks = 0;
        timer_.stop();
        return;
    }
    if (tookLine)
        return;
    // Only a complete line resets the count, so a line gets kIdleTickLimit ticks
    // in all. The count restarts after a drop, or the next line would be dropped
    // at its first incomplete tick.
    if (++state_.idleTicks >= kIdleTickLimit) {
        state_.idleTicks = 0;
        rest.clear();
        timer_.stop();
    }
}

void ReceivePath::handleLine(const QString &line)
{
    const ClassifiedLine classified = classifyLine(line);
    const bool forVerification = verifying() || state_.pendingRead == LinkState::Read::LateVerify;
    // A line that is neither (a position report of a talkative unit) leaves the
    // status alone, so the acknowledgement stays readable.
    if (classified.kind != ClassifiedLine::Ignored && !forVerification)
        form_.setTransactionStatus({});
    switch (classified.kind) {
    case ClassifiedLine::Acknowledgement: handleAcknowledgement(); break;
    case ClassifiedLine::Reply:
    case ClassifiedLine::ShiftedReply:
        if (forVerification)
            handleVerifyReply(classified.reply);
        else
            handleReply(classified.reply, classified.kind == ClassifiedLine::Reply);
        break;
    case ClassifiedLine::Ignored: break;
    }
}

void ReceivePath::handleAcknowledgement()
{
    // Nobody waits for an acknowledgement during a read or with nothing open.
    if (!state_.pendingGroup)
        return;
    const Group group = *state_.pendingGroup;
    state_.ackFlag(group) = true;
    qCInfo(lcTransaction) << LinkState::traceName(writeKind(group)) << "acknowledged";
    // The write ends before its success box opens: the box may stay open past
    // the acknowledgement's wait, which must not take the answer for none.
    state_.endPending();
    form_.setTransactionStatus({Status::Acknowledged});
    state_.log.acknowledged(group);
    host_.showMessage(acknowledgementMessage(group));
    emit acknowledged(group);
}

bool ReceivePath::verifying() const { return state_.pendingRead == LinkState::Read::Verify; }

// A reply that could not be decoded or failed its checksum is asked for again
// while the open read has repeats left (three replies in all); false when it
// has none, or no read is open.
bool ReceivePath::askAgain(const char *transaction, const char *why)
{
    if (state_.readRetries >= 2 || state_.readRequest.isEmpty())
        return false;
    qCInfo(lcTransaction) << transaction << why << "request sent again";
    transmitter_.sendCommand(state_.readRequest);
    ++state_.readRetries;
    return true;
}

// The read's repeats without its logs and status: the verification stays open
// while a reply is asked for again.
void ReceivePath::handleVerifyReply(const QString &reply)
{
    const bool confirmed = replyChecksumMatches(reply);
    const DecodeResult result = verifyDecoder_ ? verifyDecoder_(reply) : DecodeResult::Failed;
    if ((result == DecodeResult::Failed || !confirmed) &&
        askAgain("verification read:", confirmed ? "reply not decoded," : "reply checksum differs,")) {
        emit verifyReplyHandled(reply, result, false, confirmed);
        return;
    }
    state_.readRetries = 0;
    state_.readRequest.clear();
    state_.endPending();
    const char *outcome = !confirmed                          ? "reply checksum differs"
                          : result == DecodeResult::Decoded ? "decoded"
                                                            : "failed";
    qCInfo(lcTransaction) << "verification read:" << outcome;
    emit verifyReplyHandled(reply, result, true, confirmed);
}

void ReceivePath::logReply(const QString &reply, bool counted)
{
    // A reply that lost its start is logged without its count.
    QString entry = reply + text::translate("Trace", "长度:%1").arg(reply.size());
    if (counted)
        entry += text::translate("Trace", " 次数:%1").arg(state_.readRetries + 1);
    form_.setReplyLog(form_.replyLog() + entry + QStringLiteral("\r\n"));
}

void ReceivePath::handleReply(const QString &reply, bool counted)
{
    // A reply that fails its checksum is not shown while a better one may come:
    // the form keeps what it held, and the request goes out again.
    const bool confirmed = replyChecksumMatches(reply);
    if (!confirmed && state_.readRetries < 2 && !state_.readRequest.isEmpty()) {
        logReply(reply, counted);
        askAgain("read:", "reply checksum differs,");
        form_.setTransactionStatus({Status::ChecksumRetry});
        state_.endPending();
        emit replyHandled(DecodeResult::Failed, false, confirmed);
        return;
    }
    // The open read's form is emptied only now that the unit has answered: a unit
    // that stays silent leaves what was typed.
    if (!state_.readRequest.isEmpty())
        clearForm(form_);
    const DecodeResult result = decoder_ ? decoder_(reply) : DecodeResult::Failed;
    logReply(reply, counted);

    bool readEnded = true;
    if (result == DecodeResult::Failed) {
        if (state_.readRetries >= 2) {
            qCInfo(lcTransaction) << "read: reply not decoded, no repeats left";
            form_.setTransactionStatus({Status::ReadNotDecoded});
        } else if (askAgain("read:", "reply not decoded,")) {
            readEnded = false;
        }
    } else {
        state_.readRetries = 0;
        state_.readRequest.clear();
        // Every answer failed its checksum: the values are shown, never as read well.
        qCInfo(lcTransaction) << (confirmed ? "read: reply decoded" : "read: reply decoded, its checksum differs");
        form_.setTransactionStatus({confirmed ? Status::ReadSucceeded : Status::ReadUnconfirmed});
    }
    state_.endPending();
    if (readEnded)
        state_.log.readEnded(reply, result);
    emit replyHandled(result, readEnded, confirmed);
}

} // namespace aisset
