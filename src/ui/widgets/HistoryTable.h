#pragma once

#include "history/HistoryEntry.h"

#include <QTableWidget>

namespace aisset::ui {

// One ship's history in the records dialog of the installer's edition, newest
// first: time, what was done, the outcome, and for an acknowledged write
// whether its read-back confirmed it.
class HistoryTable : public QTableWidget {
    Q_OBJECT
public:
    explicit HistoryTable(QWidget *parent = nullptr);
    void showEntries(const QList<HistoryEntry> &entries);
};

} // namespace aisset::ui
