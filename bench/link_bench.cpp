// Timing of the device link over a pseudo-terminal against the virtual unit:
//  1. from queuing a write sentence to handling its acknowledgement, compared
//     with the time both would take on a 38400 baud 8N1 line (10 bits a byte);
//  2. the processor time used while WaitSeconds(1) waits, as a share of the
//     wall-clock time it lasts.
// A pseudo-terminal does not pace bytes at the baud rate: the measured times
// hold the program's own delays (the 20 ms poll tick above all), not the wire's.
#include "Form.h"
#include "Host.h"
#include "LinkSession.h"
#include "Primitives.h"
#include "QtSerialLine.h"
#include "SettingStore.h"
#include "Waiting.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace aisset;
using Clock = std::chrono::steady_clock;

namespace {

class QuietHost : public Host {
public:
    using Host::askYesNo;
    using Host::showMessage;
    void showMessage(const QString &, const QString &) override {}
    bool askYesNo(const QString &, const QString &) override { return true; }
    void processEvents() override { QCoreApplication::processEvents(); }
    void moveFocus(FieldKind, int) override {}
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QProcess unit;
    unit.start(QStringLiteral(AISSET_SIM_PATH), {QStringLiteral("--quiet")});
    if (!unit.waitForReadyRead(5000)) {
        std::fprintf(stderr, "the virtual unit did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(unit.readLine()).trimmed();

    Form form;
    QuietHost host;
    MemorySettingStore settings;
    LinkSession::Options options;
    options.line = std::make_unique<QtSerialLine>([device](int) { return device; });
    LinkSession session(form, host, settings, [](const QString &) { return 0; },
                        [](Group) { return BuildResult{}; }, std::move(options));
    session.ports().openAtStartup();
    if (!session.line().isOpen()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(device));
        return 1;
    }

    // The own-ship sentence of a complete page: 65 characters of body.
    const QString sentence =
        frameCode(QStringLiteral("CVUIS"), QStringLiteral("0025BXYZ9  70085412345678009123456HAI XING 7          10002005051"));
    const int ackBytes = 8; // "!CVACK" CR LF
    const double wireMs = double(sentence.size() + ackBytes) * 10.0 / 38400.0 * 1000.0;

    Clock::time_point arrived;
    QObject::connect(&session.line(), &SerialLine::dataReceived, &session, [&] { arrived = Clock::now(); });
    std::vector<double> total;
    std::vector<double> untilArrival;
    constexpr int kRounds = 200;
    for (int i = 0; i < kRounds; ++i) {
        EventWait acknowledged;
        acknowledged.finishOn(&session.receivePath(), &ReceivePath::acknowledged);
        session.state().pendingGroup = LinkState::OwnShipWrite;
        const Clock::time_point queued = Clock::now();
        session.transmitter().sendCommand(sentence);
        if (!acknowledged.run(2000)) {
            std::fprintf(stderr, "round %d: no acknowledgement\n", i);
            return 1;
        }
        const Clock::time_point handled = Clock::now();
        total.push_back(std::chrono::duration<double, std::milli>(handled - queued).count());
        untilArrival.push_back(std::chrono::duration<double, std::milli>(arrived - queued).count());
    }
    const double target = wireMs + ReceivePath::kPollPeriodMs + 5;
    std::printf("write sentence %lld bytes + acknowledgement %d bytes: wire time at 38400 8N1 %.2f ms\n",
                static_cast<long long>(sentence.size()), ackBytes, wireMs);
    std::printf("queued -> acknowledgement handled, %d rounds: median %.2f ms, p95 %.2f ms, max %.2f ms\n", kRounds,
                percentile(total, 0.5), percentile(total, 0.95), percentile(total, 1.0));
    std::printf("  of which queued -> first answer byte received: median %.3f ms\n", percentile(untilArrival, 0.5));
    std::printf("  ratio to wire time: median %.2f, max %.2f; target <= %.2f ms (wire + poll period + 5 ms): %s\n",
                percentile(total, 0.5) / wireMs, percentile(total, 1.0) / wireMs, target,
                percentile(total, 1.0) <= target ? "met" : "NOT met");

    for (int i = 0; i < 3; ++i) {
        const double cpuBefore = cpuSeconds();
        const Clock::time_point start = Clock::now();
        waitSeconds(1);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = cpuSeconds() - cpuBefore;
        std::printf("WaitSeconds(1): wall %.3f s, processor %.4f s = %.3f%% (target < 2%%)\n", wall, cpu,
                    100.0 * cpu / wall);
    }
    session.line().close();
    unit.terminate();
    unit.waitForFinished(2000);
    return 0;
}
