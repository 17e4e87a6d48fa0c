#pragma once

#include "link/Console.h"
#include "link/LinkState.h"
#include "link/PortChoice.h"
#include "link/ReceivePath.h"
#include "link/ReplyDecoder.h"
#include "link/SerialLine.h"
#include "link/Transactions.h"
#include "link/Transmitter.h"

#include <QObject>

#include <memory>

namespace aisset {

class Form;
class Host;
class RecordSink;
class SettingStore;

// The device link of one form: the serial line, the port choice, the shared
// LinkState, the receive path with its poll timer, the four transactions and the
// console, wired together. The window, the command-line tool and the tests each
// create one. Start it with ports().openAtStartup() (or select a port); the
// receive path then runs on the Qt event loop by itself.
class LinkSession : public QObject {
    Q_OBJECT
public:
    struct Options {
        std::unique_ptr<SerialLine> line; // a QtSerialLine on portDevice() when empty
        Transactions::Wait wait;          // waitSeconds when empty
    };

    LinkSession(Form &form, Host &host, SettingStore &store, ReplyDecoder decoder, SentenceBuilder build,
                Options options = {}, QObject *parent = nullptr);
    ~LinkSession() override;

    // The sentence builders of the encoding layer, saving into the given sink.
    static SentenceBuilder standardBuilder(Form &form, Host &host, RecordSink *records);

    // Told about every finished transaction (the history); none when null.
    void setObserver(TransactionObserver *observer);
    // The user is done with the unit: a transaction still open (a read whose
    // reply never came) ends unanswered now. The session's end does it too.
    void endTransactions() { state_.log.close(); }

    SerialLine &line() { return *line_; }
    LinkState &state() { return state_; }
    Transmitter &transmitter() { return transmitter_; }
    PortChoice &ports() { return ports_; }
    ReceivePath &receivePath() { return receive_; }
    Transactions &transactions() { return transactions_; }
    Console &console() { return console_; }

private:
    std::unique_ptr<SerialLine> line_;
    LinkState state_;
    Transmitter transmitter_;
    PortChoice ports_;
    ReceivePath receive_;
    Transactions transactions_;
    Console console_;
};

} // namespace aisset
