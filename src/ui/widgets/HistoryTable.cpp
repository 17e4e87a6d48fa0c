#include "ui/widgets/HistoryTable.h"

#include "history/HistoryDatabase.h"
#include "report/HistoryWords.h"

#include <QHeaderView>

namespace aisset::ui {

HistoryTable::HistoryTable(QWidget *parent) : QTableWidget(0, 4, parent)
{
    setObjectName(QStringLiteral("HistoryTable"));
    setHorizontalHeaderLabels({historyWords::columnTime(), historyWords::columnKind(), historyWords::columnResult(),
                               historyWords::columnVerified()});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6); // one line a row
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
}

void HistoryTable::showEntries(const QList<HistoryEntry> &entries)
{
    setRowCount(int(entries.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const HistoryEntry &e = entries[row];
        const QString cells[] = {historyWords::localTime(e), historyWords::kind(e.transaction.kind),
                                 historyWords::resultDetail(e.transaction),
                                 historyWords::verification(e, verificationOf(e, entries))};
        for (int column = 0; column < 4; ++column)
            setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    resizeColumnsToContents();
}

} // namespace aisset::ui
