// The records file reader of `aisset-cli records import` on arbitrary bytes, as
// JSON when they start with "{" and as CSV otherwise. No crash, no sanitizer
// report, and every ship an import goes on with (named by an MMSI of digits,
// at its first place in the file) comes back with the same texts when export
// writes it and the reader reads it again, in either format. Left out are
// ships with half a surrogate pair ("\ud800" in JSON), which UTF-8 cannot
// carry: no store holds one, as the store reads its files as UTF-8, and the
// import refuses them.
#include "FuzzInput.h"
#include "RecordFile.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdlib>

using namespace aisset::cli;

namespace {

// Larger inputs only repeat what smaller ones reach, slower.
constexpr size_t kMaxInput = 4096;

bool isMmsiName(const QString &name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool holdsWholeCharacters(const ShipRecord &ship)
{
    return std::all_of(ship.values.begin(), ship.values.end(), [](const auto &v) { return v.second.isValidUtf16(); });
}

// Each ship read by its name; a name twice keeps its first place, as the import does.
QHash<QString, ShipRecord> byName(const QList<ReadRecord> &records)
{
    QHash<QString, ShipRecord> out;
    QSet<QString> seen;
    for (const ReadRecord &r : records) {
        if (r.refusal.isEmpty() && isMmsiName(r.ship.name) && !seen.contains(r.ship.name) &&
            holdsWholeCharacters(r.ship))
            out.insert(r.ship.name, r.ship);
        seen.insert(r.ship.name);
    }
    return out;
}

bool sameShips(const QHash<QString, ShipRecord> &a, const QHash<QString, ShipRecord> &b)
{
    if (a.size() != b.size())
        return false;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.cend() || other->values != it->values)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > kMaxInput)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<ReadRecord> records;
    if (readRecordFile(bytes, records))
        return 0; // refused as a whole, with a reason
    const QHash<QString, ShipRecord> ships = byName(records);
    if (ships.isEmpty())
        return 0; // most inputs: nothing an export would write
    for (const RecordFormat format : {RecordFormat::Json, RecordFormat::Csv}) {
        QList<ReadRecord> again;
        check(!readRecordFile(writeRecordFile(ships.values(), format), again));
        check(sameShips(byName(again), ships));
    }
    return 0;
}
