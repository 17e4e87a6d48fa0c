// The installation report of a ship with 1,000 history entries: aisset-cli
// report from launch to exit, next to report_floor (opens the database, writes
// two empty A4 pages), launched alternately; then the report's own work in this
// process (gathering and painting). Prints medians and maxima in ms.
#include "history/HistoryDatabase.h"
#include "report/InstallationReport.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace aisset;

constexpr int kEntries = 1000;
constexpr int kRuns = 15;
const QString kMmsi = QStringLiteral("412345678");
const QString kReply = QStringLiteral("!CVSET,0908170000123450120AB12   0025BXYZ9  70085412345678009123456"
                                      "HAI XING 7          10002005071208720880505=K=R*38\r\n");

void fillHistory(const QString &path)
{
    HistoryDatabase history(path);
    SessionFacts facts{QStringLiteral("aisset-cli"), {}, QStringLiteral("1.0.0"), QStringLiteral("bench"),
                       QStringLiteral("host"), 1, QStringLiteral("/dev/pts/1")};
    QDateTime time = QDateTime::currentDateTimeUtc().addDays(-30);
    QUuid write;
    for (int i = 0; i < kEntries; ++i) {
        TransactionOutcome t;
        t.id = QUuid::createUuid();
        t.startedUtc = time.addSecs(i * 60);
        t.mmsi = kMmsi;
        t.milliseconds = 40;
        if (i % 2 == 0) {
            t.kind = i % 4 == 0 ? TransactionKind::OwnShipWrite : TransactionKind::SystemWrite;
            t.sentence = QStringLiteral("$CVUIS,0025BXYZ9  70085412345678009123456HAI XING 7          10002005071*3A\r\n");
            t.result = TransactionResult::Acknowledged;
            write = t.id;
        } else {
            t.kind = TransactionKind::Verify;
            t.sentence = QStringLiteral("$CVRSE,*7D\r\n");
            t.result = TransactionResult::Agree;
            t.reply = kReply;
            t.checks = write;
        }
        if (history.append({t, 0, facts}) != SaveResult::Saved)
            std::fprintf(stderr, "append failed: %s\n", qPrintable(history.errorText()));
    }
}

struct Figures {
    double median;
    double max;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

double timeProcess(const QString &program, const QStringList &args)
{
    QElapsedTimer clock;
    clock.start();
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString store = dir.path();
    const QString historyPath = store + QStringLiteral("/history.sqlite");
    // The ship's record, saved as a write saves it.
    QProcess encode;
    encode.start(QStringLiteral(AISSET_CLI_PATH), {QStringLiteral("encode"), QStringLiteral("ownship"),
                                                   QStringLiteral("--store"), store});
    encode.write(R"({"mmsi":"412345678","shipName":"HAI XING 7","antennaA":"100","antennaB":"20",)"
                 R"("antennaC":"5","antennaD":"7","shipType":"70","crewCount":"25","callSign":"BXYZ9"})");
    encode.closeWriteChannel();
    encode.waitForFinished();
    fillHistory(historyPath);

    std::vector<double> report, floor, inProcess;
    for (int i = 0; i < kRuns; ++i) {
        report.push_back(timeProcess(QStringLiteral(AISSET_CLI_PATH),
                                     {QStringLiteral("report"), kMmsi, QStringLiteral("-o"),
                                      store + QStringLiteral("/r.pdf"), QStringLiteral("--store"), store}));
        floor.push_back(timeProcess(QStringLiteral(REPORT_FLOOR_PATH), {historyPath, store + QStringLiteral("/f.pdf")}));
    }
    ProfileStore profile(store);
    ProfileRecords records(profile);
    HistoryDatabase history(historyPath);
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer clock;
        clock.start();
        const std::optional<ReportData> data = gatherReport(records, history, kMmsi, {});
        QString error;
        if (!data || !writeInstallationReport(*data, store + QStringLiteral("/p.pdf"), &error))
            std::fprintf(stderr, "report failed: %s\n", qPrintable(error));
        inProcess.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const Figures r = figures(report), f = figures(floor), p = figures(inProcess);
    std::printf("| report of a ship with %d entries | median / max, ms |\n|---|---|\n", kEntries);
    std::printf("| aisset-cli report, launch to exit | %.1f / %.1f |\n", r.median, r.max);
    std::printf("| report_floor (open the database, write two empty A4 pages) | %.1f / %.1f |\n", f.median, f.max);
    std::printf("| ratio of medians | %.2f |\n", r.median / f.median);
    std::printf("| gathering and painting in one process | %.1f / %.1f |\n", p.median, p.max);
    return 0;
}
