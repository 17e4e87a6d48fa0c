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
std::vector<int> slotsOn(Page page)
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
    for (int b = 0; b < kButtonCount; ++b) {
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
void showButtons(WindowLayout &layout, const PageRow &page)
{
    if (page.writeButton) {
        Placement p = layout.button(*page.writeButton);
        p.visible = true;
        p.left = page.writeButtonLeft;
        layout.setButton(*page.writeButton, p);
    }
    if (layout.isFullEdition() && page.readButton)
        layout.setButton(Button::Read, readButtonPlace());
}

void moveFocusTo(Host &host, const FieldRef &field) { host.moveFocus(field.kind, field.slot); }

void showOwnShipPage(Form &form, WindowLayout &layout, Host &host)
{
    const PageRow &page = pageRow(Page::OwnShip);
    layout.setWindowHeight(WindowLayout::kPageHeight);
    showButtons(layout, page);
    layout.showPicture(WindowLayout::image2, true);
    layout.setShipSizeLabelVisible(true);
    // The fields keep their design width until the first showing, which narrows
    // the left column and widens the right one; later showings find the changed
    // width and leave the geometry alone.
    for (int s : slotsOn(page.page)) {
        if (layout.edit(s).width == WindowLayout::kFieldWidth)
            placeAsShown(layout, s);
        layout.alignChoiceWithEdit(s);
    }
    showCaptions(form, slotsOn(page.page));
    for (int s : slotsOn(page.page))
        showField(layout, s);
    if (form.edit(slot::crewCount).maxLength() != 4)
        applyPageOneMasks(form);
    // Showing the page focuses the crew count; a click on the tab and the
    // window's load move the focus on to the page's first field.
    if (form.isEnabled())
        host.moveFocus(FieldKind::Edit, slot::crewCount);
}

void showSystemPage(Form &form, WindowLayout &layout, Host &host)
{
    const PageRow &page = pageRow(Page::System);
    layout.setWindowHeight(WindowLayout::kPageHeight);
    showButtons(layout, page);
    for (int s : slotsOn(page.page)) {
        placeAsShown(layout, s);
        showField(layout, s);
    }
    showCaptions(form, slotsOn(page.page));
    if (form.isEnabled())
        moveFocusTo(host, *page.first);
}

// The factory page of the installer's edition: the four factory edit fields in
// two rows of the system page's columns, and its write button.
void showFactoryPage(Form &form, WindowLayout &layout, Host &host)
{
    const PageRow &page = pageRow(Page::Factory);
    layout.setWindowHeight(WindowLayout::kPageHeight);
    for (int s : slotsOn(page.page)) {
        placeAsShown(layout, s);
        form.setCaption(s, str(field(s).caption));
        showField(layout, s);
    }
    showButtons(layout, page);
    if (form.isEnabled())
        moveFocusTo(host, *page.first);
}

void showPicturePage(WindowLayout &layout, const PageRow &page)
{
    layout.setWindowHeight(WindowLayout::kPictureHeight);
    layout.showPicture(WindowLayout::IMAGE3, true);
    layout.showPicture(*page.picture, true);
}

} // namespace

void ShowPage(Form &form, WindowLayout &layout, Host &host, Page page)
{
    hideEverything(layout);
    if (!layout.hasPage(page))
        return;
    switch (page) {
    case Page::OwnShip: showOwnShipPage(form, layout, host); break;
    case Page::System: showSystemPage(form, layout, host); break;
    case Page::Instructions:
    case Page::Connection: showPicturePage(layout, pageRow(page)); break;
    case Page::Factory: showFactoryPage(form, layout, host); break;
    }
}

void Tab1_Click(Form &form, WindowLayout &layout, Host &host, Page page)
{
    const std::optional<FieldRef> first = pageRow(page).first;
    layout.setSelectedPage(page);
    form.setEnabled(false);
    // Whether a page is on screen is read from its first field.
    const auto shown = [&layout](const FieldRef &f) {
        return f.kind == FieldKind::Edit ? layout.edit(f.slot).visible : layout.choice(f.slot).visible;
    };
    if (first && shown(*first)) {
        form.setEnabled(true);
        return;
    }
    ShowPage(form, layout, host, page);
    form.setEnabled(true);
    if (first)
        moveFocusTo(host, *first);
}

} // namespace aisset
