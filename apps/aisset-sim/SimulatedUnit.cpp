#include "SimulatedUnit.h"

#include "encoding/Gbk.h"
#include "encoding/Primitives.h"

namespace aisset::sim {

namespace {

// Noise as a line of its own: bytes that form no GBK character and no
// acknowledgement or reply text. XON and XOFF (0x11, 0x13) are left out: the
// host's flow control would swallow them.
const QByteArray kGarbage = QByteArray("#\xff\xfe~noise\x80\x81", 11) + "\r\n";

// The last MMSI digit of a parameter line (positions 50-58, 1-based).
constexpr qsizetype kLastMmsiDigit = 57;

// A line hit on the way: one digit changed, the checksum left as the unit made it.
QString flipDigit(QString line)
{
    const QChar digit = line[kLastMmsiDigit];
    line[kLastMmsiDigit] = digit == u'9' ? u'0' : QChar(digit.unicode() + 1);
    return line;
}

} // namespace

SimulatedUnit::SimulatedUnit(Faults faults, QObject *parent) : QObject(parent), faults_(faults)
{
    pacer_.setSingleShot(true);
    pacer_.setTimerType(Qt::PreciseTimer);
    connect(&pacer_, &QTimer::timeout, this, [this] {
        if (queue_.isEmpty())
            return;
        const Piece piece = queue_.takeFirst();
        if (piece.hangUp) {
            hungUp_ = true;
            queue_.clear();
            emit hangUp();
            return;
        }
        emit output(piece.bytes);
        pump();
    });
}

void SimulatedUnit::receive(const QByteArray &bytes)
{
    pending_ += bytes;
    for (qsizetype end = pending_.indexOf("\r\n"); end >= 0; end = pending_.indexOf("\r\n")) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 2);
        takeLine(line);
    }
    if (pending_.size() >= kLineLimit)
        pending_.clear();
}

void SimulatedUnit::takeLine(const QByteArray &bytes)
{
    const QString line = fromGbk(bytes);
    emit log(QStringLiteral("< ") + line);
    // "$", five letters of address, ",", the body, "*", two hex digits. The body
    // may hold "$", "," and "*" itself, so it is taken by position.
    const qsizetype start = line.indexOf(u'$');
    const qsizetype star = line.size() - 3;
    if (start < 0 || star < start + 7 || line[star] != u'*' || line[start + 6] != u',') {
        emit log(QStringLiteral("refused: not a sentence"));
        return;
    }
    const QString checked = line.mid(start + 1, star - start - 1);
    if (checksum(checked) != line.mid(star + 1).toUpper()) {
        emit log(QStringLiteral("refused: checksum %1 expected").arg(checksum(checked)));
        return;
    }
    const QString address = checked.left(5);
    const QString body = checked.mid(6);
    QString reply;
    if (address == u"CVRSE" && body.isEmpty())
        reply = parameterLine();
    else if (takeWrite(address, body))
        reply = faults_.zlout ? QStringLiteral("$ZLOUT\r\n") : QStringLiteral("!CVACK\r\n");
    if (reply.isEmpty()) {
        emit log(QStringLiteral("refused: unknown address or body of the wrong length"));
        return;
    }
    if (faults_.silent)
        return;
    answer(reply);
}

// A stale unit checks the write as usual but keeps its old values.
bool SimulatedUnit::takeWrite(const QString &address, const QString &body)
{
    if (address != faults_.staleAddress)
        return parameters_.apply(address, body);
    UnitParameters discarded = parameters_;
    const bool taken = discarded.apply(address, body);
    if (taken)
        emit log(QStringLiteral("stale: %1 acknowledged, old values kept").arg(address));
    return taken;
}

QString SimulatedUnit::parameterLine()
{
    const QString line = parameters_.parameterLine(faults_.corruptReply);
    if (faults_.badChecksums == 0)
        return line;
    if (faults_.badChecksums > 0)
        --faults_.badChecksums;
    emit log(QStringLiteral("bad checksum: a digit of the MMSI changed after the checksum"));
    return flipDigit(line);
}

void SimulatedUnit::answer(const QString &text)
{
    if (hungUp_)
        return;
    emit log(QStringLiteral("> ") + text.trimmed());
    const QByteArray bytes = toGbk(text);
    int delay = faults_.answerDelayMs;
    if (faults_.garbage) {
        queue_.append({kGarbage, delay, false});
        delay = 0;
    }
    const bool hangUpNow = faults_.hangupAfter >= 0 && answers_ == faults_.hangupAfter;
    ++answers_;
    // Hanging up leaves the answer cut in the middle of the line.
    const QByteArray sent = hangUpNow ? bytes.left(bytes.size() / 2) : bytes;
    const int step = faults_.chunk > 0 ? faults_.chunk : int(sent.size());
    for (qsizetype at = 0; at < sent.size(); at += step) {
        queue_.append({sent.mid(at, step), delay, false});
        delay = faults_.chunkPauseMs;
    }
    if (hangUpNow)
        queue_.append({{}, faults_.chunkPauseMs, true});
    pump();
}

void SimulatedUnit::pump()
{
    if (!pacer_.isActive() && !queue_.isEmpty())
        pacer_.start(queue_.first().delayMs);
}

} // namespace aisset::sim
