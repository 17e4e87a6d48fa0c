#include "ui/core/Pages.h"

#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "ui/core/WindowLayout.h"

#include <optional>
#include <vector>

namespace aisset {

namespace {

constexpr int kHiddenButtonLeft = 6600;
constexpr int kReadButton = 3;
constexpr int kFactoryButton = 2;
// The installer's edition shows the read button on pages 1 and 2 at the same
// place, on the tab strip's row right of the tabs, where neither page has a field.
constexpr Placement kReadButtonPlace{true, 9180, 30, 1800, 405};

// The slots a page shows, in slot order; with a column, only that column's.
std::vector<int> slotsOn(int page, std::optional<DesignColumn> column = std::nullopt)
{
    std::vector<int> out;
    for (int s = 0; s < kSlotCount; ++s)
        if (isOnPage(s, page) && (!column || designPlace(s).column == *column))
            out.push_back(s);
    return out;
}

void showCaptions(Form &form, const std::vector<int> &slotNumbers)
{
    for (int s : slotNumbers)
        form.setCaption(s, str(field(s).caption));
}

// Moves a slot's label and field to where its page shows its column; the choice
// list follows its field, except in a column of choice lists alone.
void placeAsShown(WindowLayout &layout, int s)
{
    const DesignPlace &place = designPlace(s);
    const ShownColumn &shown = shownColumn(place.page, place.column);
    if (shown.labelLeft != kKeepDesign) {
        Placement l = layout.label(s);
        l.left = shown.labelLeft;
        layout.setLabel(s, l);
    }
    if (shown.fieldWidth == kKeepDesign) {
        Placement c = layout.choice(s);
        c.left = shown.fieldLeft;
        layout.setChoice(s, c);
        return;
    }
    Placement e = layout.edit(s);
    if (shown.fieldLeft != kKeepDesign)
        e.left = shown.fieldLeft;
    e.width = shown.fieldWidth;
    layout.setEdit(s, e);
    layout.alignChoiceWithEdit(s);
}

void showField(WindowLayout &layout, int s)
{
    layout.showLabel(s, true);
    if (field(s).kind == FieldKind::Choice)
        layout.showChoice(s, true);
    else
        layout.showEdit(s, true);
}

void hideEverything(WindowLayout &layout)
{
    for (int p : {WindowLayout::IMAGE3, WindowLayout::Image4, WindowLayout::Image5, WindowLayout::image2})
        layout.showPicture(p, false);
    layout.setShipSizeLabelVisible(false);
    for (int b = 0; b < WindowLayout::kButtonCount; ++b) {
        Placement p = layout.button(b);
        p.visible = false;
        p.left = kHiddenButtonLeft;
        layout.setButton(b, p);
    }
    for (int s = 0; s < kSlotCount; ++s) {
        layout.showEdit(s, false);
        layout.showChoice(s, false);
        layout.showLabel(s, false);
    }
}

void showButtonAt(WindowLayout &layout, int index, int left)
{
    Placement p = layout.button(index);
    p.visible = true;
    p.left = left;
    layout.setButton(index, p);
}

void showReadButton(WindowLayout &layout)
{
    if (layout.isFullEdition())
        layout.setButton(kReadButton, kReadButtonPlace);
}

void showOwnShipPage(Form &form, WindowLayout &layout, Host &host)
{
    layout.setWindowHeight(WindowLayout::kPageHeight);
    showButtonAt(layout, 0, 8400);
    showReadButton(layout);
    layout.showPicture(WindowLayout::image2, true);
    layout.setShipSizeLabelVisible(true);
    // The fields keep their design width until the first showing, which narrows
    // the left column and widens the right one; later showings find the changed
    // width and leave the geometry alone.
    for (int s : slotsOn(1)) {
        if (layout.edit(s).width == WindowLayout::kFieldWidth)
            placeAsShown(layout, s);
        layout.alignChoiceWithEdit(s);
    }
    showCaptions(form, slotsOn(1));
    for (int s : slotsOn(1))
        showField(layout, s);
    if (form.edit(slot::crewCount).maxLength() != 4)
        applyPageOneMasks(form);
    if (form.isEnabled())
        host.moveFocus(FieldKind::Edit, slot::crewCount);
}

void showSystemPage(Form &form, WindowLayout &layout, Host &host)
{
    layout.setWindowHeight(WindowLayout::kPageHeight);
    layout.showButton(1, true);
    showReadButton(layout);
    for (int s : slotsOn(2)) {
        placeAsShown(layout, s);
        showField(layout, s);
    }
    showCaptions(form, slotsOn(2));
    showButtonAt(layout, 1, 7980);
    if (form.isEnabled())
        host.moveFocus(FieldKind::Choice, slot::channel1);
}

// The factory page of the installer's edition: the four factory edit fields in
// two rows of page 2's columns, and the factory write button where page 2 has
// its write button.
void showFactoryPage(Form &form, WindowLayout &layout, Host &host)
{
    layout.setWindowHeight(WindowLayout::kPageHeight);
    for (int s : slotsOn(5)) {
        placeAsShown(layout, s);
        form.setCaption(s, str(field(s).caption));
        showField(layout, s);
    }
    showButtonAt(layout, kFactoryButton, 7980);
    if (form.isEnabled())
        host.moveFocus(FieldKind::Edit, slot::vendorNumber);
}

void showPicturePage(WindowLayout &layout, int picture)
{
    layout.setWindowHeight(WindowLayout::kPictureHeight);
    layout.showPicture(WindowLayout::IMAGE3, true);
    layout.showPicture(picture, true);
}

} // namespace

const std::array<PageTab, 5> &pageTabs()
{
    static constexpr std::array<PageTab, 5> kTabs{{
        {u"本船资料设置", u"本船资料设置"},
        {u"系统设置", u"系统设置"},
        {u"key3", u"说明显示"},
        {u"key4", u"连接实图"},
        {u"key5", u"出厂资料设置"},
    }};
    return kTabs;
}

void ShowPage(Form &form, WindowLayout &layout, Host &host, int page)
{
    hideEverything(layout);
    switch (page) {
    case 1: showOwnShipPage(form, layout, host); break;
    case 2: showSystemPage(form, layout, host); break;
    case 3: showPicturePage(layout, WindowLayout::Image4); break;
    case 4: showPicturePage(layout, WindowLayout::Image5); break;
    case 5:
        if (layout.isFullEdition())
            showFactoryPage(form, layout, host);
        break;
    default: break;
    }
}

void Tab1_Click(Form &form, WindowLayout &layout, Host &host, int page)
{
    layout.setSelectedPage(page);
    form.setEnabled(false);
    // Whether a page is on screen is read from its first field.
    const bool alreadyShown = (page == 1 && layout.edit(slot::mmsi).visible) ||
                              (page == 2 && layout.choice(slot::channel1).visible) ||
                              (page == 5 && layout.edit(slot::vendorNumber).visible);
    if (alreadyShown) {
        form.setEnabled(true);
        return;
    }
    ShowPage(form, layout, host, page);
    form.setEnabled(true);
    if (page == 1)
        host.moveFocus(FieldKind::Edit, slot::mmsi);
    else if (page == 2)
        host.moveFocus(FieldKind::Choice, slot::channel1);
    else if (page == 5)
        host.moveFocus(FieldKind::Edit, slot::vendorNumber);
}

} // namespace aisset
