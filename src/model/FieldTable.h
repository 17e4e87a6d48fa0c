#pragma once

#include <QString>

#include <array>
#include <limits>
#include <optional>
#include <span>

namespace aisset {

constexpr int kSlotCount = 35;   // field slots 0-34 shared by all pages
constexpr int kMirrorCount = 30; // hidden normalised copies exist for slots 0-29

enum class FieldKind { Edit, Choice };
enum class Group { OwnShip, System, Factory };

// How a field travels in its write sentence.
enum class WireForm {
    ZeroFilled,   // digits, left-padded with "0" (Allc)
    BlankFilled,  // text, right-padded with blanks (AllBB)
    Tenths,       // draught: tenths of a metre, zero-filled
    ValueText,    // a choice's text before "(", zero-filled
    ListPosition, // a choice's list position, zero-filled
    Packed,       // a bit inside the four packed characters
};

// What a write checks in a field's copy before the field goes on the wire.
enum class CopyCheck {
    None,       // nothing beyond an entry (system choices are checked by their builder)
    Number,     // empty, or a number up to the limit, as wide as the wire allows
    Required,   // a number as for Number that may not be empty
    AllDigits,  // empty, or exactly as many digits as the wire width
    Date,       // six digits yymmdd naming a real day
    Text,       // upper-cased, no control character, at most the wire width
    ChoiceCode, // an entry selected whose value text is a number up to the limit
};

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

struct FieldInfo {
    int slot;
    const char16_t *name; // the field's name in code, JSON and tests
    FieldKind kind;
    Group group;
    const char16_t *caption;    // label text beside the field
    const char16_t *mask;       // page-1 input mask; empty for none
    int maxLength;              // page-1 maximum length; 0 when none is set
    const char16_t *profileKey; // key in a ship's record section
    WireForm wire;
    int wireWidth; // characters in the write sentence; 0 for packed bits
    int wireOrder; // 1-based place in its group's sentence body; 0 for packed bits
    CopyCheck check;
    double limit; // the largest value a number may have; kNoLimit for none
    int replyPos; // 1-based first position in the parameter line; 0 if none
    int replyLength;
};

// One row per slot, indexed by slot number.
const std::array<FieldInfo, kSlotCount> &fieldTable();
const FieldInfo &field(int slot);
std::optional<int> slotByName(const QString &name);

// A group's fields in the order they stand in its sentence body.
std::span<const int> wireFields(Group group);

// The characters a field's copy may take: its wire width, and the decimal point
// of a number written in tenths.
inline int copyWidth(const FieldInfo &f) { return f.wire == WireForm::Tenths ? f.wireWidth + 1 : f.wireWidth; }

inline QString str(const char16_t *s) { return QString::fromUtf16(s); }

// Slot numbers by name, for code that names a particular field.
namespace slot {
enum : int {
    crewCount = 0,
    vendorNumber = 1,
    callSign = 2,
    shipType = 3,
    draught = 4,
    mmsi = 5,
    imoNumber = 6,
    shipName = 7,
    antennaA = 8,
    antennaB = 9,
    antennaC = 10,
    antennaD = 11,
    epfdType = 12,
    channel1 = 13,
    channel2 = 14,
    soundPromptRange = 15,
    lightPrompt = 16,
    promptVolume = 17,
    alarmVolume = 18,
    keyBrightness = 19,
    lcdMode = 20,
    vhfTalk = 21,
    dataOutput = 22,
    factoryDate = 23,
    machineNumber = 24,
    powerOnTime = 25,
    alarmRange = 26,
    arrivalRange = 27,
    approachDisplay = 28,
    alarm16 = 29,
    aisTransmit = 30,
    autoRange = 31,
    gpsOutput = 32,
    customMessage = 33,
    autoVhfOff = 34,
};
} // namespace slot

} // namespace aisset
