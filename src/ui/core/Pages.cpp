#include "ui/core/Pages.h"

#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "ui/core/WindowLayout.h"

#include <vector>

namespace aisset {

namespace {

// The slots a page shows, in slot order.
std::vector<int> slotsOn(int page)
{
    std::vector<int> out;
    for (int s = 0; s < kSlotCount; ++s)
        if (isOnPage(s, page))
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
        p.left = WindowLayout::kButtonDesignLeft;
        layout.setButton(b, p);
    }
    for (int s = 0; s < kSlotCount; ++s) {
        layout.showEdit(s, false);
        layout.showChoice(s, false);
        layout.showLabel(s, false);
    }
}

// The page's write button, and the read button where the edition has one.
void showButtons(WindowLayout &layout, int page)
{
    if (const PageButton *write = writeButtonOf(page)) {
        Placement p = layout.button(write->button);
        p.visible = true;
        p.left = write->left;
        layout.setButton(write->button, p);
    }
    if (layout.isFullEdition() && showsReadButton(page))
        layout.setButton(kReadButton, readButtonPlace());
}

void showOwnShipPage(Form &form, WindowLayout &layout, Host &host)
{
    layout.setWindowHeight(WindowLayout::kPageHeight);
    showButtons(layout, 1);
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
    showButtons(layout, 2);
    for (int s : slotsOn(2)) {
        placeAsShown(layout, s);
        showField(layout, s);
    }
    showCaptions(form, slotsOn(2));
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
    showButtons(layout, 5);
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
