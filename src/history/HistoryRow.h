#pragma once

#include "history/HistoryEntry.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class QSqlQuery;

namespace aisset {

// One entry as the columns of a table row, in the order of historyColumns(), so
// that the local history and the company's copy store and read the same row.
// Times travel as text (yyyy-MM-ddTHH:mm:ss.zzzZ: sorts as it reads), ids as
// UUID text, kinds and results under their HistoryKeys names.
QString historyColumns();
QList<QVariant> historyRowValues(const HistoryEntry &entry);
// The entry of a query whose first columns are historyColumns().
HistoryEntry historyEntryFromRow(const QSqlQuery &query);
// Runs a prepared query whose first columns are historyColumns(); its entries
// in the order it gives them, or nothing when it failed (query.lastError()).
std::optional<QList<HistoryEntry>> runHistoryQuery(QSqlQuery &query);
// "?, ?, ..." for every column.
QString historyPlaceholders();
// The text form of a time in a row.
QString historyTimeText(const QDateTime &time);

} // namespace aisset
