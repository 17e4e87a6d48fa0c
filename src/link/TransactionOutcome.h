#pragma once

#include "model/FieldDifference.h"
#include "model/FieldTable.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

namespace aisset {

// What a finished transaction with the unit was, as values only: the words a
// person reads are chosen by whoever shows it.
enum class TransactionKind { OwnShipWrite, SystemWrite, FactoryWrite, Read, Verify };

// The write of a parameter group.
constexpr TransactionKind writeKind(Group group)
{
    return group == Group::OwnShip  ? TransactionKind::OwnShipWrite
           : group == Group::System ? TransactionKind::SystemWrite
                                    : TransactionKind::FactoryWrite;
}

enum class TransactionResult {
    Acknowledged,   // a write the unit acknowledged
    NoAnswer,       // nothing came in time (a write, a read or a read-back)
    PortNotOpen,    // a write built but not sent: the port is not open
    Refused,        // a write refused before sending: refusedSlot failed its checks
    Decoded,        // a read whose reply was decoded
    DecodingFailed, // a read whose reply could not be decoded after the repeats
    Agree,          // a read-back that holds what was written
    Differ,         // a read-back that holds other values: see differences
};

struct TransactionOutcome {
    QUuid id;                 // unique for every transaction
    QUuid checks;             // a read-back: the id of the write it checked
    QDateTime startedUtc;     // when the transaction began
    TransactionKind kind = TransactionKind::Read;
    QString mmsi;             // the form's MMSI (for a read: the unit's, once decoded)
    QString sentence;         // the sentence sent (a read and a read-back: the request)
    TransactionResult result = TransactionResult::NoAnswer;
    qint64 milliseconds = -1; // from the last send to the answer; -1 without one
    int refusedSlot = -1;     // Refused: the field that failed
    QString reply;            // a read and a read-back: the unit's reply line
    QList<FieldDifference> differences; // Differ: the fields that differ
};

// Told once about every transaction that has finished, after its outcome is
// known (the history keeps them). It must not fail the transaction: whatever it
// does with the outcome is its own concern.
class TransactionObserver {
public:
    virtual ~TransactionObserver() = default;
    virtual void transactionFinished(const TransactionOutcome &outcome) = 0;
};

} // namespace aisset
