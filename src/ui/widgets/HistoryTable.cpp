#include "ui/widgets/HistoryTable.h"

#include "history/HistoryDatabase.h"
#include "report/HistoryWords.h"

#include <QHeaderView>
#include <QSet>

#include <algorithm>

namespace aisset::ui {

HistoryTable::HistoryTable(bool showInstaller, QWidget *parent) : QTableWidget(0, showInstaller ? 5 : 4, parent)
{
    setObjectName(QStringLiteral("HistoryTable"));
    QStringList columns{historyWords::columnTime(), historyWords::columnKind(), historyWords::columnResult(),
                        historyWords::columnVerified()};
    if (showInstaller)
        columns.append(historyWords::columnInstaller());
    setHorizontalHeaderLabels(columns);
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
                                 historyWords::verification(e, verificationOf(e, entries)),
                                 e.session.user + u'@' + e.session.host};
        for (int column = 0; column < columnCount(); ++column)
            setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    resizeColumnsToContents();
}

QList<HistoryEntry> mergedHistory(const QList<HistoryEntry> &local, const QList<HistoryEntry> &company)
{
    QList<HistoryEntry> out = company;
    QSet<QUuid> known;
    for (const HistoryEntry &e : company)
        known.insert(e.transaction.id);
    for (const HistoryEntry &e : local)
        if (!known.contains(e.transaction.id))
            out.append(e); // not pushed yet
    std::stable_sort(out.begin(), out.end(), [](const HistoryEntry &a, const HistoryEntry &b) {
        return a.transaction.startedUtc > b.transaction.startedUtc;
    });
    return out;
}

} // namespace aisset::ui
