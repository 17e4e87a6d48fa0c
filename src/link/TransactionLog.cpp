#include "link/TransactionLog.h"

#include "link/LinkState.h"
#include "model/Form.h"
#include "model/Normalise.h"

namespace aisset {

namespace {

bool isWrite(TransactionKind kind) { return kind != TransactionKind::Read && kind != TransactionKind::Verify; }

// Results that answer something the unit said carry the time it took.
bool timed(TransactionResult result)
{
    return result != TransactionResult::NoAnswer && result != TransactionResult::PortNotOpen &&
           result != TransactionResult::Refused;
}

} // namespace

TransactionLog::Open TransactionLog::begin(TransactionKind kind, const QString &sentence)
{
    if (open_) {
        Open unanswered = std::move(*open_);
        open_.reset();
        finish(std::move(unanswered), TransactionResult::NoAnswer);
    }
    Open open;
    open.outcome.id = QUuid::createUuid();
    open.outcome.startedUtc = QDateTime::currentDateTimeUtc();
    open.outcome.kind = kind;
    open.outcome.sentence = sentence;
    open.clock.start();
    return open;
}

void TransactionLog::finish(Open open, TransactionResult result)
{
    if (!observer_)
        return;
    TransactionOutcome &outcome = open.outcome;
    outcome.result = result;
    outcome.milliseconds = timed(result) ? open.clock.elapsed() : -1;
    if (form_)
        outcome.mmsi = ccg(form_->editText(slot::mmsi));
    observer_->transactionFinished(outcome);
}

void TransactionLog::refused(Group group, int slot)
{
    Open open = begin(writeKind(group), {});
    open.outcome.refusedSlot = slot;
    finish(std::move(open), TransactionResult::Refused);
}

void TransactionLog::notSent(Group group, const QString &sentence)
{
    finish(begin(writeKind(group), sentence), TransactionResult::PortNotOpen);
}

void TransactionLog::sent(TransactionKind kind, const QString &sentence)
{
    const bool repeat = open_ && isWrite(kind) && open_->outcome.kind == kind && open_->outcome.sentence == sentence;
    if (repeat)
        open_->clock.start();
    else
        open_ = begin(kind, sentence);
    if (isWrite(kind))
        lastWrite_ = open_;
}

void TransactionLog::acknowledged(Group group)
{
    const TransactionKind kind = writeKind(group);
    std::optional<Open> write;
    if (open_ && open_->outcome.kind == kind) {
        write = std::move(open_);
        open_.reset();
    } else if (lastWrite_ && lastWrite_->outcome.kind == kind) {
        // Late: the write was told as unanswered already; this is its answer.
        write = lastWrite_;
        write->outcome.id = QUuid::createUuid();
    }
    lastWrite_.reset();
    if (!write)
        return;
    acknowledgedWrite_ = write->outcome.id;
    finish(std::move(*write), TransactionResult::Acknowledged);
}

void TransactionLog::noAnswer()
{
    if (!open_ || !isWrite(open_->outcome.kind))
        return;
    Open write = std::move(*open_);
    open_.reset();
    finish(std::move(write), TransactionResult::NoAnswer);
}

void TransactionLog::readEnded(const QString &reply, DecodeResult result)
{
    if (!open_ || open_->outcome.kind != TransactionKind::Read)
        return; // a reply nobody asked for
    Open read = std::move(*open_);
    open_.reset();
    read.outcome.reply = reply;
    finish(std::move(read), result == DecodeResult::Decoded ? TransactionResult::Decoded : TransactionResult::DecodingFailed);
}

void TransactionLog::verifySent(const QString &request)
{
    open_ = begin(TransactionKind::Verify, request);
    open_->outcome.checks = acknowledgedWrite_;
}

void TransactionLog::verified(const QString &reply, const QList<FieldDifference> &differences)
{
    if (!open_ || open_->outcome.kind != TransactionKind::Verify)
        return;
    Open verify = std::move(*open_);
    open_.reset();
    verify.outcome.reply = reply;
    verify.outcome.differences = differences;
    finish(std::move(verify), differences.isEmpty() ? TransactionResult::Agree : TransactionResult::Differ);
}

void TransactionLog::verifyUnanswered()
{
    if (open_ && open_->outcome.kind == TransactionKind::Verify)
        close();
}

void TransactionLog::close()
{
    if (!open_)
        return;
    Open unanswered = std::move(*open_);
    open_.reset();
    finish(std::move(unanswered), TransactionResult::NoAnswer);
}

} // namespace aisset
