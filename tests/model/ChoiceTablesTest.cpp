#include "model/ChoiceTables.h"
#include "model/FieldTable.h"

#include <gtest/gtest.h>

using namespace aisset;

namespace {

// The virtual unit's corrupt reply and the tests of a refused reply rely on a
// ship type the decoding cannot find: no entry may carry it as its code, and
// it fills the ship type's place in a reply exactly.
TEST(ChoiceTables, NoShipTypeIsTheCodeOfNoShipTypeEntry)
{
    ASSERT_FALSE(choiceEntries(slot::shipType).isEmpty());
    for (const QString &entry : choiceEntries(slot::shipType))
        EXPECT_NE(entry.section(u'(', 0, 0), kNoShipType) << entry.toStdString();
    EXPECT_EQ(kNoShipType.size(), field(slot::shipType).replyLength);
}

} // namespace
