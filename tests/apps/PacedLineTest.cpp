// The virtual unit's serial-line pace: answers ahead of waiting stream lines at
// line boundaries, no byte sooner than its frame ends, no answer line split.
#include "PacedLine.h"
#include "PositionStream.h"

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace aisset::sim;

namespace {

// Runs the event loop until the condition holds; false after two seconds.
bool waitUntilTrue(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && !clock.hasExpired(2000)) {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Everything the paced output hands on, and when the last of it came.
struct Received {
    explicit Received(PacedOutput &out)
    {
        QObject::connect(&out, &PacedOutput::output, &out, [this](const QByteArray &b) {
            bytes += b;
            last = WireClock::now();
        });
        QObject::connect(&out, &PacedOutput::answerLineSent, &out, [this](const QByteArray &l) { answers << l; });
    }
    QByteArray bytes;
    QByteArrayList answers;
    WireClock::time_point last;
};

const QByteArray kAck = "!CVACK\r\n";

TEST(PacedLine, AnAnswerGoesOutAtTheNextLineBoundaryAheadOfAWaitingStreamLine)
{
    const QByteArray first = PositionStream::sentence(1);
    const QByteArray second = PositionStream::sentence(2);
    const QByteArray third = PositionStream::sentence(3);
    ASSERT_EQ(first.size(), 70);
    // Without pace every line is out at once; paced, the first line is still on
    // the wire when the second and the answer come, and the answer passes the
    // waiting second line.
    const std::pair<int, QByteArray> cases[] = {{0, first + second + third + kAck}, {38400, first + kAck + second}};
    for (const auto &[baud, expected] : cases) {
        PacedOutput out(baud);
        Received got(out);
        EXPECT_TRUE(out.sendStreamLine(first));
        EXPECT_TRUE(out.sendStreamLine(second));
        // While a stream line waits the next is refused: the stream cannot outrun the line.
        EXPECT_EQ(out.sendStreamLine(third), baud == 0) << baud;
        out.sendAnswer(kAck);
        EXPECT_TRUE(waitUntilTrue([&] { return got.bytes.size() >= expected.size(); })) << baud;
        EXPECT_EQ(QString::fromLatin1(got.bytes), QString::fromLatin1(expected)) << baud;
        EXPECT_EQ(got.answers, QByteArrayList{kAck}) << baud;
    }
}

// Each byte takes 10 bits: 85 bytes at 38400 baud take 22.1 ms. Only the lower
// bound is checked; how late a busy machine wakes the unit is not its fault.
TEST(PacedLine, NoByteLeavesBeforeItsFrameEndsEitherWay)
{
    const QByteArray line = QByteArray(83, 'x') + "\r\n";
    const auto wire = std::chrono::microseconds(line.size() * 10'000'000LL / 38400);
    PacedOutput out(38400);
    Received got(out);
    const WireClock::time_point queued = WireClock::now();
    out.sendAnswer(line);
    ASSERT_TRUE(waitUntilTrue([&] { return got.bytes == line; }));
    EXPECT_GE(got.last - queued, wire);

    PacedInput in(38400);
    QByteArray arrived;
    WireClock::time_point lastArrival;
    QObject::connect(&in, &PacedInput::arrived, &in, [&](const QByteArray &b) {
        arrived += b;
        lastArrival = WireClock::now();
    });
    const WireClock::time_point written = WireClock::now();
    in.take(line.left(40));
    in.take(line.mid(40));
    ASSERT_TRUE(waitUntilTrue([&] { return arrived == line; }));
    EXPECT_GE(lastArrival - written, wire);
}

// An answer written in pieces is one line on the wire: a stream line waits
// until its end. Hanging up waits for the answer bytes queued before.
TEST(PacedLine, AnAnswerInPiecesIsNotCutByTheStreamAndAHangUpWaitsForIt)
{
    PacedOutput out(0);
    Received got(out);
    bool hungUp = false;
    QObject::connect(&out, &PacedOutput::hangUp, &out, [&] { hungUp = true; });
    out.sendAnswer("!CV");
    EXPECT_TRUE(out.sendStreamLine(PositionStream::sentence(1)));
    EXPECT_EQ(got.bytes, "!CV");
    out.sendAnswer("ACK\r\n");
    EXPECT_EQ(got.bytes, "!CVACK\r\n" + PositionStream::sentence(1));

    PacedOutput paced(38400);
    Received cut(paced);
    QObject::connect(&paced, &PacedOutput::hangUp, &paced, [&] { hungUp = cut.bytes == "!CVSET,0123"; });
    paced.sendAnswer("!CVSET,0123");
    paced.hangUpWhenSent();
    EXPECT_FALSE(hungUp);
    EXPECT_TRUE(waitUntilTrue([&] { return hungUp; }));
}

} // namespace
