#include "ui/core/WriteVerifier.h"

#include "decoding/ReplyDecoding.h"
#include "link/LinkSession.h"
#include "model/FieldTable.h"

#include <QStringList>

namespace aisset {

WriteVerifier::WriteVerifier(LinkSession &link, const Form &form, Host &host, QObject *parent)
    : QObject(parent), link_(link), form_(form), host_(host)
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &WriteVerifier::giveUp);
    connect(&link_.line(), &SerialLine::connectionLost, this, &WriteVerifier::giveUp);
    connect(&link_.receivePath(), &ReceivePath::verifyReplyHandled, this,
            [this](const QString &reply, DecodeResult, bool readEnded, bool confirmed) {
                replyHandled(reply, readEnded, confirmed);
            });
    link_.receivePath().setVerifyDecoder(standardDecoder(copy_, host_));
}

// The decoding needs the window's choice entries and masks; the values it
// blanks and fills itself.
void WriteVerifier::copyForm()
{
    for (int s = 0; s < kSlotCount; ++s) {
        copy_.setChoiceEntries(s, form_.choice(s).entries());
        copy_.setEditMask(s, form_.edit(s).mask(), form_.edit(s).maxLength());
    }
}

bool WriteVerifier::start(int timeoutMs)
{
    LinkState &state = link_.state();
    if (state.sentWrite.isEmpty())
        return false;
    written_ = state.sentWrite;
    copyForm();
    state.awaitRead(LinkState::Read::Verify);
    state.readRequest = Transactions::readRequest();
    state.readRetries = 0;
    running_ = true;
    late_ = false;
    deadline_.start(timeoutMs);
    state.log.verifySent(state.readRequest);
    link_.transmitter().sendCommand(state.readRequest);
    return true;
}

void WriteVerifier::replyHandled(const QString &reply, bool readEnded, bool confirmed)
{
    if (!(running_ || late_) || !readEnded)
        return;
    running_ = false;
    late_ = false;
    deadline_.stop();
    Result result;
    // A reply that failed its checksum would report differences the line made up.
    if (!confirmed) {
        result.outcome = Outcome::Unreliable;
        emit finished(result);
        return;
    }
    result.differences = compareWrite(written_, reply);
    result.outcome = result.differences.isEmpty() ? Outcome::Agree : Outcome::Differ;
    link_.state().log.verified(reply, result.differences);
    emit finished(result);
}

void WriteVerifier::giveUp()
{
    if (!running_)
        return;
    running_ = false;
    deadline_.stop();
    LinkState &state = link_.state();
    if (state.pendingRead != LinkState::Read::Verify)
        return; // another transaction has the line now
    // A reply that still comes is compared then; it never reaches the form.
    state.awaitRead(LinkState::Read::LateVerify);
    late_ = true;
    state.readRequest.clear();
    state.readRetries = 0;
    state.log.verifyUnanswered();
    emit finished({});
}

} // namespace aisset
