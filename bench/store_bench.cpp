// How the profile store's work grows with the store: saving a new ship and an
// existing one, listing the ships and opening the records dialog with 100, 1,000,
// 10,000 and 100,000 ships stored, each operation timed alone (p50, p99, max),
// the whole set run several times in a row; then `aisset-cli encode` from process
// start to exit, new and existing ship, at the smallest and the largest store,
// the runs interleaved. Prints Markdown tables.
//
// usage: store_bench [--ops N] [--runs N] [--cli-runs N] [--sizes 100,1000,...]
#include "link/QtSerialLine.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "store/FileBackend.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"
#include "store/RecordSaver.h"
#include "ui/widgets/MainWindow.h"
#include "ui/widgets/RecordsWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using namespace Qt::StringLiterals;
using namespace aisset;

constexpr qint64 kFirstMmsi = 200'000'000;

QString mmsiOf(qint64 index) { return QString::number(kFirstMmsi + index); }

// A form filled in on every page, as after a read from the unit.
void fillForm(Form &form)
{
    applyStartState(form);
    const std::pair<int, const char16_t *> texts[] = {
        {slot::crewCount, u"12__"},
        {slot::callSign, u"BXYZ9__"},
        {slot::draught, u"_8.5米"},
        {slot::imoNumber, u"009123456"},
        {slot::shipName, u"HAI XING 7__________"},
        {slot::antennaA, u"100米"},
        {slot::antennaB, u"_20米"},
        {slot::antennaC, u"_5米"},
        {slot::antennaD, u"_5米"},
        {slot::factoryDate, u"09年08月17日"},
        {slot::machineNumber, u"123456789"},
        {slot::powerOnTime, u"0100"},
        {slot::vendorNumber, u"AB12"},
    };
    for (const auto &[s, text] : texts)
        (void)form.setEditText(s, str(text));
    (void)form.selectChoiceText(slot::shipType, u"70(货船)"_s);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A store of `ships` ships, each with all 35 keys, written as files directly
// (saving them one by one would take hours at 100,000).
void fillStore(const QString &root, int ships)
{
    Form form;
    fillForm(form);
    QByteArray section;
    for (const FieldInfo &f : fieldTable()) {
        const QString value = f.slot == slot::mmsi        ? u"%1"_s
                              : f.kind == FieldKind::Edit ? form.editText(f.slot)
                                                          : form.choiceText(f.slot);
        section += (str(f.profileKey).toCaseFolded() + u'=' + value + u'\n').toUtf8();
    }
    QStringList names;
    for (int i = 0; i < ships; ++i) {
        names.append(mmsiOf(i));
        if (i == 0)
            QDir().mkpath(QFileInfo(sectionFilePath(root, u"VARID"_s, names.constLast())).path());
        writeFile(sectionFilePath(root, u"VARID"_s, names.constLast()),
                  QByteArray(section).replace("%1", names.constLast().toLatin1()));
    }
    const int count = std::min(ships, int(RecordList::kTopCount));
    writeFile(sectionFilePath(root, u"VARID"_s, u"content"_s),
              "fname=" + names.join(u',').toLatin1() + "\nnn=" + QByteArray::number(count) + "\ncommport=1\n");
#ifdef Q_OS_UNIX
    ::sync(); // the fill's write-back must not stall the timed operations
#endif
}

struct Figures {
    double p50, p99, max;
};

Figures figuresOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) { return times[std::size_t(share * double(times.size() - 1) + 0.5)]; };
    return {at(0.5), at(0.99), times.back()};
}

// Times each of `ops` calls of an operation alone, in milliseconds.
Figures timeEach(int ops, const std::function<void()> &operation)
{
    std::vector<double> times;
    times.reserve(std::size_t(ops));
    QElapsedTimer clock;
    for (int i = 0; i < ops; ++i) {
        clock.start();
        operation();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return figuresOf(std::move(times));
}

void fail(const char *what)
{
    std::fprintf(stderr, "store_bench: %s\n", what);
    std::exit(1);
}

// One store and everything that works on it.
class StoreUnderTest {
public:
    StoreUnderTest(const QString &root, int ships) : ships_(ships), store_(root)
    {
        fillForm(form_);
        window_ = std::make_unique<ui::MainWindow>(
            store_, sysDir_.path() + u'/',
            LinkSession::Options{std::make_unique<QtSerialLine>([](int) { return QString(); }), {}});
    }

    Figures saveNewShips(int ops)
    {
        return timeEach(ops, [&] { save(mmsiOf(ships_ + nextNew_++)); });
    }
    Figures saveExistingShips(int ops)
    {
        return timeEach(ops, [&] { save(mmsiOf(QRandomGenerator::global()->bounded(ships_))); });
    }
    Figures list(int ops)
    {
        ProfileRecords records(store_);
        return timeEach(ops, [&] {
            if (records.recordNames().size() < ships_)
                fail("the listing lost ships");
        });
    }
    // From choosing "调入船资料" to the dialog shown with its list, read afresh
    // from the store (the dialog is unloaded after each opening).
    Figures openDialog(int ops)
    {
        ui::RecordsWindow &dialog = window_->recordsWindow();
        std::vector<double> times;
        QElapsedTimer clock;
        for (int i = 0; i < ops; ++i) {
            QTimer::singleShot(0, &dialog, [&] {
                QApplication::processEvents(); // layout and paint of the shown dialog
                times.push_back(double(clock.nsecsElapsed()) / 1e6);
                dialog.reject();
            });
            clock.start();
            dialog.openModal();
        }
        if (window_->core().recordsDialog().isLoaded())
            fail("the dialog stayed loaded");
        return figuresOf(std::move(times));
    }

private:
    void save(const QString &mmsi)
    {
        (void)form_.setEditText(slot::mmsi, mmsi);
        if (RecordSaver(store_).saveOwnShipRecord(form_) == SaveResult::Failed)
            fail("a saving failed");
    }

    int ships_;
    int nextNew_ = 0;
    ProfileStore store_;
    Form form_;
    QTemporaryDir sysDir_;
    std::unique_ptr<ui::MainWindow> window_;
};

QString cell(const Figures &f)
{
    return u"%1 / %2 / %3"_s.arg(f.p50, 0, 'f', 2).arg(f.p99, 0, 'f', 2).arg(f.max, 0, 'f', 2);
}

// `aisset-cli encode ownship`, start to exit, in milliseconds.
double encodeOnce(const QString &root, const QString &mmsi)
{
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(AISSET_CLI_PATH), {u"encode"_s, u"ownship"_s, u"--store"_s, root});
    cli.write(
        R"({"crewCount":"25","callSign":"BXYZ9","shipType":"70","draught":"8.5","mmsi":")" + mmsi.toLatin1() +
        R"(","imoNumber":"009123456","shipName":"HAI XING 7","antennaA":"100","antennaB":"20","antennaC":"5","antennaD":"5","epfdType":"1"})");
    cli.closeWriteChannel();
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
        fail("aisset-cli encode failed");
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{u"ops"_s, u"timed operations of each kind"_s, u"N"_s, u"200"_s},
                       {u"runs"_s, u"runs of the whole set, in a row"_s, u"N"_s, u"3"_s},
                       {u"cli-runs"_s, u"interleaved runs of aisset-cli per store and kind"_s, u"N"_s, u"30"_s},
                       {u"sizes"_s, u"ships in the stores"_s, u"LIST"_s, u"100,1000,10000,100000"_s}});
    parser.addHelpOption();
    parser.process(app);
    const int ops = parser.value(u"ops"_s).toInt();
    const int runs = parser.value(u"runs"_s).toInt();
    const int cliRuns = parser.value(u"cli-runs"_s).toInt();
    std::vector<int> sizes;
    for (const QString &size : parser.value(u"sizes"_s).split(u','))
        sizes.push_back(size.toInt());

    QTemporaryDir scratch;
    std::map<int, QString> roots;
    for (const int ships : sizes) {
        roots[ships] = scratch.path() + u"/store%1"_s.arg(ships);
        fillStore(roots[ships], ships);
    }

    // figures[operation][ships][run]
    const QStringList operations = {u"saving, new ship"_s, u"saving, existing ship"_s, u"listing"_s,
                                    u"opening the records dialog"_s};
    std::map<QString, std::map<int, std::vector<Figures>>> figures;
    for (int run = 0; run < runs; ++run) {
        for (const int ships : sizes) {
            StoreUnderTest store(roots[ships], ships);
            figures[operations[0]][ships].push_back(store.saveNewShips(ops));
            figures[operations[1]][ships].push_back(store.saveExistingShips(ops));
            figures[operations[2]][ships].push_back(store.list(ops));
            figures[operations[3]][ships].push_back(store.openDialog(ops));
        }
    }
    std::printf("| Operation | Ships | p50 / p99 / max, ms, run 1 | run 2 | run 3 |\n|---|---|---|---|---|\n");
    for (const QString &operation : operations)
        for (const int ships : sizes) {
            QStringList cells;
            for (const Figures &f : figures[operation][ships])
                cells.append(cell(f));
            std::printf("| %s | %s | %s |\n", qPrintable(operation),
                        qPrintable(QLocale(QLocale::English).toString(ships)), qPrintable(cells.join(u" | ")));
        }

    // The command line, smallest against largest store, one run of each in turn.
    const int small = sizes.front(), large = sizes.back();
    std::map<std::pair<bool, int>, std::vector<double>> cli;
    for (int run = 0; run < cliRuns; ++run)
        for (const bool newShip : {true, false})
            for (const int ships : {small, large}) {
                const QString mmsi =
                    newShip ? mmsiOf(ships + 100'000 + run) : mmsiOf(QRandomGenerator::global()->bounded(ships));
                cli[{newShip, ships}].push_back(encodeOnce(roots[ships], mmsi));
            }
    std::printf("\n| aisset-cli encode, start to exit | %s ships: median / max, ms | %s ships | ratio of medians |\n"
                "|---|---|---|---|\n",
                qPrintable(QLocale(QLocale::English).toString(small)),
                qPrintable(QLocale(QLocale::English).toString(large)));
    for (const bool newShip : {true, false}) {
        const Figures a = figuresOf(cli[{newShip, small}]);
        const Figures b = figuresOf(cli[{newShip, large}]);
        std::printf("| %s (%d runs each) | %.1f / %.1f | %.1f / %.1f | %.2f |\n",
                    newShip ? "new ship" : "existing ship", cliRuns, a.p50, a.max, b.p50, b.max, b.p50 / a.p50);
    }
    return 0;
}
