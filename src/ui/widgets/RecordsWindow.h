#pragma once

#include "history/HistoryEntry.h"
#include "ui/widgets/Twips.h"

#include <QDialog>

class QLabel;
class QListView;

namespace aisset {
class MainCore;
}

namespace aisset::ui {

class HistoryTable;
class RecordNamesModel;

// The records dialog (dunote) "读取以往录入数据": the list of saved ships and the
// buttons "清空注册数据" and "开始载入数据", shown modally over the main window.
// The dialog's state is the core's: this one window is kept for the whole run,
// and what it shows follows the core's loading, hiding and unloading. It has no
// parent widget, so that it wears its own skin, not the main window's.
class RecordsWindow : public QDialog {
    Q_OBJECT
public:
    RecordsWindow(MainCore &core, QWidget &mainWindow, const Twips &twips);

    // "调入船资料": shows the dialog modally; returns once it is hidden or unloaded.
    void openModal();

    // Closing the dialog's window unloads it.
    void reject() override;

private:
    void createControls();
    void showEntries();
    QMargins frameMargins() const;
    void followCore();
    void showHistory(int row);

    MainCore &core_;
    QWidget &mainWindow_;
    const Twips &twips_;
    QListView *list_ = nullptr;
    RecordNamesModel *entries_ = nullptr;
    HistoryTable *history_ = nullptr; // the installer's edition only
    QLabel *companyNote_ = nullptr;   // with a company database only
    QString shownMmsi_;
    QList<HistoryEntry> shownLocal_;
    bool followingCore_ = false; // the list is being set from the core
};

} // namespace aisset::ui
