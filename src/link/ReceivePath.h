#pragma once

#include "Gbk.h"
#include "ReplyDecoder.h"

#include <QObject>
#include <QTimer>

namespace aisset {

class Form;
class Host;
class SerialLine;
class Transmitter;
struct LinkState;

// Gathers what the unit sends and acts on it. The receive event appends every
// chunk to the raw receive log and to LinkState::recvBuffer and starts the 20 ms
// poll timer; each poll tick takes at most one complete line (up to CR LF) and
// recognises it: an acknowledgement marks the pending write as acknowledged and
// tells the user; a read reply goes to the decoding and, when that fails, the
// read request is sent again, twice at most.
class ReceivePath : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollPeriodMs = 20;
    static constexpr int kBufferLimit = 2000;  // a buffer this long is dropped whole
    static constexpr int kIdleTickLimit = 200; // ticks an incomplete line is given

    ReceivePath(SerialLine &line, LinkState &state, Form &form, Host &host, Transmitter &transmitter,
                ReplyDecoder decoder, QObject *parent = nullptr);

    // Decodes the replies of a verification read (pendingGroup Verify) instead of
    // the form's decoder; the form's fields, logs and status are left alone.
    void setVerifyDecoder(ReplyDecoder decoder) { verifyDecoder_ = std::move(decoder); }

    // The receive event.
    void takeReceived();
    // One tick of the poll timer.
    void pollTick();
    bool isPolling() const { return timer_.isActive(); }

signals:
    // A pending write's acknowledgement has been announced to the user.
    void acknowledged(short group);
    // A read reply went through the decoding (result 0 decoded, 1 failed);
    // readEnded is false when the request was sent again.
    void replyHandled(int result, bool readEnded);
    // The same for a verification read, with the reply line as it came.
    void verifyReplyHandled(const QString &reply, int result, bool readEnded);

private:
    void dropCutLine();
    void handleLine(const QString &line);
    void handleAcknowledgement();
    void handleReply(const QString &reply, bool counted);
    void handleVerifyReply(const QString &reply);
    bool verifying() const;

    SerialLine &line_;
    LinkState &state_;
    Form &form_;
    Host &host_;
    Transmitter &transmitter_;
    ReplyDecoder decoder_;
    ReplyDecoder verifyDecoder_;
    GbkStreamDecoder text_;
    QTimer timer_;
    bool handling_ = false;
};

} // namespace aisset
