#pragma once

#include "history/HistoryEntry.h"

#include <QTableWidget>

namespace aisset::ui {

// One ship's history in the records dialog of the installer's edition, newest
// first: time, what was done, the outcome, and for an acknowledged write
// whether its read-back confirmed it; with the company's entries also who
// made each (user@host).
class HistoryTable : public QTableWidget {
    Q_OBJECT
public:
    explicit HistoryTable(bool showInstaller, QWidget *parent = nullptr);
    void showEntries(const QList<HistoryEntry> &entries);
};

// This machine's entries and the company's in one list, each once, newest first.
QList<HistoryEntry> mergedHistory(const QList<HistoryEntry> &local, const QList<HistoryEntry> &company);

} // namespace aisset::ui
