#pragma once

#include <QStringView>

namespace aisset::storeName {

// The names the per-user store keeps everything under: one application, a
// bookkeeping section, and one section per saved ship named by its MMSI (the
// keys of a ship's section are the field table's profile keys). Names compare
// without regard to case.
inline constexpr QStringView application = u"VARID";
inline constexpr QStringView bookkeeping = u"content";
inline constexpr QStringView recordNames = u"fname"; // the saved ships, joined by ","
inline constexpr QStringView recordCount = u"nn";    // their count as a 16-bit number
inline constexpr QStringView commPort = u"Commport"; // the serial port last chosen
inline constexpr QStringView skin = u"skin";         // the skin file last chosen

} // namespace aisset::storeName
