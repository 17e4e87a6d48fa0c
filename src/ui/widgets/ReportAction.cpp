#include "ui/widgets/ReportAction.h"

#include "model/Normalise.h"
#include "report/InstallationReport.h"
#include "report/ReportWords.h"
#include "ui/core/MainCore.h"
#include "ui/widgets/MainWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>

namespace aisset::ui {

ReportAction::ReportAction(MainCore &core, MainWindow &window, QMenuBar &bar)
    : QObject(&window), core_(core), window_(window)
{
    const QString recordsMenu = WindowMenu::topMenus()[WindowMenu::Records].name;
    if (auto *menu = bar.findChild<QMenu *>(recordsMenu)) {
        QAction *action = menu->addAction(reportWords::saveReportEntry());
        action->setObjectName(QStringLiteral("report"));
        connect(action, &QAction::triggered, this, &ReportAction::save);
    }
}

void ReportAction::save()
{
    const QString mmsi = ccg(core_.form().editText(slot::mmsi)).trimmed();
    if (mmsi.isEmpty()) {
        window_.showWarning(reportWords::noShip());
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        &window_, reportWords::saveReportEntry(), QDir(folder).filePath(QStringLiteral("report-%1.pdf").arg(mmsi)),
        QStringLiteral("PDF (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    ProfileRecords records(core_.store());
    const std::optional<ReportData> report = gatherReport(records, core_.history(), mmsi, {});
    QString error = core_.history().errorText();
    if (report && writeInstallationReport(*report, path, &error))
        window_.showMessage(reportWords::reportSaved(path));
    else
        window_.showWarning(reportWords::reportNotSaved(error));
}

} // namespace aisset::ui
