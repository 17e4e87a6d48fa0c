// Time of the record savings and the record listing with a store of 10,000 ships,
// each a section with all 35 keys, and the list of their names.
#include "FieldTable.h"
#include "Form.h"
#include "Normalise.h"
#include "ProfileRecords.h"
#include "ProfileStore.h"
#include "RecordSaver.h"

#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using namespace Qt::StringLiterals;
using namespace aisset;

constexpr int kStoredShips = 10'000;
constexpr int kFirstMmsi = 412'000'000;

QString shipMmsi(int index) { return QString::number(kFirstMmsi + index); }

// A form filled in on every page, as after a read from the unit.
void fillForm(Form &form)
{
    applyStartState(form);
    const std::pair<int, const char16_t *> texts[] = {
        {slot::crewCount, u"12__"}, {slot::callSign, u"BXYZ9__"}, {slot::draught, u"_8.5米"},
        {slot::imoNumber, u"009123456"}, {slot::shipName, u"HAI XING 7__________"},
        {slot::antennaA, u"100米"}, {slot::antennaB, u"_20米"}, {slot::antennaC, u"_5米"},
        {slot::antennaD, u"_5米"}, {slot::factoryDate, u"09年08月17日"},
        {slot::machineNumber, u"123456789"}, {slot::powerOnTime, u"0100"},
        {slot::vendorNumber, u"AB12"},
    };
    for (const auto &[s, text] : texts)
        (void)form.setEditText(s, str(text));
    (void)form.selectChoiceText(slot::shipType, u"70(货船)"_s);
}

// The store shared by all benchmarks, filled once.
struct FilledStore {
    QTemporaryDir dir;
    ProfileStore store{dir.path()};
    Form form;
    int nextNewShip = kStoredShips;

    FilledStore()
    {
        fillForm(form);
        KeyValues values;
        for (const FieldInfo &f : fieldTable())
            values.append({str(f.profileKey), f.kind == FieldKind::Edit
                                                  ? form.editText(f.slot)
                                                  : form.choiceText(f.slot)});
        QStringList names;
        for (int i = 0; i < kStoredShips; ++i) {
            names.append(shipMmsi(i));
            values[slot::mmsi].second = names.constLast();
            (void)store.saveMany(u"VARID"_s, names.constLast(), values);
        }
        (void)ProfileRecords(store).writeRecordList({names.join(u','), qint16(kStoredShips)});
#ifdef Q_OS_UNIX
        // Let the fill's write-back finish, so that it does not stall the timed saves.
        ::sync();
#endif
    }

    // Puts a ship that is not yet stored into the form.
    void enterNewShip() { (void)form.setEditText(slot::mmsi, shipMmsi(nextNewShip++)); }
};

FilledStore &filledStore()
{
    static FilledStore filled;
    return filled;
}

// The time of each single operation: the target is a bound on every one of them,
// which an average over many does not show (a disk flush now and then stalls).
class OperationTimes {
public:
    template <typename Operation>
    void time(Operation &&operation)
    {
        const auto start = std::chrono::steady_clock::now();
        operation();
        times_.push_back(std::chrono::duration<double, std::milli>(
                             std::chrono::steady_clock::now() - start)
                             .count());
    }

    void report(benchmark::State &state)
    {
        if (times_.empty())
            return;
        std::sort(times_.begin(), times_.end());
        const auto at = [this](double share) {
            return times_[std::size_t(share * double(times_.size() - 1))];
        };
        state.counters["median_ms"] = at(0.5);
        state.counters["p95_ms"] = at(0.95);
        state.counters["max_ms"] = times_.back();
    }

private:
    std::vector<double> times_;
};

void saveNewShip(benchmark::State &state, SaveResult (RecordSaver::*saving)(Form &))
{
    FilledStore &filled = filledStore();
    RecordSaver saver(filled.store);
    OperationTimes times;
    for (auto _ : state) {
        filled.enterNewShip();
        times.time([&] {
            if ((saver.*saving)(filled.form) == SaveResult::Failed)
                state.SkipWithError("a saving failed");
        });
    }
    times.report(state);
    if (ProfileRecords(filled.store).recordNames().size() != filled.nextNewShip)
        state.SkipWithError("a saving did not register its ship");
}

void BM_OwnShipSavingOfNewShip(benchmark::State &state)
{
    saveNewShip(state, &RecordSaver::saveOwnShipRecord);
}

void BM_SystemSavingOfNewShip(benchmark::State &state)
{
    saveNewShip(state, &RecordSaver::saveSystemRecord);
}

void BM_FactorySavingOfNewShip(benchmark::State &state)
{
    saveNewShip(state, &RecordSaver::saveFactoryRecord);
}

// The listing as the records dialog does it when it opens.
void BM_ListingOfRecordNames(benchmark::State &state)
{
    ProfileRecords records(filledStore().store);
    OperationTimes times;
    qsizetype listed = 0;
    for (auto _ : state) {
        times.time([&] {
            const QStringList names = records.recordNames();
            listed = names.size();
            benchmark::DoNotOptimize(names);
        });
    }
    times.report(state);
    if (listed < kStoredShips)
        state.SkipWithError("listing lost ships");
}

// Loading one ship's record in the records dialog.
void BM_ReadingOfOneRecord(benchmark::State &state)
{
    FilledStore &filled = filledStore();
    ProfileRecords records(filled.store);
    int index = 0;
    for (auto _ : state) {
        const QStringList record = records.readRecord(shipMmsi(index));
        if (record[slot::mmsi] != shipMmsi(index))
            state.SkipWithError("record not found");
        index = (index + 7919) % kStoredShips;
    }
}

BENCHMARK(BM_OwnShipSavingOfNewShip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SystemSavingOfNewShip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FactorySavingOfNewShip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListingOfRecordNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingOfOneRecord)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
