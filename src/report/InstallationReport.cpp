#include "report/InstallationReport.h"

#include "history/HistoryDatabase.h"
#include "report/AntennaDrawing.h"
#include "report/HistoryWords.h"
#include "report/ReportWords.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <array>

namespace aisset {

namespace {

constexpr int kResolution = 300; // dots an inch
constexpr double kMm = kResolution / 25.4;
constexpr double kMargin = 15;     // mm, every side
constexpr double kWidth = 180;     // mm between the margins
constexpr double kPageBottom = 282; // mm: the page number's line
constexpr double kRow = 5;          // mm, a table row
constexpr double kListRow = 4.6;    // mm, a row of the transaction list
constexpr int kPages = 2;

// A column of a table: where it starts and how wide it is, in mm.
struct Column {
    double left;
    double width;
};
constexpr std::array<Column, 5> kValueColumns{{{0, 34}, {34, 44}, {78, 44}, {122, 34}, {156, 24}}};
constexpr std::array<Column, 4> kListColumns{{{0, 46}, {46, 36}, {82, 64}, {146, 34}}};

QFont font(double points, bool bold = false)
{
    QFont f;
    // The Chinese font the window uses; any CJK font the system has otherwise.
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Paints from top to bottom in millimetres.
class Sheet {
public:
    explicit Sheet(QPainter &painter) : p_(painter) {}

    double y = kMargin;

    QRectF area(double left, double top, double width, double height) const
    {
        return {(kMargin + left) * kMm, top * kMm, width * kMm, height * kMm};
    }
    void line(const QString &text, double height, const QFont &f, int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        p_.setFont(f);
        p_.drawText(area(0, y, kWidth, height), flags, text);
        y += height;
    }
    template <std::size_t N>
    void row(const std::array<Column, N> &columns, const QStringList &cells, double height, const QFont &f,
             bool shaded = false)
    {
        if (shaded)
            p_.fillRect(area(0, y, kWidth, height), QColor(0xee, 0xee, 0xee));
        p_.setFont(f);
        for (std::size_t i = 0; i < N && qsizetype(i) < cells.size(); ++i)
            p_.drawText(area(columns[i].left + 1, y, columns[i].width - 1.5, height),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cells[qsizetype(i)]);
        p_.setPen(QPen(Qt::gray, 0.1 * kMm));
        p_.drawLine(area(0, y + height, kWidth, 0).topLeft(), area(0, y + height, kWidth, 0).topRight());
        p_.setPen(Qt::black);
        y += height;
    }
    void pageNumber(int number)
    {
        p_.setFont(font(7));
        p_.drawText(area(0, kPageBottom, kWidth, 5), Qt::AlignRight | Qt::AlignVCenter,
                    reportWords::page(number, kPages));
    }
    QPainter &painter() { return p_; }

private:
    QPainter &p_;
};

void valueTable(Sheet &sheet, const ReportData &report, Group group)
{
    sheet.y += 2;
    sheet.line(reportWords::section(group), 7, font(11, true));
    sheet.row(kValueColumns,
              {reportWords::columnItem(), reportWords::columnStored(), reportWords::columnUnit(),
               reportWords::columnVerifiedAt(), reportWords::columnMark()},
              kRow, font(8, true), true);
    for (const ReportValue &v : report.values) {
        if (field(v.slot).group != group)
            continue;
        const QString when = v.verifiedAt.isValid() ? v.verifiedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
        sheet.row(kValueColumns, {historyWords::fieldCaption(v.slot), v.stored, v.unit, when, reportWords::mark(v.mark)}, kRow,
                  font(8), v.mark == ReportValue::Mark::DiffersFromStored);
    }
}

void transactionList(Sheet &sheet, const ReportData &report, double bottom)
{
    sheet.y += 2;
    sheet.line(reportWords::transactionsSection(), 7, font(11, true));
    if (report.transactions.isEmpty()) {
        sheet.line(reportWords::noTransactions(), kRow, font(8));
        return;
    }
    sheet.row(kListColumns,
              {historyWords::columnTime(), historyWords::columnKind(), historyWords::columnResult(),
               historyWords::columnVerified()},
              kRow, font(8, true), true);
    const qsizetype fit = qsizetype((bottom - sheet.y - kRow) / kListRow);
    const qsizetype shown = std::min(fit, report.transactions.size());
    for (qsizetype i = 0; i < shown; ++i) {
        const HistoryEntry &e = report.transactions[i];
        sheet.row(kListColumns,
                  {historyWords::localTime(e), historyWords::kind(e.transaction.kind),
                   historyWords::resultDetail(e.transaction),
                   historyWords::verification(e, verificationOf(e, report.transactions))},
                  kListRow, font(7.5));
    }
    if (shown < report.transactions.size())
        sheet.line(reportWords::olderTransactions(shown, report.transactions.size()), kRow, font(7.5));
}

// The installer's name, the date and the two signatures at the foot of page 2.
void signatures(Sheet &sheet, const QString &installer)
{
    sheet.y = kPageBottom - 44;
    for (const QString &text : {reportWords::installer(installer), reportWords::installationDate(),
                                reportWords::installerSignature(), reportWords::shipSignature()})
        sheet.line(text, 9, font(10));
}

} // namespace

bool writeInstallationReport(const ReportData &report, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QPdfWriter pdf(&file);
    pdf.setResolution(kResolution);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins({0, 0, 0, 0});
    pdf.setTitle(reportWords::title() + QStringLiteral(" ") + report.mmsi);
    pdf.setCreator(QStringLiteral("aisset"));
    QPainter painter(&pdf);
    Sheet sheet(painter);

    sheet.line(reportWords::title(), 10, font(16, true), Qt::AlignHCenter | Qt::AlignVCenter);
    sheet.line(reportWords::shipLine(report), 7, font(9));
    valueTable(sheet, report, Group::OwnShip);
    sheet.y += 2;
    drawAntennaPositions(painter, sheet.area(0, sheet.y, kWidth, 44), report.antenna, kMm);
    sheet.y += 44;
    valueTable(sheet, report, Group::System);
    sheet.pageNumber(1);

    pdf.newPage();
    sheet.y = kMargin;
    valueTable(sheet, report, Group::Factory);
    transactionList(sheet, report, kPageBottom - 48);
    signatures(sheet, report.installer);
    sheet.pageNumber(2);
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace aisset
