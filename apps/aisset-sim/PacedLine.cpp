#include "PacedLine.h"

#include <algorithm>
#include <utility>

namespace aisset::sim {

namespace {

using std::chrono::nanoseconds;

// Wakes the timer at the given time, at the next whole millisecond after it.
void wakeAt(QTimer &timer, WireClock::time_point when)
{
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(when - WireClock::now());
    timer.start(int(std::max<qint64>(0, ms.count())));
}

// The bytes up to and including the first LF, or all of them.
QByteArray takeUpToLineEnd(QByteArray &from)
{
    const qsizetype end = from.indexOf('\n');
    const qsizetype n = end < 0 ? from.size() : end + 1;
    QByteArray taken = from.left(n);
    from.remove(0, n);
    return taken;
}

} // namespace

nanoseconds byteTime(int baud) { return baud > 0 ? nanoseconds(10'000'000'000LL / baud) : nanoseconds(0); }

PacedOutput::PacedOutput(int baud, QObject *parent) : QObject(parent), byteTime_(byteTime(baud))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PacedOutput::pump);
}

void PacedOutput::sendAnswer(const QByteArray &bytes)
{
    if (answers_.isEmpty())
        answersSince_ = WireClock::now();
    answers_ += bytes;
    pump();
}

bool PacedOutput::sendStreamLine(const QByteArray &line)
{
    if (!stream_.isEmpty() || hangUpPending_)
        return false;
    stream_ = line;
    streamSince_ = WireClock::now();
    pump();
    return true;
}

void PacedOutput::hangUpWhenSent()
{
    hangUpPending_ = true;
    pump();
}

void PacedOutput::pump()
{
    const WireClock::time_point now = WireClock::now();
    while (deliverDue(now) && putNextOnWire()) {
    }
    if (!wire_.isEmpty()) {
        wakeAt(timer_, wireStart_ + byteTime_);
    } else if (hangUpPending_ && answers_.isEmpty()) {
        hangUpPending_ = false;
        emit hangUp();
    }
}

// Hands on the bytes whose frames have ended; true when the wire is empty.
bool PacedOutput::deliverDue(WireClock::time_point now)
{
    if (wire_.isEmpty())
        return true;
    const qsizetype due =
        byteTime_.count() == 0 ? wire_.size() : std::min<qsizetype>(wire_.size(), (now - wireStart_) / byteTime_);
    if (due == 0)
        return false;
    const QByteArray bytes = wire_.left(due);
    wire_.remove(0, due);
    wireStart_ += due * byteTime_;
    emit output(bytes);
    if (wireIsAnswer_) {
        answerLine_ += bytes;
        if (answerLine_.endsWith('\n'))
            emit answerLineSent(std::exchange(answerLine_, {}));
    }
    if (!wire_.isEmpty())
        return false;
    free_ = wireStart_;
    return true;
}

// Puts the rest of the half-sent line, or at a line boundary the next line,
// on the empty wire; false when nothing waits.
bool PacedOutput::putNextOnWire()
{
    Source source = lineSource_;
    if (source == Source::None)
        source = !answers_.isEmpty()                       ? Source::Answer
                 : (!stream_.isEmpty() && !hangUpPending_) ? Source::Stream
                                                           : Source::None;
    QByteArray &from = source == Source::Answer ? answers_ : stream_;
    if (source == Source::None || from.isEmpty())
        return false;
    const WireClock::time_point since = source == Source::Answer ? answersSince_ : streamSince_;
    wire_ = takeUpToLineEnd(from);
    wireIsAnswer_ = source == Source::Answer;
    wireStart_ = std::max(free_, since);
    lineSource_ = wire_.endsWith('\n') ? Source::None : source;
    // What is left waits from the moment this part has gone.
    if (!from.isEmpty())
        (source == Source::Answer ? answersSince_ : streamSince_) = wireStart_;
    return true;
}

PacedInput::PacedInput(int baud, QObject *parent) : QObject(parent), byteTime_(byteTime(baud))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PacedInput::pump);
}

void PacedInput::take(const QByteArray &bytes)
{
    if (byteTime_.count() == 0) {
        emit arrived(bytes);
        return;
    }
    free_ = std::max(free_, WireClock::now()) + bytes.size() * byteTime_;
    queue_.append({free_, bytes});
    pump();
}

void PacedInput::pump()
{
    const WireClock::time_point now = WireClock::now();
    while (!queue_.isEmpty() && queue_.first().due <= now)
        emit arrived(queue_.takeFirst().bytes);
    if (!queue_.isEmpty())
        wakeAt(timer_, queue_.first().due);
}

} // namespace aisset::sim
