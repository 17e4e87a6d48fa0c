#pragma once

#include "link/ReplyDecoder.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace aisset {

class Form;
class Host;
struct PortListing;

// What trying a port for the unit found.
struct FindOutcome {
    enum Kind { NotTried, Unit, Silent, OtherData, OpenFailed };
    Kind kind = NotTried;
    QString mmsi;   // of a unit whose parameter line could be decoded
    QString reason; // why a port was not tried or did not open
};

// The search for the unit over serial ports, on the event loop: one port at a
// time it opens the port as the window does (38400,n,8,1, XON/XOFF), sends the
// read request, waits at most kPortMs for a parameter line, drops whatever is
// still queued and closes the port (so that a port stopped by XOFF cannot hold
// up the close). All ports together get kTotalMs; a port left without time is
// not tried. The caller's event loop runs meanwhile: nothing waits inside.
class UnitSearch : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kPortMs = 1500;  // the wait for one answer; open and close take the rest of 2 s
    static constexpr qint64 kTotalMs = 9500; // all ports together, within 10 s
    static constexpr qint64 kLeastMs = 300;  // a wait shorter than this would miss a unit that answers

    struct Candidate {
        int number = 0; // the port number (Com<number>)
        QString device;
    };
    // The reply decoder of a probe's own form (the decoding layer's standard one).
    using DecoderFor = std::function<ReplyDecoder(Form &form, Host &host)>;

    explicit UnitSearch(DecoderFor decoderFor, QObject *parent = nullptr);
    ~UnitSearch() override;

    // The ports worth trying: a device that is there and that no other program
    // holds (portLockHolder), in port order.
    static QList<Candidate> freePorts(const QList<PortListing> &ports);

    // Tries the candidates in order; finished() follows, also for none.
    void start(QList<Candidate> candidates);
    // Ends the search at once; the port being tried is closed, the rest are
    // not tried. finished() follows.
    void cancel();

    bool isRunning() const { return running_; }
    bool wasCancelled() const { return cancelled_; }
    const QList<Candidate> &candidates() const { return candidates_; }
    // One per candidate once finished; NotTried for those not reached.
    const QList<FindOutcome> &outcomes() const { return outcomes_; }
    // The candidates that answered as the unit.
    QList<int> units() const;

signals:
    // Trying candidate index (0-based) of count begins.
    void portStarted(int index, int count);
    void finished();

private:
    struct Probe;
    void tryNext();
    void endPortSoon();
    void endPort();
    void finish();

    DecoderFor decoderFor_;
    QList<Candidate> candidates_;
    QList<FindOutcome> outcomes_;
    qsizetype next_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    bool ending_ = false;
    std::unique_ptr<Probe> probe_;
    // Probes already closed. They live until the next search: a probe's own
    // send may still be waiting in a nested event loop when its port ends.
    std::vector<std::unique_ptr<Probe>> closed_;
    QTimer portTimer_;
    QElapsedTimer clock_;
};

} // namespace aisset
