#include "WindowLayout.h"

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

struct DesignRow {
    int slot;
    const Column *column;
    int top; // design field top
};

// Every slot's design place. Pages 1, 2 and 5 share the two main columns, each
// slot standing on one page only.
constexpr DesignRow kDesign[] = {
    // page 1
    {slot::mmsi, &kLeft, 720},        {slot::shipName, &kRight, 720},
    {slot::callSign, &kLeft, 1320},   {slot::antennaA, &kRight, 1320},
    {slot::imoNumber, &kLeft, 1920},  {slot::antennaB, &kRight, 1920},
    {slot::shipType, &kLeft, 2520},   {slot::antennaC, &kRight, 2520},
    {slot::draught, &kLeft, 3120},    {slot::antennaD, &kRight, 3120},
    {slot::crewCount, &kLeft, 3720},  {slot::epfdType, &kRight, 3720},
    // page 2
    {slot::alarmRange, &kLeft, 720},       {slot::alarmVolume, &kRight, 720},
    {slot::soundPromptRange, &kLeft, 1320}, {slot::promptVolume, &kRight, 1320},
    {slot::lightPrompt, &kLeft, 1920},     {slot::vhfTalk, &kRight, 1920},
    {slot::approachDisplay, &kLeft, 2520}, {slot::dataOutput, &kRight, 2520},
    {slot::arrivalRange, &kLeft, 3120},    {slot::alarm16, &kRight, 3120},
    {slot::keyBrightness, &kLeft, 3720},   {slot::lcdMode, &kRight, 3720},
    {slot::aisTransmit, &kLeft, 4320},     {slot::autoRange, &kRight, 4320},
    {slot::gpsOutput, &kThird, 960},       {slot::customMessage, &kThird, 1680},
    {slot::autoVhfOff, &kThird, 2400},     {slot::channel1, &kThird, 3120},
    {slot::channel2, &kThird, 3840},
    // page 5, the installer's edition only
    {slot::vendorNumber, &kLeft, 720},     {slot::factoryDate, &kRight, 720},
    {slot::machineNumber, &kLeft, 1320},   {slot::powerOnTime, &kRight, 1320},
};
static_assert(std::size(kDesign) == kSlotCount);

constexpr int kButtonTop = 4320;
constexpr int kButtonWidth = 1800;
constexpr int kButtonLeft = 6600;

} // namespace

WindowLayout::WindowLayout(Edition edition, QObject *parent) : QObject(parent), edition_(edition)
{
    for (const DesignRow &row : kDesign) {
        const auto i = std::size_t(row.slot);
        edits_[i] = {false, row.column->fieldLeft, row.top, kFieldWidth, kFieldHeight};
        // The choice lists have no place of their own: the load puts each on its edit field.
        labels_[i] = {false, row.column->labelLeft, row.top + row.column->labelOffset, 0, 0};
    }
    for (Placement &b : buttons_)
        b = {false, kButtonLeft, kButtonTop, kButtonWidth, 0};
    pictures_[image2] = {false, 8280, 720, 2520, 2880};
    pictures_[IMAGE3] = {false, 120, 480, 10800, 5580};
    // The two pictures of pages 3 and 4 fill their frame IMAGE3.
    pictures_[Image4] = {false, 0, 0, 10800, 5580};
    pictures_[Image5] = {false, 0, 0, 10800, 5580};
    // The console below the pages: the sent commands at the left, the received
    // data with the console's buttons at the right.
    consoleFrames_[0] = {false, 120, kConsoleTop, 3600, 2880};
    consoleFrames_[1] = {false, 3840, kConsoleTop, 7140, 2880};
}

template <typename T>
void WindowLayout::update(T &member, const T &value, Element element, int index)
{
    if (member == value)
        return;
    member = value;
    emit changed(element, index);
}

void WindowLayout::setSelectedPage(int page) { update(page_, page, Element::Page, 0); }
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
    setChoice(slot, c);
}

} // namespace aisset
