#pragma once

#include "link/TransactionOutcome.h"

#include <QString>

namespace aisset {

// Who ran a transaction, where: the program and the machine it ran on, and the
// port it went through.
struct SessionFacts {
    QString program; // "aisset" or "aisset-cli"
    QString edition; // "full" or "simplified"; empty for the command line
    QString version;
    QString user;
    QString host;
    int port = 0;   // the port number 1-16; 0 when a device path was named
    QString device; // the device behind it
};

// One row of the history: a finished transaction with its session's facts.
struct HistoryEntry {
    TransactionOutcome transaction;
    int utcOffsetSeconds = 0; // the machine's local offset from UTC at that time
    SessionFacts session;
};

} // namespace aisset
