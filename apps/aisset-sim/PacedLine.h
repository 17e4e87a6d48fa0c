#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace aisset::sim {

using WireClock = std::chrono::steady_clock;

// The time one byte takes on a serial line of the given speed: 10 bits with a
// start and a stop bit. Zero for speed 0, a line without pace.
std::chrono::nanoseconds byteTime(int baud);

// What the unit sends, paced like a serial line: one line after the other, each
// byte handed on when its frame would end on the wire. Answers go out at the next
// line boundary, ahead of a stream line that waits; a stream line waits only
// while another one is on its way, so the stream never outruns the line. At
// speed 0 everything is handed on at once, still whole lines at a time.
class PacedOutput : public QObject {
    Q_OBJECT
public:
    explicit PacedOutput(int baud, QObject *parent = nullptr);

    void sendAnswer(const QByteArray &bytes);
    // False when a stream line still waits: this one is not sent.
    bool sendStreamLine(const QByteArray &line);
    // Raises hangUp once the answer bytes queued so far are out.
    void hangUpWhenSent();

signals:
    void output(const QByteArray &bytes);
    // The last byte of an answer line has been handed on.
    void answerLineSent(const QByteArray &line);
    void hangUp();

private:
    enum class Source { None, Answer, Stream };

    void pump();
    bool deliverDue(WireClock::time_point now);
    bool putNextOnWire();

    std::chrono::nanoseconds byteTime_;
    QByteArray answers_;
    QByteArray stream_;
    WireClock::time_point answersSince_;
    WireClock::time_point streamSince_;
    Source lineSource_ = Source::None; // whose line is half sent
    QByteArray wire_;                  // on the wire, not handed on yet
    bool wireIsAnswer_ = false;
    WireClock::time_point wireStart_; // the first byte of wire_ started then
    WireClock::time_point free_;      // the last byte handed on ended then
    QByteArray answerLine_;           // the answer line handed on so far
    bool hangUpPending_ = false;
    QTimer timer_;
};

// What the unit takes, no faster than a serial line of the given speed carries
// it: a chunk is handed on when its last byte would have arrived.
class PacedInput : public QObject {
    Q_OBJECT
public:
    explicit PacedInput(int baud, QObject *parent = nullptr);
    void take(const QByteArray &bytes);

signals:
    void arrived(const QByteArray &bytes);

private:
    struct Chunk {
        WireClock::time_point due;
        QByteArray bytes;
    };
    void pump();

    std::chrono::nanoseconds byteTime_;
    WireClock::time_point free_;
    QList<Chunk> queue_;
    QTimer timer_;
};

} // namespace aisset::sim
