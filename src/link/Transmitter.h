#pragma once

#include <QString>

namespace aisset {

class SerialLine;

// Writes sentences to the unit: the one way every other part of the link sends.
class Transmitter {
public:
    explicit Transmitter(SerialLine &line) : line_(line) {}

    // Discards input that arrived before the sentence (it answers nothing sent
    // now), queues the sentence as GBK bytes, unchanged, and returns once it has
    // left the transmit queue. The event loop runs meanwhile, so whatever the unit
    // answers while the sentence drains reaches the receive path, and so does
    // everything that arrives afterwards. On a closed line nothing happens.
    void sendData(const QString &sentence);
    void sendCommand(const QString &sentence) { sendData(sentence); }
    // Whether a sentence can leave at all: the port is open.
    bool canSend() const;

private:
    void waitUntilSent(qint64 bytes);

    SerialLine &line_;
};

} // namespace aisset
