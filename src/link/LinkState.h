#pragma once

#include "link/TransactionLog.h"
#include "model/FieldTable.h"

#include <QString>

#include <optional>

namespace aisset {

// What the write and read transactions leave behind for the receive path, and
// what they look at while they wait. One instance lives as long as the session.
struct LinkState {
    // A read of the unit's parameters: the window's read; the read-back after a
    // write (Verify), whose reply goes to the verification while the window's
    // fields, logs and status stay as they are; a verification that gave up
    // waiting (LateVerify), whose reply, if it still comes, goes to the
    // verification too, never into the form.
    enum class Read { Parameters, Verify, LateVerify };

    QString recvBuffer; // received text not yet taken as a line
    int idleTicks = 0;  // poll ticks in a row that found no complete line
    // The transaction the next acknowledgement or reply belongs to, one at a
    // time: the write of a group, waiting for its acknowledgement, or a read.
    std::optional<Group> pendingGroup;
    std::optional<Read> pendingRead;
    bool ackOwnShip = false;
    bool ackSystem = false;
    bool ackFactory = false;
    bool retryingWrite = false; // a write is being repeated after the user asked for a retry
    QString readRequest;        // the open read's request, kept for sending it again
    int readRetries = 0;        // how often the open read's request has been sent again
    QString sentWrite;          // the last write sentence sent, kept for its verification
    TransactionLog log;         // tells each finished transaction to the history

    void awaitWrite(Group group)
    {
        pendingGroup = group;
        pendingRead.reset();
    }
    void awaitRead(Read read)
    {
        pendingRead = read;
        pendingGroup.reset();
    }
    void endPending()
    {
        pendingGroup.reset();
        pendingRead.reset();
    }
    // The pending transaction as the history names it; none when nothing is pending.
    std::optional<TransactionKind> pendingKind() const
    {
        if (pendingGroup)
            return writeKind(*pendingGroup);
        if (pendingRead)
            return *pendingRead == Read::Parameters ? TransactionKind::Read : TransactionKind::Verify;
        return std::nullopt;
    }

    // A transaction's name in the trace ("own-ship write", ...).
    static const char *traceName(TransactionKind kind)
    {
        switch (kind) {
        case TransactionKind::OwnShipWrite: return "own-ship write";
        case TransactionKind::SystemWrite: return "system write";
        case TransactionKind::FactoryWrite: return "factory write";
        case TransactionKind::Read: return "read";
        case TransactionKind::Verify: return "verification read";
        }
        return "unknown";
    }

    // The acknowledgement flag of a group's write.
    bool &ackFlag(Group group)
    {
        return group == Group::OwnShip ? ackOwnShip : group == Group::System ? ackSystem : ackFactory;
    }
};

} // namespace aisset
