#pragma once

#include <array>

namespace aisset {

class Form;
class Host;
class WindowLayout;

// The tabs of the tab strip in page order: the tab's key and caption. The
// simplified edition has the first four (WindowLayout::pageCount).
struct PageTab {
    const char16_t *key;
    const char16_t *caption;
};
const std::array<PageTab, 5> &pageTabs();

// Lays out page 1 (own-ship data), 2 (system settings), 3 (instructions),
// 4 (connection diagram) or, in the installer's edition, 5 (factory data): hides
// everything, then shows the page's fields, buttons and pictures. The installer's
// edition also shows the read button on pages 1 and 2. The one-time narrowing of page 1 and its input masks
// happen at the first showing only; page 2's geometry is set on every showing.
void ShowPage(Form &form, WindowLayout &layout, Host &host, int page);

// A click on the tab of a page: selects it and lays it out with the window held
// disabled, then puts the focus into the page's first field. A click on the
// page already on screen changes nothing.
void Tab1_Click(Form &form, WindowLayout &layout, Host &host, int page);

} // namespace aisset
