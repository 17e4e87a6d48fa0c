#pragma once

#include "history/HistoryEntry.h"

#include <QJsonArray>
#include <QJsonObject>

namespace aisset {

// One entry as JSON, under the history's own keys: id, time (UTC, ISO 8601),
// utcOffset (seconds), program, edition, version, user, host, port, device,
// group, mmsi, sentence, outcome, and where they apply milliseconds,
// refusedField, reply, differences [{field, written, unit}] and checks (the id
// of the write a read-back checked).
QJsonObject historyEntryJson(const HistoryEntry &entry);
// A read-back's differences: [{field, written, unit}], fields by name.
QJsonArray differencesJson(const QList<FieldDifference> &differences);

} // namespace aisset
