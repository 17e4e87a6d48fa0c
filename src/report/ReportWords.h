#pragma once

#include "report/ReportData.h"

#include <QString>

namespace aisset::reportWords {

// The texts of the installation report, in one place, in the display language.
QString title();
QString shipLine(const ReportData &report); // MMSI, ship name, when the report was made
QString section(Group group);
QString transactionsSection();
QString columnItem();
QString columnStored();
QString columnUnit();
QString columnVerifiedAt();
QString columnMark();
QString mark(ReportValue::Mark mark);
QString shipLength(double metres);
QString shipWidth(double metres);
QString noShipSize();
// One antenna distance on the drawing: "A=12米".
QString antennaDistance(QChar name, double metres);
QString olderTransactions(qsizetype shown, qsizetype total);
QString noTransactions();
QString installer(const QString &name);
QString installationDate();
QString installerSignature();
QString shipSignature();
QString page(int number, int count);
// The window's menu entry and its messages.
QString saveReportEntry();
QString noShip();
QString reportSaved(const QString &path);
QString reportNotSaved(const QString &reason);

} // namespace aisset::reportWords
