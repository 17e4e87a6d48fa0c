#pragma once

#include "encoding/Gbk.h"
#include "link/ReplyDecoder.h"
#include "model/FieldTable.h"

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
// poll timer. A chunk that completes a line (CR LF) has the lines taken at the
// next pass of the event loop, not at the next tick: the user waits for no
// timer, and a unit that talks all the time cannot outrun the path. Each take
// handles every complete line in order and recognises it: an acknowledgement
// marks the pending write as acknowledged and tells the user; a read reply goes
// to the decoding and, when that fails or the reply's checksum does not match,
// the read request is sent again, twice at most. The ticks keep what needs time:
// the count of idle ticks that gives up an unfinished line, and the limit on
// what piles up without a line end.
class ReceivePath : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollPeriodMs = 20;
    static constexpr int kBufferLimit = 2000;  // a buffer this long is dropped whole
    static constexpr int kIdleTickLimit = 200; // ticks an incomplete line is given

    ReceivePath(SerialLine &line, LinkState &state, Form &form, Host &host, Transmitter &transmitter,
                ReplyDecoder decoder, QObject *parent = nullptr);

    // Decodes the replies of a verification read (pendingRead Verify) instead of
    // the form's decoder; the form's fields, logs and status are left alone.
    void setVerifyDecoder(ReplyDecoder decoder) { verifyDecoder_ = std::move(decoder); }

    // The receive event.
    void takeReceived();
    // One tick of the poll timer: every complete line, then the idle count.
    void pollTick();
    bool isPolling() const { return timer_.isActive(); }
    // kPollPeriodMs unless changed; a test slows the ticks down to show that
    // complete lines do not wait for them.
    void setPollPeriod(int ms) { timer_.setInterval(ms); }

signals:
    // A pending write's acknowledgement has been announced to the user.
    void acknowledged(aisset::Group group);
    // A read reply went through the decoding (result 0 decoded, 1 failed);
    // readEnded is false when the request was sent again; confirmed is false when
    // the reply's checksum did not match (a read whose every answer failed it
    // ends with the last one decoded but not confirmed).
    void replyHandled(aisset::DecodeResult result, bool readEnded, bool confirmed);
    // The same for a verification read, with the reply line as it came.
    void verifyReplyHandled(const QString &reply, aisset::DecodeResult result, bool readEnded, bool confirmed);

private:
    void dropCutLine();
    void lineCompleted();
    bool takeCompleteLines();
    void tidyRest(bool tookLine);
    void handleLine(const QString &line);
    void handleAcknowledgement();
    void handleReply(const QString &reply, bool counted);
    void handleVerifyReply(const QString &reply);
    void logReply(const QString &reply, bool counted);
    bool askAgain(const char *transaction, const char *why);
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
    bool linePosted_ = false; // a take of the completed lines is queued
};

} // namespace aisset
