#pragma once

#include "decoding/WriteComparison.h"
#include "model/Form.h"

#include <QObject>
#include <QTimer>

namespace aisset {

class Host;
class LinkSession;

// The read-back after an acknowledged write: the read request with the read's
// repeats and decoding, decoded into a copy of the form so that the window's
// fields, logs and status stay as they are, then every field the write sentence
// carried compared with the unit's reply (compareWrite). The window and the
// command-line tool both run it.
class WriteVerifier : public QObject {
    Q_OBJECT
public:
    // Unreliable: every answer of the read-back failed its checksum, so what the
    // unit holds is not known and nothing is compared.
    enum class Outcome { Agree, Differ, NoReply, Unreliable };
    struct Result {
        Outcome outcome = Outcome::NoReply;
        QList<FieldDifference> differences;
    };

    WriteVerifier(LinkSession &link, const Form &form, Host &host, QObject *parent = nullptr);

    // Reads the unit back and compares it with the last write sentence sent.
    // Without an answer within timeoutMs (or when the port goes) the outcome is
    // NoReply, and a reply that comes later is still compared and reported by a
    // second finished(); a transaction started meanwhile takes the line over and ends the
    // verification without an outcome. False when no write has been sent.
    bool start(int timeoutMs);
    bool isRunning() const { return running_; }

signals:
    void finished(const aisset::WriteVerifier::Result &result);

private:
    void copyForm();
    void replyHandled(const QString &reply, bool readEnded, bool confirmed);
    void giveUp();

    LinkSession &link_;
    const Form &form_;
    Host &host_;
    Form copy_;
    QString written_;
    QTimer deadline_;
    bool running_ = false;
    bool late_ = false; // gave up waiting; a reply that still comes is compared
};

} // namespace aisset
