#pragma once

#include <QString>

#include <optional>

namespace aisset {

// Whether a character survives the window's tidying into a six-bit field: after
// upper-casing (getUCase) it is one of the unit's six-bit characters (checkasc).
bool fitsSixBitAfterUpperCase(char32_t character);

// The fields whose text goes onto the wire as six-bit characters: the call sign
// and the ship name (their leaving rule removes anything else) and the vendor
// number (limited to the same set).
bool isSixBitField(int slot);

// The first character of value that the field in slot cannot end up holding,
// however it is typed and left: a control character in any field, in a digit
// field anything but digits (and its mask's prompts and signs), and in a
// six-bit field a character outside the six-bit set after upper-casing. Lower-case
// letters pass (the builders upper-case them). Nothing when every character fits.
std::optional<char32_t> firstCharacterFieldCannotHold(int slot, const QString &value);

// A character as a message names it: "海" (U+6D77), or U+000D for a control character.
QString describeCharacter(char32_t character);

} // namespace aisset
