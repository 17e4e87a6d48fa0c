// The records file reader of `aisset-cli records import` on arbitrary bytes, as
// JSON when they start with "{" and as CSV otherwise. No crash, no sanitizer
// report, and what export writes of the ships it reads (those an import takes
// the name of) is a records file again, in either format. (That each ship
// comes back with the same texts does not hold for every input yet: the corpus
// entries it left show ships that do not.)
#include "FuzzInput.h"
#include "RecordFile.h"

#include <algorithm>
#include <cstdlib>

using namespace aisset::cli;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<ReadRecord> records;
    if (readRecordFile(bytes, records))
        return 0; // refused as a whole, with a reason
    // The round trip is asked of the ships an import goes on with: named by an
    // MMSI of digits (a name with a control character or a NUL, which import
    // refuses, need not survive a file of either format).
    QList<ShipRecord> ships;
    for (const ReadRecord &r : records)
        if (r.refusal.isEmpty() && !r.ship.name.isEmpty() &&
            std::all_of(r.ship.name.begin(), r.ship.name.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            ships.append(r.ship);
    // What export writes of them is a records file again.
    for (const RecordFormat format : {RecordFormat::Json, RecordFormat::Csv}) {
        QList<ReadRecord> again;
        check(!readRecordFile(writeRecordFile(ships, format), again));
    }
    return 0;
}
