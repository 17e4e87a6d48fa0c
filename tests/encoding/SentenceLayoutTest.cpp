#include "encoding/SentenceLayout.h"
#include "model/FieldTable.h"

#include <gtest/gtest.h>

#include <set>

namespace aisset {
namespace {

// A width changed in the field table changes the body it builds; the unit reads
// bodies of exactly these lengths.
TEST(SentenceLayout, TheWireWidthsOfEachGroupAddUpToItsBodyLength)
{
    const struct {
        Group group;
        int bodyLength;
    } cases[] = {{Group::OwnShip, 65}, {Group::System, 16}, {Group::Factory, 26}};
    for (const auto &c : cases) {
        int total = sentenceLayout(c.group).packedWidth;
        for (int s : wireFields(c.group))
            total += field(s).wireWidth;
        EXPECT_EQ(total, c.bodyLength) << str(sentenceLayout(c.group).address).toStdString();
    }
}

// Every field that travels in a body has one place in its group's order, and
// packed settings have none.
TEST(SentenceLayout, EveryWireFieldHasOnePlaceInItsGroup)
{
    std::set<std::pair<Group, int>> places;
    for (const FieldInfo &f : fieldTable()) {
        EXPECT_EQ(f.wire == WireForm::Packed, f.wireOrder == 0) << f.slot;
        EXPECT_EQ(f.wire == WireForm::Packed, f.wireWidth == 0) << f.slot;
        if (f.wireOrder > 0) {
            EXPECT_TRUE(places.insert({f.group, f.wireOrder}).second) << "slot " << f.slot;
        }
    }
    EXPECT_EQ(wireFields(Group::OwnShip).size() + wireFields(Group::System).size() + wireFields(Group::Factory).size(),
              places.size());
}

} // namespace
} // namespace aisset
