#pragma once

#include <QObject>

class QMenuBar;

namespace aisset {
class MainCore;
}

namespace aisset::ui {

class MainWindow;

// "保存安装报告" under "档案调用" in the installer's edition: asks where to save
// the installation report of the ship whose MMSI the form holds, and saves it.
class ReportAction : public QObject {
    Q_OBJECT
public:
    ReportAction(MainCore &core, MainWindow &window, QMenuBar &bar);

private:
    void save();

    MainCore &core_;
    MainWindow &window_;
};

} // namespace aisset::ui
