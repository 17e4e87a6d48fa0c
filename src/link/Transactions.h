#pragma once

#include "encoding/BuildResult.h"
#include "link/TransactionOutcome.h"
#include "model/FieldTable.h"

#include <QTimer>

#include <functional>
#include <optional>

namespace aisset {

class Form;
class Host;
class Transmitter;
struct LinkState;

// Builds the write sentence of a parameter group from the form (the sentence
// builders, with the record saving of a successful build).
using SentenceBuilder = std::function<BuildResult(Group group)>;

// The transactions with the unit: the write of a parameter group, and the read.
// A write asks for confirmation, builds its
// sentence and sends it. With the no-repeat option (on at start) it sends once
// and returns; the acknowledgement is announced by the receive path whenever it
// comes. Without it, it sends up to N times, waiting one second after each send,
// and offers a retry when no acknowledgement came. A write clears the
// transaction status when it starts; when the port is not open it sends nothing
// and says so, and when no acknowledgement has come three seconds after the
// sentence left the status says that. A page whose saving failed is still
// written; the status then ends in a note that says so until the next write starts. A read sends the read request and
// returns; the receive path clears the form when the reply comes and decodes it. A unit that does not answer
// leaves the form as it was, and after three seconds the status says so as for a write.
class Transactions {
public:
    // WaitSeconds; tests pass a wait that does not let real time pass.
    using Wait = std::function<void(int seconds)>;

    Transactions(LinkState &state, Form &form, Host &host, Transmitter &transmitter, SentenceBuilder build,
                 Wait wait = {});

    void startWrite(Group group);
    void startRead();

    // "不循环设置": a write sends once and does not wait.
    bool noRepeat() const { return noRepeat_; }
    void setNoRepeat(bool on) { noRepeat_ = on; }

    // The read request: "$CVRSE,*7D" and CR LF.
    static QString readRequest();

    // How long after a write's last send the status waits for the acknowledgement
    // before it says that none came (three seconds unless set).
    void setAcknowledgementWaitMs(int ms) { acknowledgementWait_.setInterval(ms); }

private:
    void send(const QString &sentence, TransactionKind transaction);

    LinkState &state_;
    Form &form_;
    Host &host_;
    Transmitter &transmitter_;
    SentenceBuilder build_;
    Wait wait_;
    bool noRepeat_ = true;
    QTimer acknowledgementWait_; // runs from a write's last send or a read's request
    std::optional<TransactionKind> awaited_; // the transaction that answer belongs to
};

} // namespace aisset
