// Timing of the device link over an unpaced pseudo-terminal against the virtual
// unit:
//  1. a write: from queuing the sentence to handling its acknowledgement;
//  2. a read: from the click to the decoded form (request, parameter line,
//     decoding into a start-state form);
//  3. the processor time a repeating write uses while it waits for an
//     acknowledgement that does not come, as a share of the wall-clock time.
// The pseudo-terminal moves bytes at once, so the round trips show the
// program's own delay alone (details only). Prints the details, then a table
// row ("| ...") for the processor time, which bench/run-all.sh gathers.
#include "decoding/ReplyDecoding.h"
#include "encoding/Primitives.h"
#include "link/LinkSession.h"
#include "link/QtSerialLine.h"
#include "link/SettingStore.h"
#include "link/Waiting.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

using namespace aisset;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRounds = 200;

// Answers Yes to the write's first question and No to the retry.
class QuietHost : public Host {
public:
    using Host::askYesNo;
    using Host::showMessage;
    void showMessage(const QString &, const QString &) override {}
    bool askYesNo(const QString &text, const QString &) override { return text != words(Message::RetryWrite); }
    void processEvents() override { QCoreApplication::processEvents(); }
    void moveFocus(FieldKind, int) override {}
    QString words(Message message) const override { return QString::number(int(message)); }
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(p * double(values.size() - 1))];
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The virtual unit program with the given options, for as long as it lives.
class Unit {
public:
    explicit Unit(const QStringList &options)
    {
        process_.start(QStringLiteral(AISSET_SIM_PATH), QStringList{QStringLiteral("--quiet")} + options);
        if (process_.waitForReadyRead(5000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~Unit()
    {
        process_.terminate();
        process_.waitForFinished(2000);
    }
    const QString &device() const { return device_; }

private:
    QProcess process_;
    QString device_;
};

// One link session in a start-state form on a unit's device, decoding replies
// with the real decoding and writing a fixed sentence.
struct Link {
    Form form;
    QuietHost host;
    MemorySettingStore settings;
    std::unique_ptr<LinkSession> session;

    Link(const QString &device, const QString &sentence)
    {
        applyStartState(form);
        LinkSession::Options options;
        options.line = std::make_unique<QtSerialLine>([device](int) { return device; });
        session = std::make_unique<LinkSession>(
            form, host, settings, [this](const QString &line) { return FP(form, host, line); },
            [sentence](Group) { return BuildResult{sentence}; }, std::move(options));
        form.setVisible(true);
        session->ports().openAtStartup();
    }
    bool isOpen() const { return session->line().isOpen(); }
};

struct Times {
    std::vector<double> ms;
    bool complete = true;
};

// Queues the write sentence and waits for its acknowledgement, kRounds times.
Times writeRoundTrips(Link &link, const QString &sentence)
{
    Times t;
    for (int i = 0; i < kRounds && t.complete; ++i) {
        EventWait acknowledged;
        acknowledged.finishOn(&link.session->receivePath(), &ReceivePath::acknowledged);
        link.session->state().awaitWrite(Group::OwnShip);
        const Clock::time_point queued = Clock::now();
        link.session->transmitter().sendCommand(sentence);
        t.complete = acknowledged.run(2000);
        t.ms.push_back(msSince(queued));
    }
    return t;
}

// Clicks the read and waits until its reply is decoded, kRounds times.
Times readRoundTrips(Link &link)
{
    Times t;
    for (int i = 0; i < kRounds && t.complete; ++i) {
        EventWait decoded;
        const QObject scope;
        QObject::connect(&link.session->receivePath(), &ReceivePath::replyHandled, &scope,
                         [&decoded](DecodeResult result, bool) {
                             if (result == DecodeResult::Decoded)
                                 decoded.finish();
                         });
        const Clock::time_point clicked = Clock::now();
        link.session->transactions().startRead();
        t.complete = decoded.run(2000);
        t.ms.push_back(msSince(clicked));
    }
    return t;
}

// Over the pseudo-terminal the bytes move at once, so a round trip measures the
// program's own delay and no wire time; printed as a detail. What a user waits
// for on a paced line is measured by bench/paced_link.py.
void printRoundTrip(const char *what, const Times &t)
{
    std::printf("%s, %d rounds over the pseudo-terminal: median %.2f ms, p95 %.2f ms, max %.2f ms\n", what, kRounds,
                percentile(t.ms, 0.5), percentile(t.ms, 0.95), percentile(t.ms, 1.0));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The own-ship sentence of a complete page: 65 characters of body.
    const QString sentence = frameCode(
        QStringLiteral("CVUIS"), QStringLiteral("0025BXYZ9  70085412345678009123456HAI XING 7          10002005051"));

    Unit unit({});
    Link link(unit.device(), sentence);
    if (unit.device().isEmpty() || !link.isOpen()) {
        std::fprintf(stderr, "the virtual unit did not start or its device did not open\n");
        return 1;
    }
    const Times writes = writeRoundTrips(link, sentence);
    const Times reads = readRoundTrips(link);
    if (!writes.complete || !reads.complete) {
        std::fprintf(stderr, "an acknowledgement or a reply did not come\n");
        return 1;
    }
    printRoundTrip("write round trip (sentence + acknowledgement)", writes);
    printRoundTrip("read round trip (request + 117-character reply + decoding)", reads);

    // A repeating write to a unit that never answers: two sends, each followed
    // by WaitSeconds(1), then the retry prompt (answered No).
    Unit silent({QStringLiteral("--silent")});
    Link waiting(silent.device(), sentence);
    waiting.session->transactions().setNoRepeat(false);
    double cpu = 0;
    double wall = 0;
    for (int i = 0; i < 3; ++i) {
        const double cpuBefore = cpuSeconds();
        const Clock::time_point start = Clock::now();
        waiting.session->transactions().startWrite(Group::OwnShip);
        wall += std::chrono::duration<double>(Clock::now() - start).count();
        cpu += cpuSeconds() - cpuBefore;
    }
    std::printf("repeating write waiting for an acknowledgement, 3 writes: wall %.3f s, processor %.4f s\n", wall, cpu);
    std::printf("| processor time while a write waits for its acknowledgement | %.3f%% of %.1f s | target < 2%% "
                "| %.3f × target |\n",
                100.0 * cpu / wall, wall, (cpu / wall) / 0.02);
    return 0;
}
