#pragma once

#include <QStringList>

namespace aisset {

// The entries of a slot's choice list in list order (empty for slots without a
// list) and the position selected when the window starts (-1 for none).
// The window, the decoding, the record loading and the command-line tool all read
// their vocabulary from here; list order binds because fields travel by position.
const QStringList &choiceEntries(int slot);
int startPosition(int slot);

// The entry "关闭" (off) that starts the volume, brightness and distance lists;
// the writes encode it as 0.
inline constexpr QStringView kOffEntry = u"关闭";

// A ship type that no entry of the ship-type list has, so that a reply carrying
// it fails its decoding at the ship type: the virtual unit's corrupt reply
// (--corrupt-reply) and the tests of a refused reply use it. ChoiceTablesTest
// keeps it off the list.
inline constexpr QStringView kNoShipType = u"99";

// The 180 AIS channel entries shared by both channel fields.
const QStringList &channelEntries();

} // namespace aisset
