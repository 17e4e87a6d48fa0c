#include "ui/core/MainCore.h"
#include "ui/text/Catalogue.h"
#include "SaveTesting.h"
#include "ScriptedHost.h"
#include "link/QtSerialLine.h"
#include "model/FieldTable.h"
#include "store/ProfileStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace aisset;

namespace {

// The core of a window on a machine without serial ports, on a clean store.
struct Core {
    QTemporaryDir dir;
    ProfileStore store{dir.path()};
    test::ScriptedHost host;
    MainCore core{host, {store, {std::make_unique<QtSerialLine>([](int) { return QString(); }), {}}}};
};

TEST(MainCore, LoadingTheWindowGivesTheStartState)
{
    Core c;
    const Form &form = c.core.form();
    const WindowLayout &layout = c.core.layout();
    bool laidOutWhenShown = false;
    c.core.formLoad(
        [&] { laidOutWhenShown = layout.edit(slot::mmsi).visible && form.choice(slot::epfdType).position() == 1; });

    EXPECT_TRUE(laidOutWhenShown);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(c.host.focus, (std::pair{FieldKind::Edit, int(slot::mmsi)}));
    EXPECT_EQ(layout.selectedPage(), Page::OwnShip);
    EXPECT_TRUE(layout.edit(slot::mmsi).visible);
    EXPECT_EQ(layout.windowHeight(), 6400);
    EXPECT_FALSE(layout.statusLabelsVisible());
    EXPECT_EQ(layout.picture(WindowLayout::IMAGE3).top, 480);
    EXPECT_EQ(layout.picture(WindowLayout::image2).left, 8280);
    // Choice lists stand where their edit fields stand.
    for (int s : {slot::shipType, slot::channel1, slot::gpsOutput})
        EXPECT_EQ(layout.choice(s).top, layout.edit(s).top) << s;
    // Page 2's captions come with page 2.
    EXPECT_EQ(form.caption(slot::channel1), QString());
    EXPECT_EQ(form.caption(slot::mmsi), QStringLiteral("MMSI:"));

    EXPECT_EQ(form.editText(slot::draught), QStringLiteral("__._米"));
    EXPECT_EQ(form.choice(slot::shipType).position(), -1);
    EXPECT_EQ(form.choiceText(slot::channel1), QStringLiteral("2087(161.9750)MHz"));
    EXPECT_EQ(catalogue::text(form.connectionStatus()), QStringLiteral("通讯口1  无效"));
    EXPECT_EQ(c.core.link().ports().currentIndex(), 0);
}

TEST(MainCore, AStoredPortIsOpenedAtStart)
{
    const struct {
        const char16_t *stored;
        int portNumber;   // 0: no port opened
        int currentIndex; // the list's entry
    } cases[] = {
        {u"3", 3, 2},   {u"99", 99, 0}, {u"0.4", 0, 0},
        {u"100", 0, 0}, {u"-5", 0, 0},  {u"99999999999", 0, 0}, // beyond any integer
    };
    for (const auto &c : cases) {
        const QString stored = QString::fromUtf16(c.stored);
        SCOPED_TRACE(stored.toStdString());
        Core core;
        expectSaved(
            core.store.save(QStringLiteral("VARID"), QStringLiteral("CONTENT"), QStringLiteral("Commport"), stored));
        core.core.formLoad();
        EXPECT_EQ(core.core.link().line().portNumber(), c.portNumber);
        EXPECT_EQ(core.core.link().ports().currentIndex(), c.currentIndex);
        // Without a device behind it, every stored port reads as invalid.
        EXPECT_EQ(catalogue::text(core.core.form().connectionStatus()), QStringLiteral("通讯口%1  无效").arg(stored));
    }
}

TEST(MainCore, EnterOnTheLastOwnShipFieldStartsTheOwnShipWrite)
{
    Core c;
    c.core.formLoad();
    c.host.answers = {false}; // "No" to the confirmation: nothing is sent
    c.core.rules().Combo1_KeyDown(slot::epfdType, kKeyEnter);
    EXPECT_EQ(c.host.questions, QStringList{QStringLiteral("是否开始设置数据")});
    EXPECT_TRUE(c.core.form().isEnabled());
}

TEST(MainCore, LeavingAnAntennaFieldShowsTheShipSizeFromTheTidiedValues)
{
    Core c;
    c.core.formLoad();
    const std::pair<int, const char16_t *> typed[] = {
        {slot::antennaA, u"600"}, {slot::antennaB, u"020"}, {slot::antennaC, u"5"}, {slot::antennaD, u"64"}};
    for (const auto &[s, keys] : typed) {
        c.core.rules().text1_GotFocus(s);
        for (QChar ch : QString::fromUtf16(keys))
            c.core.form().typeIntoEdit(s, ch);
        c.core.rules().text1_LostFocus(s);
    }
    EXPECT_EQ(catalogue::text(c.core.form().shipSize()), QStringLiteral("船长:531米   船宽:68米"));
}

TEST(MainCore, TabClicksSwitchPages)
{
    Core c;
    c.core.formLoad();
    c.core.tabClicked(Page::System);
    EXPECT_EQ(c.host.focus, (std::pair{FieldKind::Choice, int(slot::channel1)}));
    EXPECT_EQ(c.core.form().caption(slot::channel1), QStringLiteral("AIS频道1:"));
    c.core.tabClicked(Page::Instructions);
    EXPECT_EQ(c.core.layout().windowHeight(), 7485);
}

} // namespace
