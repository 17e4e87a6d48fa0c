#pragma once

#include "link/TransactionOutcome.h"
#include "model/DecodeResult.h"
#include "model/FieldTable.h"

#include <QElapsedTimer>

#include <optional>

namespace aisset {

class Form;

// Follows the transactions through the points where they begin and end and
// tells the observer once per finished transaction. It lives in LinkState, so
// the transactions, the receive path and the read-back reach it without more
// wiring; without an observer it only keeps time.
//
// One transaction is open at a time: a transaction that begins while another
// is open (a read whose reply never came) ends that one as unanswered, and so
// does close() at the end of a session. An acknowledgement that comes after
// its write was given up as unanswered is told as a second, acknowledged
// outcome of the same sentence.
class TransactionLog {
public:
    void setObserver(TransactionObserver *observer) { observer_ = observer; }
    // The form whose MMSI each outcome carries.
    void setForm(const Form *form) { form_ = form; }

    void refused(Group group, int slot);
    void notSent(Group group, const QString &sentence);
    // A write's sentence or the read request left; a repeat of the open write's
    // sentence keeps it open and restarts its clock.
    void sent(TransactionKind kind, const QString &sentence);
    void acknowledged(Group group);
    // The acknowledgement wait of the open write ran out.
    void noAnswer();
    // A read ended: its reply decoded or not.
    void readEnded(const QString &reply, DecodeResult result);
    void verifySent(const QString &request);
    void verified(const QString &reply, const QList<FieldDifference> &differences);
    void verifyUnanswered();
    // The session ends: an open transaction ends unanswered.
    void close();

private:
    struct Open {
        TransactionOutcome outcome;
        QElapsedTimer clock; // from the last send
    };
    Open begin(TransactionKind kind, const QString &sentence);
    void finish(Open open, TransactionResult result);

    TransactionObserver *observer_ = nullptr;
    const Form *form_ = nullptr;
    std::optional<Open> open_;
    std::optional<Open> lastWrite_; // the last write sent, for a late acknowledgement and the read-back
    QUuid acknowledgedWrite_;       // the last acknowledged write, checked by the next read-back
};

} // namespace aisset
