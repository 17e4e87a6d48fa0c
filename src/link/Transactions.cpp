#include "link/Transactions.h"

#include "encoding/Primitives.h"
#include "link/LinkState.h"
#include "link/Transmitter.h"
#include "link/Waiting.h"
#include "model/Form.h"
#include "model/Host.h"
#include "trace/Trace.h"

#include <algorithm>
#include <array>

namespace aisset {

namespace {

struct WriteKind {
    Group group;
    int sends;           // sends per attempt without the no-repeat option
    bool disablesWindow; // the factory write leaves the window enabled
};

constexpr std::array<WriteKind, 3> kWrites{{
    {Group::OwnShip, 2, true},
    {Group::System, 3, true},
    {Group::Factory, 2, false},
}};

} // namespace

Transactions::Transactions(LinkState &state, Form &form, Host &host, Transmitter &transmitter, SentenceBuilder build,
                           Wait wait)
    : state_(state), form_(form), host_(host), transmitter_(transmitter), build_(std::move(build)),
      wait_(wait ? std::move(wait) : Wait(waitSeconds))
{
    acknowledgementWait_.setSingleShot(true);
    acknowledgementWait_.setInterval(3000);
    // The receive path ends the pending write when its acknowledgement comes (a
    // late one is still announced as a success), and the read when its reply comes.
    QObject::connect(&acknowledgementWait_, &QTimer::timeout, &acknowledgementWait_, [this] {
        if (!awaited_ || state_.pendingKind() != awaited_)
            return;
        qCInfo(lcTransaction) << LinkState::traceName(*awaited_) << "not acknowledged in time";
        form_.setTransactionStatus({TransactionStatus::Kind::NoAnswer});
        state_.log.noAnswer();
    });
}

QString Transactions::readRequest() { return frameCode(QStringLiteral("CVRSE"), {}); }

void Transactions::startWrite(Group group)
{
    const WriteKind &kind =
        *std::find_if(kWrites.begin(), kWrites.end(), [group](const WriteKind &w) { return w.group == group; });
    const TransactionKind transaction = writeKind(group);
    bool &acknowledged = state_.ackFlag(group);
    // Every way out leaves the flags cleared and the window enabled.
    const auto end = [&] {
        acknowledged = false;
        state_.retryingWrite = false;
        form_.setEnabled(true);
    };

    form_.setReceiveLog({});
    form_.setTransactionStatus({});
    form_.setTransactionNotes({});
    acknowledgementWait_.stop();
    if (!state_.retryingWrite && !host_.askYesNo(Message::StartWrite))
        return end();
    // A retry repeats the whole write without the first question; the loop stands
    // for the nesting of one write inside the other.
    for (;;) {
        if (kind.disablesWindow)
            form_.setEnabled(false);
        const BuildResult built = build_(kind.group);
        if (!built.ok()) {
            qCInfo(lcTransaction) << LinkState::traceName(transaction) << "refused by the checks";
            state_.log.refused(kind.group, built.failedSlot);
            return end(); // the builder has told the user what is wrong
        }
        if (built.savingFailed())
            form_.setTransactionNotes({{TransactionNote::Kind::ProfileNotSaved, built.savingFailure}}); // the write goes on
        if (!transmitter_.canSend()) {
            qCInfo(lcTransaction) << LinkState::traceName(transaction) << "not sent: the port is not open";
            form_.setEnabled(true);
            state_.log.notSent(kind.group, built.sentence);
            host_.showWarning(Message::PortNotOpen); // the page is saved all the same
            return end();
        }
        state_.awaitWrite(group);
        state_.sentWrite = built.sentence;
        acknowledged = false;
        if (noRepeat_) {
            send(built.sentence, transaction);
            return end(); // a late acknowledgement is still announced
        }
        for (int sent = 0; sent < kind.sends && !acknowledged; ++sent) {
            send(built.sentence, transaction);
            wait_(1);
        }
        if (acknowledged)
            return end();
        if (kind.disablesWindow)
            form_.setEnabled(true);
        if (!host_.askYesNo(Message::RetryWrite))
            return end();
        state_.retryingWrite = true;
        form_.setReceiveLog({});
    }
}

void Transactions::send(const QString &sentence, TransactionKind transaction)
{
    qCInfo(lcTransaction) << LinkState::traceName(transaction) << "sent";
    state_.log.sent(transaction, sentence); // before: the answer can come while it drains
    transmitter_.sendCommand(sentence);
    awaited_ = transaction;
    acknowledgementWait_.start();
}

void Transactions::startRead()
{
    acknowledgementWait_.stop();
    form_.setReceiveLog({});
    form_.setTransactionStatus({});
    form_.setReplyLog({});
    state_.awaitRead(LinkState::Read::Parameters);
    form_.clearSentCommands();
    const QString request = readRequest();
    state_.readRequest = request;
    state_.readRetries = 0;
    form_.appendSentCommand(request);
    qCInfo(lcTransaction) << "read: request sent";
    state_.log.sent(TransactionKind::Read, request);
    transmitter_.sendCommand(request);
    awaited_ = TransactionKind::Read;
    acknowledgementWait_.start();
    form_.setEnabled(true);
}

} // namespace aisset
