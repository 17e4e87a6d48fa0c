#pragma once

#include <QString>

namespace aisset {

// Keeps only the characters of the unit's six-bit set (codes 32-95: the blank,
// digits, capital letters and signs up to "_"), in order.
QString checkasc(const QString &text);

// The text fields limited to the unit's six-bit set: the call sign, the ship
// name and the vendor number. Their texts travel as six-bit text, so anything
// outside the set would reach the unit as something else.
bool takesSixBitOnly(int slot);

// Upper case for everything except the mask characters "_", "年", "月", "日", "米", ".".
QString getUCase(const QString &text);

} // namespace aisset
