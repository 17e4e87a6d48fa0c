#include "ui/core/WindowLayout.h"

#include <algorithm>

namespace aisset {

namespace {

// The design columns: label left, field left, and where the label stands
// relative to its field (120 lower beside it, or 240 higher above it).
struct Column {
    int labelLeft;
    int fieldLeft;
    int labelOffset;
};
constexpr Column kLeft{120, 1320, 120};
constexpr Column kRight{4080, 5520, 120};
constexpr Column kThird{8400, 8400, -240};

const Column &designColumn(DesignColumn column)
{
    switch (column) {
    case DesignColumn::Left: return kLeft;
    case DesignColumn::Right: return kRight;
    case DesignColumn::Third: return kThird;
    }
    return kLeft;
}

using enum DesignColumn;
using enum Page;

constexpr DesignPlace kDesign[] = {
    // the own-ship page
    {slot::mmsi, OwnShip, Left, 720},
    {slot::shipName, OwnShip, Right, 720},
    {slot::callSign, OwnShip, Left, 1320},
    {slot::antennaA, OwnShip, Right, 1320},
    {slot::imoNumber, OwnShip, Left, 1920},
    {slot::antennaB, OwnShip, Right, 1920},
    {slot::shipType, OwnShip, Left, 2520},
    {slot::antennaC, OwnShip, Right, 2520},
    {slot::draught, OwnShip, Left, 3120},
    {slot::antennaD, OwnShip, Right, 3120},
    {slot::crewCount, OwnShip, Left, 3720},
    {slot::epfdType, OwnShip, Right, 3720},
    // the system page
    {slot::alarmRange, System, Left, 720},
    {slot::alarmVolume, System, Right, 720},
    {slot::soundPromptRange, System, Left, 1320},
    {slot::promptVolume, System, Right, 1320},
    {slot::lightPrompt, System, Left, 1920},
    {slot::vhfTalk, System, Right, 1920},
    {slot::approachDisplay, System, Left, 2520},
    {slot::dataOutput, System, Right, 2520},
    {slot::arrivalRange, System, Left, 3120},
    {slot::alarm16, System, Right, 3120},
    {slot::keyBrightness, System, Left, 3720},
    {slot::lcdMode, System, Right, 3720},
    {slot::aisTransmit, System, Left, 4320},
    {slot::autoRange, System, Right, 4320},
    {slot::gpsOutput, System, Third, 960},
    {slot::customMessage, System, Third, 1680},
    {slot::autoVhfOff, System, Third, 2400},
    {slot::channel1, System, Third, 3120},
    {slot::channel2, System, Third, 3840},
    // the factory page, the installer's edition only
    {slot::vendorNumber, Factory, Left, 720},
    {slot::factoryDate, Factory, Right, 720},
    {slot::machineNumber, Factory, Left, 1320},
    {slot::powerOnTime, Factory, Right, 1320},
};
static_assert(std::size(kDesign) == kSlotCount);

// The columns as their pages show them. The own-ship page narrows its left
// column and moves its right one left and wider; the system and factory pages
// set their own two main columns; the system page's third column holds choice
// lists and labels at one left edge.
struct PageColumn {
    Page page;
    DesignColumn column;
    ShownColumn shown;
};
constexpr PageColumn kShownColumns[] = {
    {OwnShip, Left, {kKeepDesign, kKeepDesign, 2295}},
    {OwnShip, Right, {3720, 5070, 3105}},
    {System, Left, {kKeepDesign, 1500, 2255}},
    {System, Right, {4060, 5500, 1835}},
    {System, Third, {7980, 7980, kKeepDesign}},
    {Factory, Left, {kKeepDesign, 1500, 2255}},
    {Factory, Right, {4060, 5500, 1835}},
};
constexpr ShownColumn kAsDesigned{kKeepDesign, kKeepDesign, kKeepDesign};

// Lists whose longest entry is wider than their column's fields. The ship type's
// ("32(拖带船:超200M长或25M宽)") reaches left to just behind its short caption
// "船型:" and right to the column's edge before the right column's captions, so
// the fields around it keep their places.
struct WideChoice {
    int slot;
    int left;
    int right;
};
constexpr WideChoice kWideChoices[] = {{slot::shipType, 600, 3660}};

constexpr int kButtonTop = 4320;
constexpr int kButtonWidth = 1800;

} // namespace

WindowLayout::WindowLayout(Edition edition, QObject *parent) : QObject(parent), edition_(edition)
{
    for (const DesignPlace &row : kDesign) {
        const auto i = std::size_t(row.slot);
        const Column &column = designColumn(row.column);
        edits_[i] = {false, column.fieldLeft, row.top, kFieldWidth, kFieldHeight};
        // The choice lists have no place of their own: the load puts each on its edit field.
        labels_[i] = {false, column.labelLeft, row.top + column.labelOffset, 0, 0};
    }
    for (Placement &b : buttons_)
        b = {false, kButtonDesignLeft, kButtonTop, kButtonWidth, 0};
    pictures_[image2] = {false, 8280, 720, 2520, 2880};
    pictures_[IMAGE3] = {false, 120, 480, 10800, 5580};
    // The pictures of the instructions and connection pages fill their frame IMAGE3.
    pictures_[Image4] = {false, 0, 0, 10800, 5580};
    pictures_[Image5] = {false, 0, 0, 10800, 5580};
    // The console below the pages: the sent commands at the left, the received
    // data with the console's buttons at the right.
    consoleFrames_[0] = {false, 120, kConsoleTop, 3600, 2880};
    consoleFrames_[1] = {false, 3840, kConsoleTop, 7140, 2880};
}

const DesignPlace &designPlace(int slot)
{
    for (const DesignPlace &row : kDesign)
        if (row.slot == slot)
            return row;
    return kDesign[0];
}

bool isOnPage(int slot, Page page) { return designPlace(slot).page == page; }

const ShownColumn &shownColumn(Page page, DesignColumn column)
{
    for (const PageColumn &c : kShownColumns)
        if (c.page == page && c.column == column)
            return c.shown;
    return kAsDesigned;
}

// On the tab strip's row right of the tabs, where neither page has a field.
Placement readButtonPlace() { return {true, 9180, 30, 1800, 405}; }

template <typename T>
void WindowLayout::update(T &member, const T &value, Element element, int index)
{
    if (member == value)
        return;
    member = value;
    emit changed(element, index);
}

int WindowLayout::pageCount() const
{
    const auto rows = pages();
    return int(std::count_if(rows.begin(), rows.end(), [this](const PageRow &row) { return hasPage(row.page); }));
}

void WindowLayout::setSelectedPage(Page page) { update(page_, page, Element::Page, 0); }

std::optional<Group> WindowLayout::writeOnEnter(FieldKind kind, int slot) const
{
    for (const PageRow &row : pages()) {
        if (row.last && row.last->kind == kind && row.last->slot == slot && row.writeButton &&
            button(*row.writeButton).visible)
            return row.group;
    }
    return std::nullopt;
}
void WindowLayout::setWindowHeight(int twips) { update(height_, twips, Element::WindowHeight, 0); }
void WindowLayout::setWindowTop(int twips) { update(top_, twips, Element::WindowTop, 0); }

void WindowLayout::setEdit(int slot, const Placement &p)
{
    update(edits_.at(std::size_t(slot)), p, Element::Edit, slot);
}

void WindowLayout::setChoice(int slot, const Placement &p)
{
    update(choices_.at(std::size_t(slot)), p, Element::Choice, slot);
}

void WindowLayout::setLabel(int slot, const Placement &p)
{
    update(labels_.at(std::size_t(slot)), p, Element::Label, slot);
}

void WindowLayout::setButton(int index, const Placement &p)
{
    update(buttons_.at(std::size_t(index)), p, Element::Button, index);
}

void WindowLayout::setPicture(int index, const Placement &p)
{
    update(pictures_.at(std::size_t(index)), p, Element::Picture, index);
}

void WindowLayout::setConsoleFrame(int index, const Placement &p)
{
    update(consoleFrames_.at(std::size_t(index)), p, Element::ConsoleFrame, index);
}

void WindowLayout::setShipSizeLabelVisible(bool visible)
{
    update(shipSizeVisible_, visible, Element::ShipSizeLabel, 0);
}

void WindowLayout::setStatusLabelsVisible(bool visible)
{
    update(statusLabelsVisible_, visible, Element::StatusLabels, 0);
}

namespace {
Placement shown(Placement p, bool visible)
{
    p.visible = visible;
    return p;
}
} // namespace

void WindowLayout::showEdit(int slot, bool visible) { setEdit(slot, shown(edit(slot), visible)); }
void WindowLayout::showChoice(int slot, bool visible) { setChoice(slot, shown(choice(slot), visible)); }
void WindowLayout::showLabel(int slot, bool visible) { setLabel(slot, shown(label(slot), visible)); }
void WindowLayout::showButton(int index, bool visible) { setButton(index, shown(button(index), visible)); }
void WindowLayout::showPicture(int index, bool visible) { setPicture(index, shown(picture(index), visible)); }
void WindowLayout::showConsoleFrame(int index, bool visible)
{
    setConsoleFrame(index, shown(consoleFrame(index), visible));
}

void WindowLayout::alignChoiceWithEdit(int slot)
{
    Placement c = choice(slot);
    c.left = edit(slot).left;
    c.width = edit(slot).width;
    for (const WideChoice &wide : kWideChoices) {
        if (wide.slot == slot) {
            c.left = wide.left;
            c.width = wide.right - wide.left;
        }
    }
    setChoice(slot, c);
}

} // namespace aisset
