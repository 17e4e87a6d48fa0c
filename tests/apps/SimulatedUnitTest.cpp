// The virtual unit's line handling, in process.
#include "SimulatedUnit.h"

#include <gtest/gtest.h>

using namespace aisset::sim;

namespace {

// A flood without a line end is dropped whole once it is as long as the tool's
// own limit: the unit's memory stays bounded, and the next sentence after the
// flood is read on its own, not glued to the flood's tail.
TEST(SimulatedUnit, AFloodWithoutALineEndIsBoundedAndTheNextSentenceReadAlone)
{
    SimulatedUnit unit(Faults{});
    QStringList taken;
    QObject::connect(&unit, &SimulatedUnit::log, [&](const QString &text) {
        if (text.startsWith(u"< "))
            taken << text;
    });
    const QByteArray noise(1000, 'x');
    qsizetype largest = 0;
    for (int i = 0; i < 10000; ++i) { // 10 MB
        unit.receive(noise);
        largest = std::max(largest, unit.pendingSize());
    }
    EXPECT_LT(largest, SimulatedUnit::kLineLimit);
    unit.receive("$CVRSE,*7D\r\n");
    ASSERT_FALSE(taken.isEmpty());
    EXPECT_EQ(taken.constLast(), u"< $CVRSE,*7D");
}

} // namespace
