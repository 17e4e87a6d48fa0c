#include "ui/widgets/MenuActions.h"

#include "ui/text/Language.h"
#include "ui/widgets/KeyboardShortcuts.h"

#include <QMenu>
#include <QMenuBar>

#include <optional>

namespace aisset::ui {

namespace {

// The entries reached by a key sequence of their own; the rest through the menu bar (F10).
std::optional<Shortcut> entryShortcut(int item)
{
    switch (item) {
    case WindowMenu::LoadShip: return Shortcut::LoadShip;
    case WindowMenu::StandardWindow: return Shortcut::StandardWindow;
    case WindowMenu::DebugWindow: return Shortcut::DebugWindow;
    default: return std::nullopt;
    }
}

} // namespace

MenuActions::MenuActions(WindowMenu &menu, QMenuBar &bar, std::function<void()> openRecords) : menu_(menu)
{
    std::array<QMenu *, 3> menus{};
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const WindowMenu::TopMenu &top = WindowMenu::topMenus()[m];
        menus[m] = bar.addMenu(text::translate("Menu", top.caption));
        menus[m]->setObjectName(top.name);
        menus[m]->menuAction()->setVisible(menu.isMenuShown(int(m)));
    }
    // A skin file may come or go while the window runs.
    QObject::connect(menus[WindowMenu::Skins], &QMenu::aboutToShow, &lifetime_, [this] {
        for (int item = WindowMenu::SkinFirst; item < WindowMenu::kItemCount; ++item)
            actions_.at(std::size_t(item))->setEnabled(menu_.isEnabled(item));
    });
    for (int item = 0; item < WindowMenu::kItemCount; ++item) {
        const WindowMenu::Entry &entry = WindowMenu::entry(item);
        QAction *action = menus.at(std::size_t(entry.menu))->addAction(text::translate("Menu", entry.caption));
        action->setObjectName(entry.name);
        action->setCheckable(entry.checkable);
        action->setEnabled(menu.isEnabled(item));
        // A menu the edition does not show keeps its entries out of reach.
        if (const std::optional<Shortcut> keys = entryShortcut(item); keys && menu.isMenuShown(entry.menu))
            action->setShortcut(keySequences(*keys).constFirst());
        actions_[std::size_t(item)] = action;
        showChecked(item);
        if (item == WindowMenu::LoadShip) {
            QObject::connect(action, &QAction::triggered, &bar, [openRecords] {
                if (openRecords)
                    openRecords();
            });
        } else {
            // Qt has already flipped the mark of a checkable action; the core's
            // mark replaces it once the core has acted.
            QObject::connect(action, &QAction::triggered, &lifetime_, [this, item] {
                menu_.trigger(item);
                showChecked(item);
            });
        }
    }
    QObject::connect(&menu_, &WindowMenu::checkedChanged, &lifetime_, [this](int item) { showChecked(item); });
}

void MenuActions::showChecked(int item)
{
    QAction *action = actions_.at(std::size_t(item));
    if (action->isCheckable())
        action->setChecked(menu_.isChecked(item));
}

} // namespace aisset::ui
