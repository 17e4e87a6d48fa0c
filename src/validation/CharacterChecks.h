#pragma once

#include <QString>

namespace aisset {

// Keeps only the characters of the unit's six-bit set (codes 32-95: the blank,
// digits, capital letters and signs up to "_"), in order.
QString checkasc(const QString &text);

// Upper case for everything except the mask characters "_", "年", "月", "日", "米", ".".
QString getUCase(const QString &text);

} // namespace aisset
