#include "validation/EntryRules.h"

#include "encoding/Primitives.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "validation/CharacterChecks.h"
#include "validation/FieldLimits.h"

#include <algorithm>
#include <cmath>

namespace aisset {

namespace {

// Where the Enter key moves the focus from a field.
struct EnterStep {
    int from;
    FieldKind toKind;
    int to;
};

using enum FieldKind;

constexpr EnterStep kEditWalk[] = {
    {slot::mmsi, Edit, slot::shipName},      {slot::shipName, Edit, slot::callSign},
    {slot::callSign, Edit, slot::imoNumber}, {slot::imoNumber, Choice, slot::shipType},
    {slot::draught, Edit, slot::crewCount},  {slot::crewCount, Edit, slot::antennaA},
    {slot::antennaA, Edit, slot::antennaB},  {slot::antennaB, Edit, slot::antennaC},
    {slot::antennaC, Edit, slot::antennaD},  {slot::antennaD, Choice, slot::epfdType},
};

// The factory page, in the installer's edition only.
constexpr EnterStep kFactoryWalk[] = {
    {slot::vendorNumber, Edit, slot::factoryDate},
    {slot::factoryDate, Edit, slot::machineNumber},
    {slot::machineNumber, Edit, slot::powerOnTime},
};

constexpr EnterStep kChoiceWalk[] = {
    {slot::shipType, Edit, slot::draught},
    {slot::channel1, Choice, slot::channel2},
    {slot::channel2, Choice, slot::soundPromptRange},
    {slot::soundPromptRange, Choice, slot::lightPrompt},
    {slot::lightPrompt, Choice, slot::promptVolume},
    {slot::promptVolume, Choice, slot::alarmVolume},
    {slot::alarmVolume, Choice, slot::alarmRange},
    {slot::alarmRange, Choice, slot::keyBrightness},
    {slot::keyBrightness, Choice, slot::lcdMode},
    {slot::lcdMode, Choice, slot::vhfTalk},
    {slot::vhfTalk, Choice, slot::dataOutput},
    {slot::dataOutput, Choice, slot::arrivalRange},
    {slot::arrivalRange, Choice, slot::approachDisplay},
    {slot::approachDisplay, Choice, slot::alarm16},
};

template <std::size_t N>
bool walk(const EnterStep (&steps)[N], int from, Host &host)
{
    for (const EnterStep &step : steps) {
        if (step.from == from) {
            host.moveFocus(step.toKind, step.to);
            return true;
        }
    }
    return false;
}

const QString kMetre = QStringLiteral("米");

// The whole number a text reads as, without its fraction: "0012" gives "12".
QString wholeNumber(const QString &text) { return NumStr(std::trunc(NumVal(text))); }

} // namespace

EntryRules::EntryRules(Form &form, const EntryWindow &window, Host &host, Hooks hooks)
    : form_(form), window_(window), host_(host), hooks_(std::move(hooks))
{}

void EntryRules::text1_GotFocus(int slot)
{
    // Typing then replaces the previous content.
    form_.setEditSelection(slot, 0, int(form_.editText(slot).size()));
}

void EntryRules::text1_KeyDown(int slot, int key)
{
    if (key == kKeyEnter) {
        if (walk(kEditWalk, slot, host_) || !window_.isFullEdition())
            return;
        if (!walk(kFactoryWalk, slot, host_))
            startWriteOnEnter(Edit, slot);
    } else if (key == kKeyDecimal && slot == slot::draught) {
        decimalKeyInDraught();
    }
}

void EntryRules::Combo1_KeyDown(int slot, int key)
{
    if (key != kKeyEnter || walk(kChoiceWalk, slot, host_))
        return;
    startWriteOnEnter(Choice, slot);
}

// Enter on the last field of a page starts that page's write.
void EntryRules::startWriteOnEnter(FieldKind kind, int slot)
{
    if (const std::optional<Group> group = window_.writeOnEnter(kind, slot); group && hooks_.startWrite)
        hooks_.startWrite(*group);
}

// The keypad's decimal key lets a one-digit draught be typed without its
// leading zero: the digit moves before the point and the caret onto the tenths.
// The key itself then reaches the field, which refuses "." on a digit position.
void EntryRules::decimalKeyInDraught()
{
    const int s = slot::draught;
    form_.setMirror(s, ccg(form_.editText(s)));
    const QString clean = NumStr(NumVal(form_.mirror(s)));
    form_.setMirror(s, clean);
    if (clean.size() == 1) {
        (void)form_.setEditText(s, u'_' + clean + QStringLiteral("._") + kMetre);
        form_.setEditCaret(s, 3);
    }
    // Two digits typed without a point, the caret put back between them: d1.d2.
    if (form_.edit(s).caret() == 1 && clean.size() == 2) {
        (void)form_.setEditText(s, u'_' + clean.left(1) + u'.' + clean.mid(1) + kMetre);
        form_.setEditCaret(s, int(form_.editText(s).size()));
    }
}

void EntryRules::text1_LostFocus(int slot)
{
    if (!form_.isVisible() || !form_.isEnabled())
        return;
    if (form_.editText(slot).isEmpty())
        return;
    (void)form_.setEditText(slot, getUCase(form_.editText(slot)));
    form_.setMirror(slot, ccg(form_.editText(slot)));
    const std::optional<Group> group = window_.selectedGroup();
    if (isSixBitField(slot) && (group == Group::OwnShip || group == Group::Factory)) {
        filterSixBit(slot);
        return;
    }
    if (group != Group::OwnShip)
        return;

    const QString v = form_.mirror(slot);
    switch (slot) {
    case slot::draught:
        // An untouched draught ("__._米", clean "."), or one of prompts only, holds
        // no number: it stays untouched, and the write refuses it.
        if (!std::any_of(v.begin(), v.end(), [](QChar c) { return c.isDigit(); }))
            break;
        rewrite(slot, NumStr(NumVal(v)) + kMetre);
        if (NumVal(v) > field(slot::draught).limit)
            rewrite(slot, NumStr(field(slot::draught).limit) + kMetre);
        break;
    case slot::crewCount:
        if (!v.isEmpty())
            rewrite(slot, wholeNumber(v));
        break;
    case slot::antennaA:
    case slot::antennaB: limitWholeMetres(slot, v, field(slot).limit); break;
    case slot::antennaC:
    case slot::antennaD: limitWholeMetres(slot, v, field(slot).limit); break;
    default: // MMSI and IMO number keep what was typed
        break;
    }
}

// Keeps only six-bit characters in the call sign, ship name or vendor number, with the window
// held disabled meanwhile. The field puts a shortened text back into its full
// mask, so whether anything was dropped is read from the filtered text.
void EntryRules::filterSixBit(int slot)
{
    const QString text = form_.editText(slot);
    form_.setEnabled(false);
    const QString filtered = checkasc(text);
    (void)form_.setEditText(slot, filtered);
    form_.setEnabled(true);
    if (filtered.size() != text.size()) {
        host_.showWarning(Message::SixBitOnly);
        form_.setEnabled(true);
    }
}

// A rewrite the field does not take leaves it as it was.
void EntryRules::rewrite(int slot, const QString &text) { (void)form_.setEditText(slot, text); }

// An antenna distance: whole metres, cut to the limit (the limit itself stays),
// then the ship size is shown again, rewritten or not. A number shorter than
// the field stands at its left, as typed: the ship-size display reads the
// leading number of the text, which a leading prompt would hide.
void EntryRules::limitWholeMetres(int slot, const QString &clean, double limit)
{
    if (!clean.isEmpty()) {
        const QString metres = wholeNumber(clean);
        const qsizetype digits = form_.edit(slot).mask().size() - 1;
        rewrite(slot, metres + QString(std::max<qsizetype>(0, digits - metres.size()), u'_') + kMetre);
    }
    if (NumVal(clean) > limit)
        rewrite(slot, NumStr(limit) + kMetre);
    if (hooks_.showShipSize)
        hooks_.showShipSize();
}

} // namespace aisset
