#pragma once

#include "model/StoreFailure.h"

#include <QList>
#include <QString>

#include <optional>

namespace aisset {

// What the status bar reports, as values set by the core; the presentation
// side's catalogue (ui/text) gives their words.

// Panel 2: what became of the last transaction.
struct TransactionStatus {
    enum class Kind {
        None,
        Acknowledged,       // a write's acknowledgement came
        NoAnswer,           // nothing came within the acknowledgement's wait
        ChecksumRetry,      // a reply failed its checksum and is asked for again
        ReadNotDecoded,     // no reply of a read could be decoded
        ReadSucceeded,      // the reply is decoded into the form
        ReadUnconfirmed,    // decoded, but every reply failed its checksum
        DecodingStarted,    // the decoding of a reply has begun
        DecodingField,      // the decoding is at `slot`
        DecodingStatusBits, // the decoding is at the packed status characters
        VerifyAgreed,       // the read-back agrees with the write
        VerifyDiffered,     // the read-back differs (the differences go to a message)
        VerifyNoReply,      // the read-back got no answer
        VerifyUnreliable,   // every answer of the read-back failed its checksum
        DeviceFound,        // the search for the unit found one, at `port` (`device`)
    };
    TransactionStatus() = default;
    TransactionStatus(Kind k) : kind(k) {} // NOLINT: a status is its kind unless it says more
    static TransactionStatus decodingField(int slot)
    {
        TransactionStatus s(Kind::DecodingField);
        s.slot = slot;
        return s;
    }
    static TransactionStatus deviceFound(int port, const QString &device)
    {
        TransactionStatus s(Kind::DeviceFound);
        s.port = port;
        s.device = device;
        return s;
    }

    Kind kind = Kind::None;
    int slot = -1;  // DecodingField: the field being decoded
    int port = 0;   // DeviceFound: the port's number
    QString device; // DeviceFound: the port's device

    bool operator==(const TransactionStatus &) const = default;
};

// Panel 1: the serial port and what opening it gave.
struct ConnectionStatus {
    enum class State {
        None,       // nothing said yet
        Connected,  // open
        NoSuchPort, // no device for that number
        CannotOpen, // the device exists but refused (no permission, busy)
        Lost,       // an open port's device went away
        Searching,  // the search for the unit holds every port
    };
    ConnectionStatus() = default;
    ConnectionStatus(State s, const QString &number = {}, bool opensAtStart = false) // NOLINT
        : state(s), port(number), atStart(opensAtStart)
    {}

    State state = State::None;
    QString port;         // the port's number as chosen or stored
    bool atStart = false; // the status of the port opened at start-up

    bool operator==(const ConnectionStatus &) const = default;
};

// A note panel 2 keeps behind whatever status comes, until it is cleared.
struct TransactionNote {
    enum class Kind {
        ProfileNotSaved, // a write's page could not be saved in the profile store
        HistoryNotSaved, // the history could not be written
        CompanyNotSent,  // entries could not be sent to the company's database
    };
    Kind kind = Kind::ProfileNotSaved;
    StoreFailure why = {}; // ProfileNotSaved: why the store refused

    bool operator==(const TransactionNote &) const = default;
};

// The ship's length and width from the antenna distances, in metres.
struct ShipSize {
    double length = 0;
    double width = 0;

    bool operator==(const ShipSize &) const = default;
};

} // namespace aisset
