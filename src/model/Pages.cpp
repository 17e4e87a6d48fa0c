#include "Pages.h"

#include "FieldTable.h"
#include "Form.h"
#include "Host.h"
#include "Normalise.h"
#include "WindowLayout.h"

#include <algorithm>
#include <initializer_list>

namespace aisset {

namespace {

constexpr int kNarrowing = 360;    // page 1, left column: fields lose this width
constexpr int kLabelShift = 360;   // page 1, right column: labels move left by this
constexpr int kFieldShift = 450;   // page 1, right column: fields move left and grow by this
constexpr int kHiddenButtonLeft = 6600;
constexpr int kReadButton = 3;
constexpr int kFactoryButton = 2;
// The installer's edition shows the read button on pages 1 and 2 at the same
// place, on the tab strip's row right of the tabs, where neither page has a field.
constexpr Placement kReadButtonPlace{true, 9180, 30, 1800, 405};

void showCaptions(Form &form, std::initializer_list<int> slotNumbers)
{
    for (int s : slotNumbers)
        form.setCaption(s, str(field(s).caption));
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
    showCaptions(form, {0, 2, 3, 4, 5, 6});
    // The fields keep their design width 2655 until the first showing, which
    // narrows the left column and widens the right one; later showings find
    // the changed width and leave the geometry alone.
    for (int s : {0, 2, 3, 4, 5, 6}) {
        Placement e = layout.edit(s);
        if (e.width == WindowLayout::kFieldWidth) {
            e.width -= kNarrowing;
            layout.setEdit(s, e);
        }
        layout.alignChoiceWithEdit(s);
    }
    for (int s = 7; s <= 12; ++s) {
        Placement e = layout.edit(s);
        if (e.width == WindowLayout::kFieldWidth) {
            Placement l = layout.label(s);
            l.left -= kLabelShift;
            layout.setLabel(s, l);
            e.left -= kFieldShift;
            e.width += kFieldShift;
            layout.setEdit(s, e);
        }
        layout.alignChoiceWithEdit(s);
    }
    showCaptions(form, {7, 8, 9, 10, 11, 12});
    for (int s = 0; s <= 12; ++s) {
        if (s == slot::vendorNumber)
            continue;
        layout.showLabel(s, true);
        if (s == slot::shipType || s == slot::epfdType)
            layout.showChoice(s, true);
        else
            layout.showEdit(s, true);
    }
    if (form.edit(slot::crewCount).maxLength() != 4)
        applyPageOneMasks(form);
    if (form.isEnabled())
        host.moveFocus(FieldKind::Edit, slot::crewCount);
}

bool inRightColumn(int s)
{
    static constexpr int kRight[] = {17, 18, 20, 21, 22, 29, 31, slot::factoryDate, slot::powerOnTime};
    return std::find(std::begin(kRight), std::end(kRight), s) != std::end(kRight);
}

bool isFactorySlot(int s) { return field(s).group == Group::Factory; }

// The two main columns of pages 2 and 5: a right-column label moves to 4060 and
// its field to 5500, 1835 wide; a left-column field to 1500, 2255 wide.
void placeInPageTwoColumns(WindowLayout &layout, int s)
{
    Placement e = layout.edit(s);
    if (inRightColumn(s)) {
        Placement l = layout.label(s);
        l.left = 4060;
        layout.setLabel(s, l);
        e.left = 5500;
        e.width = 1835;
    } else {
        e.left = 1500;
        e.width = 2255;
    }
    layout.setEdit(s, e);
    layout.alignChoiceWithEdit(s);
}

void showSystemPage(Form &form, WindowLayout &layout, Host &host)
{
    layout.setWindowHeight(WindowLayout::kPageHeight);
    layout.showButton(1, true);
    showReadButton(layout);
    for (int s = 15; s <= 31; ++s) {
        if (isFactorySlot(s))
            continue;
        layout.showChoice(s, true);
        layout.showLabel(s, true);
        placeInPageTwoColumns(layout, s);
    }
    for (int s : {13, 14, 32, 33, 34}) {
        Placement c = layout.choice(s);
        c.left = 7980;
        layout.setChoice(s, c);
        Placement l = layout.label(s);
        l.left = 7980;
        layout.setLabel(s, l);
        layout.showLabel(s, true);
        layout.showChoice(s, true);
    }
    showCaptions(form, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 26, 27, 28, 29, 30, 31, 32, 33, 34});
    showButtonAt(layout, 1, 7980);
    if (form.isEnabled())
        host.moveFocus(FieldKind::Choice, slot::channel1);
}

// The factory page of the installer's edition: the four factory edit fields in
// two rows of page 2's columns, in the order of their Enter walk, and the factory
// write button where page 2 has its write button.
void showFactoryPage(Form &form, WindowLayout &layout, Host &host)
{
    layout.setWindowHeight(WindowLayout::kPageHeight);
    constexpr int kFactorySlots[] = {slot::vendorNumber, slot::factoryDate, slot::machineNumber, slot::powerOnTime};
    for (int s : kFactorySlots) {
        placeInPageTwoColumns(layout, s);
        form.setCaption(s, str(field(s).caption));
        layout.showLabel(s, true);
        layout.showEdit(s, true);
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
    const bool alreadyShown = (page == 1 && layout.edit(slot::mmsi).visible)
                              || (page == 2 && layout.choice(slot::channel1).visible)
                              || (page == 5 && layout.edit(slot::vendorNumber).visible);
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
