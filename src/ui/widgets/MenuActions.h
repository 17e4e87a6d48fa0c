#pragma once

#include "ui/core/WindowMenu.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenuBar;

namespace aisset::ui {

// The menu bar's menus and entries as Qt actions (named as the core names
// them), bound to the core's menu: a triggered entry runs the core's action, and
// the check marks always show the core's. Hidden menus are not shown on the
// bar, but their actions exist and can be triggered.
class MenuActions {
public:
    // openRecords is what "调入船资料" does.
    MenuActions(WindowMenu &menu, QMenuBar &bar, std::function<void()> openRecords);

    QAction *action(int item) const { return actions_.at(std::size_t(item)); }

private:
    void showChecked(int item);

    WindowMenu &menu_;
    std::array<QAction *, WindowMenu::kItemCount> actions_{};
    QObject lifetime_; // ends the connections that call back into this object
};

} // namespace aisset::ui
