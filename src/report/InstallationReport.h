#pragma once

#include "report/ReportData.h"

#include <QString>

namespace aisset {

// Writes the installation report as a PDF of two A4 pages, its Chinese text in
// an embedded font: page 1 the ship's data with the antenna drawing and the
// system settings, page 2 the factory data, the transactions with the unit
// (the newest that fit) and the installer's and ship's signature lines. Needs a
// QGuiApplication. False, with the reason, when the file cannot be written.
bool writeInstallationReport(const ReportData &report, const QString &path, QString *error);

} // namespace aisset
