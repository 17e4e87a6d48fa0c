#pragma once

#include "link/TransactionLog.h"

#include <QString>

namespace aisset {

// What the write and read transactions leave behind for the receive path, and
// what they look at while they wait. One instance lives as long as the session.
struct LinkState {
    // The transaction the next acknowledgement or reply belongs to.
    // Verify is the read-back after a write: its reply goes to the verification
    // and the window's fields, logs and status stay as they are.
    // LateVerify is a verification that gave up waiting: its reply, if it still
    // comes, goes to the verification too, never into the form.
    enum Pending : short {
        None = 0,
        OwnShipWrite = 1,
        SystemWrite = 2,
        FactoryWrite = 3,
        Read = 4,
        Verify = 5,
        LateVerify = 6
    };

    QString recvBuffer; // received text not yet taken as a line
    int idleTicks = 0;  // poll ticks in a row that found no complete line
    short pendingGroup = None;
    bool ackOwnShip = false;
    bool ackSystem = false;
    bool ackFactory = false;
    bool retryingWrite = false; // a write is being repeated after the user asked for a retry
    QString readRequest;        // the open read's request, kept for sending it again
    int readRetries = 0;        // how often the open read's request has been sent again
    QString sentWrite;          // the last write sentence sent, kept for its verification
    TransactionLog log;         // tells each finished transaction to the history

    // A transaction's name in the trace ("own-ship write", ...).
    static const char *traceName(short pending)
    {
        constexpr const char *kNames[] = {"none",          "own-ship write", "system write",
                                          "factory write", "read",           "verification read"};
        return pending >= None && pending <= Verify ? kNames[pending] : "unknown";
    }

    // The acknowledgement flag of a write (pendingGroup 1-3).
    bool &ackFlag(short group)
    {
        return group == OwnShipWrite ? ackOwnShip : group == SystemWrite ? ackSystem : ackFactory;
    }
};

} // namespace aisset
