#pragma once

#include "model/TextMark.h"

#include "model/FieldTable.h"

#include <array>

namespace aisset {

// The fifteen system settings that travel packed into 24 bits: in the write's
// last four characters (six-bit ASCII) and in the parameter line's four status
// characters (armoured six-bit). Packing and unpacking both read this table.
//
//  bit  1       2       3     4     5-8     9-10  11    12    13    14-16 17  18  19-20 21  22-24
//       custom  vhfOff  auto  ais   arrival data  al16  appr  light alarm gps vhf key   lcd prompt

// What a settings-list item carries: the entry's text or a number.
enum class PackedItem {
    EntryText, // items 0-5
    Number,    // items 7-15: a list position, or the light prompt's on flag
};

// How a setting's value stands in its bits.
enum class PackedValue {
    Steps,    // volumes and brightness: "关闭" is 0, any other entry its number
    Miles,    // arrival range: its list position n, read back as the entry "n海里"
    Position, // the entry's list position
    OnIsZero, // switches listed "关", "开": written 1 for position 0, read back alike
    LightOn,  // the light prompt: written 1 when off, read back as the position
};

struct PackedSetting {
    int slot;
    int item; // place in the settings list the write builds ("," between items)
    PackedItem carries;
    int firstBit; // 1-based, the most significant bit first
    int width;
    PackedValue value;
};

// Where the two directions are not inverses, on purpose, as the unit expects:
// - the write packs six-bit ASCII characters, the reply sends armoured ones
//   (different character codes for the same 24 bits);
// - a switch whose list position is neither 0 nor 1 writes no item, and an item
//   that gives no bits moves every later bit up; the bits are then zero-filled
//   or cut to 24 (packSettings);
// - a number too wide for its run keeps all its digits and pushes the later runs;
// - a reply character beyond "w" unpacks to seven digits and moves every later
//   run by one place (unpackStatus);
// - the light prompt is read back unchecked, before the other settings.

constexpr int kPackedSettingCount = 15;
constexpr int kPackedBits = 24;

// The settings in settings-list order.
const std::array<PackedSetting, kPackedSettingCount> &packedSettings();

// The settings list has one item that packs to nothing: "00" at place 6.
constexpr int kUnpackedItem = 6;

// ---- Trace wording --------------------------------------------------------
// The lines both directions add to the list of sent commands, worded as the
// unit's tools have always shown them.

struct PackedTraceLabel {
    int slot;
    const char16_t *writeLabel; // before the item in the write's second trace line
    const char16_t *readLabel;  // before the run in the reply's labelled lines
    bool readBinaryLine;        // shown in the reply's line of binary runs
    bool readCutList;           // the decimal value goes into the reply's cut list
    bool readValueComma;        // the decimal value is followed by "," in the value list
};

// In settings-list order, as packedSettings().
const std::array<PackedTraceLabel, kPackedSettingCount> &packedTraceLabels();

// The reply's "24格开[" line lists the runs in this order; the GPS output is not in it.
const std::array<int, kPackedSettingCount - 1> &switchLineOrder();

namespace traceHead {
inline constexpr char16_t writeList[] = AISSET_TEXT("Trace", "字符串:");
inline constexpr char16_t writeBits[] = AISSET_TEXT("Trace", "24位:");
inline constexpr char16_t writeGroups[] = AISSET_TEXT("Trace", "化成四个6进制数:");
inline constexpr char16_t writeCodes[] = AISSET_TEXT("Trace", "化成四个8进制数:");
inline constexpr char16_t writeHex[] = AISSET_TEXT("Trace", "转16进制:");
inline constexpr char16_t writeCharacters[] = AISSET_TEXT("Trace", "转字符:");
inline constexpr char16_t readCharacters[] = AISSET_TEXT("Trace", "字符串: ");
inline constexpr char16_t readHex[] = AISSET_TEXT("Trace", "16进制: ");
inline constexpr char16_t readBinary[] = AISSET_TEXT("Trace", "2进制: ");
inline constexpr char16_t readPadded[] = AISSET_TEXT("Trace", "2进制转6位: ");
inline constexpr char16_t readBits[] = AISSET_TEXT("Trace", "24位: ");
inline constexpr char16_t readSwitches[] = AISSET_TEXT("Trace", "24格开[");
inline constexpr char16_t readRuns[] = AISSET_TEXT("Trace", "提取2进制[ ");
inline constexpr char16_t readDecimals[] = AISSET_TEXT("Trace", "转10进制 [ ");
} // namespace traceHead

// A head or label of the debug window's trace of the packed settings, in the
// display language.
QString traceWords(const char16_t *words);

} // namespace aisset
