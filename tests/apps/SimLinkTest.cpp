// The virtual unit's --link: a second unit started on the same path takes the
// link over, and the older one, stopped, leaves the newer one's link alone.
#include "../link/VirtualUnit.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

using aisset::test::VirtualUnit;

TEST(VirtualUnitLink, StoppingTheOlderUnitKeepsTheNewerUnitsLink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("unit"));
    auto older = std::make_unique<VirtualUnit>(QStringList{QStringLiteral("--link"), link});
    ASSERT_FALSE(older->path().isEmpty());
    ASSERT_EQ(QFileInfo(link).symLinkTarget(), older->path());

    VirtualUnit newer({QStringLiteral("--link"), link});
    ASSERT_FALSE(newer.path().isEmpty());
    ASSERT_EQ(QFileInfo(link).symLinkTarget(), newer.path());

    older.reset(); // terminated, and waited for
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), newer.path()) << "the newer unit's link was removed";
}

TEST(VirtualUnitLink, StoppingAUnitRemovesItsOwnLink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("unit"));
    {
        VirtualUnit unit({QStringLiteral("--link"), link});
        ASSERT_EQ(QFileInfo(link).symLinkTarget(), unit.path());
    }
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

} // namespace
