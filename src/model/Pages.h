#pragma once

#include <array>

namespace aisset {

class Form;
class Host;
class WindowLayout;

// The tabs of the tab strip in page order: the tab's key and caption.
struct PageTab {
    const char16_t *key;
    const char16_t *caption;
};
const std::array<PageTab, 4> &pageTabs();

// Lays out page 1 (own-ship data), 2 (system settings), 3 (instructions) or
// 4 (connection diagram): hides everything, then shows the page's fields, write
// button and pictures. The one-time narrowing of page 1 and its input masks
// happen at the first showing only; page 2's geometry is set on every showing.
void ShowPage(Form &form, WindowLayout &layout, Host &host, int page);

// A click on the tab of a page: selects it and lays it out with the window held
// disabled, then puts the focus into the page's first field. A click on the
// page already on screen changes nothing.
void Tab1_Click(Form &form, WindowLayout &layout, Host &host, int page);

} // namespace aisset
