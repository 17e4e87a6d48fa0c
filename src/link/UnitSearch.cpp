#include "link/UnitSearch.h"

#include "link/LinkSession.h"
#include "link/PortLocks.h"
#include "link/PortNames.h"
#include "link/QtSerialLine.h"
#include "link/SettingStore.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "model/QuietHost.h"
#include "trace/Trace.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace aisset {

namespace {

const char *traceName(FindOutcome::Kind kind)
{
    constexpr const char *kNames[] = {"not tried", "the unit", "silent", "other data", "did not open"};
    return kNames[kind];
}

} // namespace

// One port being tried: a session of its own on a form of its own, so that the
// window's form, logs and port stay as they are.
struct UnitSearch::Probe {
    Probe(const QString &device, const DecoderFor &decoderFor)
    {
        applyStartState(form);
        auto qtLine = std::make_unique<QtSerialLine>([device](int) { return device; });
        line = qtLine.get();
        PortChoice::storePort(settings, u"1"_s);
        LinkSession::Options options;
        options.line = std::move(qtLine);
        session = std::make_unique<LinkSession>(
            form, host, settings, decoderFor(form, host), [](Group) { return BuildResult{}; }, std::move(options));
    }

    Form form;
    QuietHost host;
    MemorySettingStore settings;
    QtSerialLine *line = nullptr;
    std::unique_ptr<LinkSession> session;
    std::optional<DecodeResult> result; // the decoding's result of the first parameter line
};

UnitSearch::UnitSearch(DecoderFor decoderFor, QObject *parent) : QObject(parent), decoderFor_(std::move(decoderFor))
{
    portTimer_.setSingleShot(true);
    connect(&portTimer_, &QTimer::timeout, this, &UnitSearch::endPortSoon);
}

UnitSearch::~UnitSearch()
{
    if (probe_)
        probe_->line->abandon();
}

QList<UnitSearch::Candidate> UnitSearch::freePorts(const QList<PortListing> &ports)
{
    QList<Candidate> free;
    for (const PortListing &port : ports) {
        if (!port.present || port.device.isEmpty())
            continue;
        if (const std::optional<ProcessRef> holder = portLockHolder(port.device)) {
            qCInfo(lcSearch).noquote() << port.device << "held by process" << holder->pid << holder->name;
            continue;
        }
        free.append({port.number, port.device});
    }
    return free;
}

void UnitSearch::start(QList<Candidate> candidates)
{
    if (running_)
        return;
    closed_.clear();
    candidates_ = std::move(candidates);
    outcomes_ = QList<FindOutcome>(candidates_.size());
    next_ = 0;
    running_ = true;
    cancelled_ = false;
    clock_.start();
    qCInfo(lcSearch) << "search begins over" << candidates_.size() << "ports";
    tryNext();
}

void UnitSearch::cancel()
{
    if (!running_)
        return;
    cancelled_ = true;
    portTimer_.stop();
    if (probe_) {
        probe_->line->abandon();
        closed_.push_back(std::move(probe_));
    }
    qCInfo(lcSearch) << "search cancelled";
    finish();
}

QList<int> UnitSearch::units() const
{
    QList<int> found;
    for (qsizetype i = 0; i < outcomes_.size(); ++i)
        if (outcomes_[i].kind == FindOutcome::Unit)
            found.append(int(i));
    return found;
}

void UnitSearch::tryNext()
{
    while (next_ < candidates_.size()) {
        const qint64 wait = std::min(kPortMs, kTotalMs - clock_.elapsed());
        if (wait >= kLeastMs)
            break;
        ++next_; // no time left for it: NotTried
    }
    if (next_ >= candidates_.size())
        return finish();
    const Candidate &candidate = candidates_[next_];
    emit portStarted(int(next_), int(candidates_.size()));
    if (cancelled_) // the signal's receiver may have cancelled
        return;
    ending_ = false;
    probe_ = std::make_unique<Probe>(candidate.device, decoderFor_);
    Probe &probe = *probe_;
    probe.session->ports().openAtStartup();
    if (!probe.line->isOpen()) {
        outcomes_[next_] = {FindOutcome::OpenFailed, {}, candidate.device + u": "_s + probe.line->errorText()};
        endPortSoon();
        return;
    }
    connect(&probe.session->receivePath(), &ReceivePath::replyHandled, this, [this, &probe](DecodeResult result, bool) {
        if (!probe.result)
            probe.result = result;
        endPortSoon();
    });
    connect(probe.line, &SerialLine::connectionLost, this, &UnitSearch::endPortSoon);
    portTimer_.start(int(std::min(kPortMs, kTotalMs - clock_.elapsed())));
    probe.session->transactions().startRead(); // the window's read: sends the read request
}

// The port's end comes from inside the probe's own signals: it is handled once
// they have returned.
void UnitSearch::endPortSoon()
{
    if (ending_ || !probe_)
        return;
    ending_ = true;
    portTimer_.stop();
    QTimer::singleShot(0, this, &UnitSearch::endPort);
}

void UnitSearch::endPort()
{
    if (!probe_ || cancelled_)
        return;
    Probe &probe = *probe_;
    FindOutcome &outcome = outcomes_[next_];
    if (outcome.kind != FindOutcome::OpenFailed) {
        if (probe.result)
            outcome = {FindOutcome::Unit,
                       probe.result == DecodeResult::Decoded ? probe.form.editText(slot::mmsi) : QString(), {}};
        else
            outcome = {probe.form.receiveLog().isEmpty() ? FindOutcome::Silent : FindOutcome::OtherData, {}, {}};
    }
    qCInfo(lcSearch).noquote() << candidates_[next_].device << "gave:" << traceName(outcome.kind) << outcome.mmsi
                               << outcome.reason;
    probe.line->abandon();
    closed_.push_back(std::move(probe_));
    ++next_;
    tryNext();
}

void UnitSearch::finish()
{
    running_ = false;
    qCInfo(lcSearch) << "search ends after" << clock_.elapsed() << "ms";
    emit finished();
}

} // namespace aisset
