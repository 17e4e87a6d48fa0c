#pragma once

#include "UnitParameters.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

namespace aisset::sim {

// What the virtual unit does wrong on purpose.
struct Faults {
    bool silent = false;       // accepts sentences but never answers
    int answerDelayMs = 0;     // pause before every answer
    bool zlout = false;        // acknowledges with "$ZLOUT" instead of "!CVACK"
    int chunk = 0;             // bytes per write (1 or 2); 0 writes an answer whole
    int chunkPauseMs = 10;     // pause between chunks
    bool garbage = false;      // a line of noise before every answer
    bool corruptReply = false; // a parameter line the decoding cannot fill
    int badChecksums = 0;      // parameter lines sent with a digit changed after the checksum (-1: every one)
    int hangupAfter = -1;      // after this many answers, hang up inside the next one
    QString staleAddress;      // writes to this address ("CVUIS", ...) are acknowledged but not kept
};

// The unit's side of the protocol. Received bytes are cut into lines at CR LF;
// a sentence with a correct checksum is taken: a write updates the parameters
// and is acknowledged, the read request is answered with the parameter line.
// A sentence with a wrong checksum, an unknown address or a body of the wrong
// length is refused without an answer. Answers go out through the output and
// hang-up signals, paced as the faults say.
class SimulatedUnit : public QObject {
    Q_OBJECT
public:
    explicit SimulatedUnit(Faults faults, QObject *parent = nullptr);

    // What is kept of a line without an end: as the tool's receive path does, a
    // line this long is noise, dropped whole, so a flood cannot grow it.
    static constexpr qsizetype kLineLimit = 2000;

    void receive(const QByteArray &bytes);
    // Received bytes waiting for their line end.
    qsizetype pendingSize() const { return pending_.size(); }
    const UnitParameters &parameters() const { return parameters_; }

signals:
    void output(const QByteArray &bytes);
    void hangUp();
    // One line of what the unit did, for the operator.
    void log(const QString &text);

private:
    struct Piece {
        QByteArray bytes;
        int delayMs = 0;
        bool hangUp = false;
    };

    void takeLine(const QByteArray &line);
    bool takeWrite(const QString &address, const QString &body);
    void answer(const QString &text);
    QString parameterLine();
    void pump();

    Faults faults_;
    UnitParameters parameters_;
    QByteArray pending_; // received bytes not yet ended by CR LF
    QList<Piece> queue_;
    QTimer pacer_;
    int answers_ = 0;
    bool hungUp_ = false;
};

} // namespace aisset::sim
