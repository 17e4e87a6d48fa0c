#pragma once

#include "history/HistoryEntry.h"
#include "model/FieldTable.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace aisset {

class HistoryDatabase;
class ProfileRecords;

// One value of the report: the stored form's and what the unit last confirmed
// by a read-back of its group.
struct ReportValue {
    enum class Mark { Confirmed, DiffersFromStored, NotVerified };
    int slot;
    QString stored;       // as the stored form shows it, without prompts and units
    QString unit;         // as the last read-back decoded it; empty without one
    QDateTime verifiedAt; // when that read-back was made (local time of its entry)
    Mark mark = Mark::NotVerified;
};

// Everything the installation report shows of one ship, as values.
struct ReportData {
    QString mmsi;
    QString shipName;
    double antenna[4] = {0, 0, 0, 0}; // A, B, C, D in metres, from the stored form
    QList<ReportValue> values;         // own-ship, system, factory fields, each group in slot order
    QList<HistoryEntry> transactions;  // newest first
    QString installer;
    QDateTime made;
    bool known = false; // the ship has a record or a history
};

// Gathers the report of a ship from its stored record and its history. Nothing
// when the history cannot be read.
std::optional<ReportData> gatherReport(ProfileRecords &records, HistoryDatabase &history, const QString &mmsi,
                                       const QString &installer);

} // namespace aisset
