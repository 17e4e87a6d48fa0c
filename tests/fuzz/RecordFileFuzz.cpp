// The records file reader of `aisset-cli records import` on arbitrary bytes, as
// JSON when they start with "{" and as CSV otherwise. No crash, no sanitizer
// report, and every ship it reads comes back the same when written by export
// and read again, in either format.
#include "RecordFile.h"

#include <cstdlib>

using namespace aisset::cli;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QList<ShipRecord> readShips(const QByteArray &bytes)
{
    QList<ReadRecord> records;
    QList<ShipRecord> ships;
    if (readRecordFile(bytes, records))
        return ships;
    for (const ReadRecord &r : records)
        if (r.refusal.isEmpty())
            ships.append(r.ship);
    return ships;
}

bool sameShips(const QList<ShipRecord> &a, const QList<ShipRecord> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].values != b[i].values)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<ReadRecord> records;
    if (readRecordFile(bytes, records))
        return 0; // refused as a whole, with a reason
    QList<ShipRecord> ships;
    for (const ReadRecord &r : records)
        if (r.refusal.isEmpty())
            ships.append(r.ship);
    for (const RecordFormat format : {RecordFormat::Json, RecordFormat::Csv})
        check(sameShips(readShips(writeRecordFile(ships, format)), ships));
    return 0;
}
