#pragma once

#include <QString>
#include <QStringList>

namespace aisset {

// The packed settings of a write and the nine lines that trace their packing.
struct PackedCharacters {
    QString characters; // four six-bit ASCII characters
    QStringList trace;
};

// Packs a settings list (items joined by ",") into the four characters that carry
// the switches, volumes and steps of the system page. Each item gives its bits by
// the packed-settings table; an item the table's value cannot read gives none and
// moves every later bit up, and the bits are then cut or zero-filled to 24.
PackedCharacters packSettings(const QString &settingsList);

} // namespace aisset
