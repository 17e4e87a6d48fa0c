#include "ui/core/Pages.h"
#include "FormFixture.h"
#include "ScriptedHost.h"
#include "model/FieldTable.h"
#include "ui/core/WindowLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

using namespace aisset;

namespace {

// A host that keeps every focus move, not only the last.
struct FocusLog : test::ScriptedHost {
    void moveFocus(FieldKind kind, int slot) override
    {
        moves.emplace_back(kind, slot);
        ScriptedHost::moveFocus(kind, slot);
    }
    std::vector<std::pair<FieldKind, int>> moves;
};

// Counts the layout's change announcements by element.
struct ChangeCount {
    explicit ChangeCount(WindowLayout &layout)
    {
        QObject::connect(&layout, &WindowLayout::changed, [this](WindowLayout::Element e, int) {
            ++byElement[e];
            ++total;
        });
    }
    std::map<WindowLayout::Element, int> byElement;
    int total = 0;
};

// A fresh window before the start laid page 1 out: no masks yet, every
// field at its design place.
struct Window {
    explicit Window(Edition edition = Edition::Simplified) : layout(edition) {}

    Form form;
    WindowLayout layout;
    FocusLog host;
    void show(Page page) { ShowPage(form, layout, host, page); }
    void click(Page page) { Tab1_Click(form, layout, host, page); }

    std::set<int> shown(const Placement &(WindowLayout::*element)(int) const, int count) const
    {
        std::set<int> out;
        for (int i = 0; i < count; ++i)
            if ((layout.*element)(i).visible)
                out.insert(i);
        return out;
    }
    std::set<int> edits() const { return shown(&WindowLayout::edit, kSlotCount); }
    std::set<int> choices() const { return shown(&WindowLayout::choice, kSlotCount); }
    std::set<int> labels() const { return shown(&WindowLayout::label, kSlotCount); }
    std::set<int> buttons() const { return shown(&WindowLayout::button, kButtonCount); }
    std::set<int> pictures() const { return shown(&WindowLayout::picture, WindowLayout::kPictureCount); }
};

TEST(ShowPage, OwnShipPageShowsItsFieldsNarrowedAndMasked)
{
    Window w;
    w.show(Page::OwnShip);
    EXPECT_EQ(w.edits(), (std::set<int>{0, 2, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(w.choices(), (std::set<int>{3, 12}));
    EXPECT_EQ(w.labels(), (std::set<int>{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(w.buttons(), std::set<int>{0});
    EXPECT_EQ(w.layout.button(Button::OwnShipWrite).left, 8400);
    EXPECT_EQ(w.pictures(), std::set<int>{WindowLayout::image2});
    EXPECT_TRUE(w.layout.shipSizeLabelVisible());
    EXPECT_EQ(w.layout.windowHeight(), 6400);

    // Left column narrowed by 360; right column moved left by 450 and widened.
    EXPECT_EQ(w.layout.edit(slot::mmsi).width, 2295);
    // The ship type list, for its long entries, reaches from behind its caption to
    // the column's edge, short of the right column's captions.
    EXPECT_EQ(w.layout.choice(slot::shipType).left, 600);
    EXPECT_EQ(w.layout.choice(slot::shipType).left + w.layout.choice(slot::shipType).width, 3660);
    EXPECT_LT(3660, w.layout.label(slot::antennaC).left);
    EXPECT_EQ(w.layout.edit(slot::shipName).left, 5070);
    EXPECT_EQ(w.layout.edit(slot::shipName).width, 3105);
    EXPECT_EQ(w.layout.label(slot::shipName).left, 3720);
    EXPECT_EQ(w.layout.choice(slot::epfdType).left, 5070);
    EXPECT_EQ(w.layout.choice(slot::epfdType).width, 3105);

    EXPECT_EQ(w.form.caption(slot::antennaA), QStringLiteral("天线方位A:"));
    EXPECT_EQ(w.form.caption(slot::crewCount), QStringLiteral("船员人数:"));
    EXPECT_EQ(w.form.edit(slot::crewCount).maxLength(), 4);
    EXPECT_EQ(w.form.editText(slot::draught), QStringLiteral("__._米"));
    EXPECT_EQ(w.form.editText(slot::antennaC), QStringLiteral("__米"));
}

TEST(ShowPage, ShowingPageOneAgainKeepsGeometryMasksAndTexts)
{
    Window w;
    w.show(Page::OwnShip);
    ASSERT_TRUE(enterValue(w.form, slot::mmsi, QStringLiteral("412345678")));
    w.show(Page::System);
    w.show(Page::OwnShip);
    EXPECT_EQ(w.layout.edit(slot::mmsi).width, 2295);
    EXPECT_EQ(w.layout.edit(slot::shipName).left, 5070);
    EXPECT_EQ(w.layout.label(slot::shipName).left, 3720);
    EXPECT_EQ(w.form.editText(slot::mmsi), QStringLiteral("412345678"));
}

TEST(ShowPage, SystemPageShowsItsChoiceListsInThreeColumns)
{
    Window w;
    w.show(Page::OwnShip);
    w.show(Page::System);
    const std::set<int> system{13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 26, 27, 28, 29, 30, 31, 32, 33, 34};
    EXPECT_EQ(w.choices(), system);
    EXPECT_EQ(w.labels(), system);
    EXPECT_TRUE(w.edits().empty());
    EXPECT_EQ(w.buttons(), std::set<int>{1});
    EXPECT_EQ(w.layout.button(Button::SystemWrite).left, 7980);
    EXPECT_TRUE(w.pictures().empty());
    EXPECT_FALSE(w.layout.shipSizeLabelVisible());

    for (int s : {17, 18, 20, 21, 22, 29, 31}) {
        EXPECT_EQ(w.layout.label(s).left, 4060) << s;
        EXPECT_EQ(w.layout.choice(s).left, 5500) << s;
        EXPECT_EQ(w.layout.choice(s).width, 1835) << s;
    }
    for (int s : {15, 16, 19, 26, 27, 28, 30}) {
        EXPECT_EQ(w.layout.choice(s).left, 1500) << s;
        EXPECT_EQ(w.layout.choice(s).width, 2255) << s;
    }
    for (int s : {13, 14, 32, 33, 34}) {
        EXPECT_EQ(w.layout.choice(s).left, 7980) << s;
        EXPECT_EQ(w.layout.label(s).left, 7980) << s;
    }
    EXPECT_EQ(w.form.caption(slot::gpsOutput), QStringLiteral("GPS数据输出"));
    EXPECT_EQ(w.form.caption(slot::arrivalRange), QStringLiteral("导航到达距离:"));

    // Laid out again, nothing moves.
    ChangeCount changes(w.layout);
    w.show(Page::System);
    EXPECT_EQ(changes.byElement[WindowLayout::Element::Choice], 2 * int(system.size())); // hidden, shown
    EXPECT_EQ(changes.byElement[WindowLayout::Element::Edit], 0);
}

TEST(ShowPage, PicturePagesShowOnlyTheirPictureInATallerWindow)
{
    for (auto [page, picture] :
         {std::pair{Page::Instructions, int(WindowLayout::Image4)}, std::pair{Page::Connection, int(WindowLayout::Image5)}}) {
        Window w;
        w.show(Page::OwnShip);
        w.show(page);
        EXPECT_EQ(w.pictures(), (std::set<int>{WindowLayout::IMAGE3, picture})) << int(page);
        EXPECT_TRUE(w.edits().empty() && w.choices().empty() && w.labels().empty()) << int(page);
        EXPECT_TRUE(w.buttons().empty()) << int(page);
        EXPECT_EQ(w.layout.windowHeight(), 7485) << int(page);
    }
}

TEST(ShowPage, HiddenButtonsAndFactoryFieldsStayHiddenOnEveryPage)
{
    Window w;
    for (Page page : {Page::OwnShip, Page::System, Page::Instructions, Page::Connection, Page::System, Page::OwnShip}) {
        w.show(page);
        for (int b : {2, 3})
            EXPECT_FALSE(w.layout.button(b).visible) << int(page);
        for (int s : {slot::vendorNumber, slot::factoryDate, slot::machineNumber, slot::powerOnTime}) {
            EXPECT_FALSE(w.layout.edit(s).visible) << int(page) << " " << s;
            EXPECT_FALSE(w.layout.label(s).visible) << int(page) << " " << s;
        }
    }
}

TEST(ShowPage, TheInstallersEditionAddsTheReadButtonAndTheFactoryPage)
{
    const std::set<int> factory{slot::vendorNumber, slot::factoryDate, slot::machineNumber, slot::powerOnTime};
    struct Case {
        Edition edition;
        Page page;
        std::set<int> buttons;
        std::set<int> edits;
    };
    const Case cases[] = {
        {Edition::Full, Page::OwnShip, {0, 3}, {0, 2, 4, 5, 6, 7, 8, 9, 10, 11}},
        {Edition::Full, Page::System, {1, 3}, {}},
        {Edition::Full, Page::Instructions, {}, {}},
        {Edition::Full, Page::Factory, {2}, factory},
        {Edition::Simplified, Page::Factory, {}, {}}, // the simplified edition has no factory page
    };
    Window full(Edition::Full);
    Window simplified;
    for (const Case &c : cases) {
        Window &w = c.edition == Edition::Full ? full : simplified;
        w.show(c.page);
        EXPECT_EQ(w.buttons(), c.buttons) << int(c.page);
        EXPECT_EQ(w.edits(), c.edits) << int(c.page);
        if (c.page == Page::Factory && c.edition == Edition::Full) {
            EXPECT_EQ(w.labels(), factory);
        }
    }
    // The read button stands at the same place on both pages.
    full.show(Page::OwnShip);
    const Placement onPageOne = full.layout.button(Button::Read);
    full.show(Page::System);
    EXPECT_EQ(full.layout.button(Button::Read), onPageOne);

    // Page 5 in page 2's columns: vendor number and date, then machine number
    // and power-on time; the write button where page 2 has its own.
    full.show(Page::Factory);
    EXPECT_EQ(full.layout.windowHeight(), 6400);
    EXPECT_EQ(full.layout.button(Button::FactoryWrite).left, 7980);
    const std::tuple<int, int, int, int, int> places[] = {
        // slot, field left, width, top, label left
        {slot::vendorNumber, 1500, 2255, 720, 120},
        {slot::factoryDate, 5500, 1835, 720, 4060},
        {slot::machineNumber, 1500, 2255, 1320, 120},
        {slot::powerOnTime, 5500, 1835, 1320, 4060},
    };
    for (const auto &[s, left, width, top, labelLeft] : places) {
        EXPECT_EQ(full.layout.edit(s).left, left) << s;
        EXPECT_EQ(full.layout.edit(s).width, width) << s;
        EXPECT_EQ(full.layout.edit(s).top, top) << s;
        EXPECT_EQ(full.layout.label(s).left, labelLeft) << s;
        EXPECT_EQ(full.form.caption(s), str(field(s).caption)) << s;
    }
}

TEST(Tab1Click, TheFactoryPageTakesTheFocusInTheVendorNumberOnce)
{
    Window w(Edition::Full);
    w.show(Page::OwnShip);
    w.host.moves.clear();
    w.click(Page::Factory);
    EXPECT_EQ(w.host.moves, (std::vector<std::pair<FieldKind, int>>{{FieldKind::Edit, slot::vendorNumber}}));
    w.click(Page::Factory); // already on screen
    EXPECT_EQ(w.host.moves.size(), 1u);
    EXPECT_TRUE(w.form.isEnabled());
}

TEST(ShowPage, MovesTheFocusOnlyWhileTheWindowIsEnabled)
{
    Window w;
    w.form.setEnabled(false);
    w.show(Page::OwnShip);
    w.show(Page::System);
    EXPECT_TRUE(w.host.moves.empty());
    w.form.setEnabled(true);
    w.show(Page::OwnShip);
    w.show(Page::System);
    w.show(Page::Instructions);
    EXPECT_EQ(w.host.moves, (std::vector<std::pair<FieldKind, int>>{{FieldKind::Edit, slot::crewCount},
                                                                    {FieldKind::Choice, slot::channel1}}));
}

TEST(Tab1Click, SwitchesPagesWithTheWindowHeldDisabledAndFocusesTheFirstField)
{
    Window w;
    w.show(Page::OwnShip);
    std::vector<bool> enabled;
    QObject::connect(&w.form, &Form::enabledChanged, [&](bool on) { enabled.push_back(on); });
    w.host.moves.clear();
    w.click(Page::System);
    EXPECT_EQ(w.layout.selectedPage(), Page::System);
    EXPECT_TRUE(w.layout.choice(slot::channel1).visible);
    EXPECT_EQ(enabled, (std::vector<bool>{false, true}));
    w.click(Page::Connection);
    w.click(Page::OwnShip);
    // The layout's own focus step found the window disabled; only the click's ran.
    EXPECT_EQ(w.host.moves, (std::vector<std::pair<FieldKind, int>>{{FieldKind::Choice, slot::channel1},
                                                                    {FieldKind::Edit, slot::mmsi}}));
    EXPECT_TRUE(w.form.isEnabled());
}

TEST(Tab1Click, ClickingThePageAlreadyShownChangesNothing)
{
    for (Page page : {Page::OwnShip, Page::System}) {
        Window w;
        w.show(Page::OwnShip);
        w.click(page);
        w.host.moves.clear();
        ChangeCount changes(w.layout);
        w.click(page);
        EXPECT_EQ(changes.total, 0) << int(page);
        EXPECT_TRUE(w.host.moves.empty()) << int(page);
        EXPECT_TRUE(w.form.isEnabled()) << int(page);
    }
}

TEST(Tab1Click, PicturePagesAreLaidOutOnEveryClickWithoutFocus)
{
    Window w;
    w.show(Page::OwnShip);
    w.click(Page::Instructions);
    w.host.moves.clear();
    ChangeCount changes(w.layout);
    w.click(Page::Instructions);
    EXPECT_EQ(changes.byElement[WindowLayout::Element::Picture], 4); // hidden and shown again
    EXPECT_EQ(w.pictures(), (std::set<int>{WindowLayout::IMAGE3, WindowLayout::Image4}));
    EXPECT_TRUE(w.host.moves.empty());
}

} // namespace

namespace {

// The page table against the design and field tables: a page's first and last
// fields stand on it in the kind the field table gives them, each write button
// writes the group of the one page that shows it, and the tabs map both ways.
TEST(PageTable, FieldsButtonsAndTabsAgreeWithTheOtherTables)
{
    std::set<Button> writeButtons;
    for (int tab = 0; tab < int(pages().size()); ++tab) {
        const PageRow &row = pageAtTab(tab);
        SCOPED_TRACE(tab);
        EXPECT_EQ(tabIndex(row.page), tab);
        EXPECT_EQ(&pageRow(row.page), &row);
        EXPECT_EQ(row.group.has_value(), !row.picture.has_value()); // fields or a picture
        for (const std::optional<FieldRef> &f : {row.first, row.last}) {
            ASSERT_EQ(f.has_value(), row.group.has_value());
            if (!f)
                continue;
            EXPECT_TRUE(isOnPage(f->slot, row.page)) << f->slot;
            EXPECT_EQ(field(f->slot).kind, f->kind) << f->slot;
            EXPECT_EQ(field(f->slot).group, *row.group) << f->slot;
        }
        ASSERT_EQ(row.writeButton.has_value(), row.group.has_value());
        if (row.writeButton) {
            EXPECT_TRUE(writeButtons.insert(*row.writeButton).second);
            EXPECT_EQ(groupWrittenBy(*row.writeButton), row.group);
        }
    }
    EXPECT_EQ(writeButtons.size(), std::size_t(kButtonCount - 1)); // and the read
    EXPECT_EQ(groupWrittenBy(Button::Read), std::nullopt);
    EXPECT_EQ(WindowLayout(Edition::Simplified).pageCount(), 4);
    EXPECT_EQ(WindowLayout(Edition::Full).pageCount(), 5);
}

} // namespace
