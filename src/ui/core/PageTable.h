#pragma once

#include "model/FieldTable.h"

#include <optional>
#include <span>

namespace aisset {

// The pages of the window's tab strip.
enum class Page { OwnShip, System, Instructions, Connection, Factory };

// The window's four transaction buttons (Command2 0-3, in this order): the
// write of each page with fields, and the read.
enum class Button { OwnShipWrite, SystemWrite, FactoryWrite, Read };
constexpr int kButtonCount = 4;

// A field of the window: its edit field or its choice list.
struct FieldRef {
    FieldKind kind;
    int slot;
};

// One page: what its tab says, what it writes and what stands on it.
struct PageRow {
    Page page;
    const char16_t *tabKey;
    const char16_t *tabCaption;
    // The parameter group the page's fields belong to; none on a picture page.
    std::optional<Group> group;
    // A click on the tab puts the focus here; shown, it means the page is on screen.
    std::optional<FieldRef> first;
    // Enter here starts the page's write.
    std::optional<FieldRef> last;
    // The page's write button and the left edge it is shown at (the design top
    // and width stay).
    std::optional<Button> writeButton;
    int writeButtonLeft;
    // The installer's edition shows the read button on the page.
    bool readButton;
    // The picture the page shows (a WindowLayout::Picture); none on a page of fields.
    std::optional<int> picture;
    // Only the installer's edition has the page.
    bool fullEditionOnly;
};

// Every page in the order of the tab strip: the tab at index i shows pages()[i].
std::span<const PageRow> pages();
const PageRow &pageRow(Page page);
const PageRow &pageAtTab(int index);
int tabIndex(Page page);

// The group a write button writes; none for the read button.
std::optional<Group> groupWrittenBy(Button button);

} // namespace aisset
