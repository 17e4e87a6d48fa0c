#include "FakeSerialLine.h"
#include "SaveTesting.h"
#include "ScriptedHost.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"
#include "ui/core/MainCore.h"
#include "ui/core/Skins.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

using namespace aisset;
using Menu = aisset::WindowMenu;

namespace {

// Keeps every value a signal carries.
template <typename T>
struct Recorder {
    template <typename Sender, typename Signal>
    Recorder(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, [this](auto value) { values.push_back(T(value)); });
    }
    std::vector<T> values;
};

constexpr int kScreenHeight = 15360; // 1024 pixels at 96 dpi

// The loaded core of a window on a fake serial line, with SysDir "/data/aisset/"
// and a screen 1024 pixels high.
struct Core {
    Core()
    {
        auto fake = std::make_unique<test::FakeSerialLine>();
        line = fake.get();
        core = std::make_unique<MainCore>(host, MainCore::Services{store, {std::move(fake), {}}, u"/data/aisset/"_s});
        core->menu().setScreenHeight([] { return kScreenHeight; });
        core->formLoad();
    }
    Menu &menu() { return core->menu(); }
    const WindowLayout &layout() { return core->layout(); }
    QString storedSkin() { return ProfileRecords(store).skin(); }

    QTemporaryDir dir;
    ProfileStore store{dir.path()};
    test::ScriptedHost host;
    test::FakeSerialLine *line = nullptr;
    std::unique_ptr<MainCore> core;
};

TEST(WindowMenu, MenuTreeWithItsStartStates)
{
    Core c;
    const auto &menus = Menu::topMenus();
    EXPECT_EQ(menus[0].caption, u"窗口调整"_s);
    EXPECT_EQ(menus[1].caption, u"档案调用"_s);
    EXPECT_EQ(menus[2].caption, u"加载模板"_s);
    EXPECT_EQ((std::array{menus[0].shown, menus[1].shown, menus[2].shown}), (std::array{false, true, false}));

    struct Expected {
        int item;
        const char16_t *name, *caption;
        int menu;
        bool checked;
    };
    const Expected expected[] = {
        {Menu::StandardWindow, u"wt1", u"标准窗口", 0, true},
        {Menu::DebugWindow, u"wt2", u"调试窗口", 0, false},
        {Menu::ShowParameters, u"t3d", u"显示参数", 0, false},
        {Menu::NoRepeat, u"jid", u"不循环设置", 0, true},
        {Menu::LoadShip, u"t1", u"调入船资料", 1, false},
        {Menu::NoSkin, u"s2", u"不加载", 2, false},
        {Menu::SkinFirst, u"s1_0", u"B-studio.skn", 2, false},
        {Menu::SkinFirst + 3, u"s1_3", u"Green.skn", 2, false},
        {Menu::SkinFirst + 12, u"s1_12", u"Zhelezo.skn", 2, false},
    };
    for (const Expected &e : expected) {
        EXPECT_EQ(Menu::entry(e.item).name, QString::fromUtf16(e.name));
        EXPECT_EQ(Menu::entry(e.item).caption, QString::fromUtf16(e.caption)) << e.item;
        EXPECT_EQ(Menu::entry(e.item).menu, e.menu) << e.item;
        EXPECT_EQ(c.menu().isChecked(e.item), e.checked) << e.item;
    }
    // After start no skin entry is checked although the start skin is applied.
    for (int item = Menu::NoSkin; item < Menu::kItemCount; ++item)
        EXPECT_FALSE(c.menu().isChecked(item)) << item;
    EXPECT_EQ(c.menu().startSkin(), u"/data/aisset/\\green.skn"_s);
}

TEST(WindowMenu, NoRepeatEntryIsTheWritesOwnOption)
{
    Core c;
    Transactions &writes = c.core->link().transactions();
    ASSERT_TRUE(writes.noRepeat());
    c.menu().trigger(Menu::NoRepeat); // the entry has no action
    EXPECT_TRUE(c.menu().isChecked(Menu::NoRepeat));
    EXPECT_TRUE(writes.noRepeat());

    Recorder<int> changed(&c.menu(), &Menu::checkedChanged);
    c.menu().setNoRepeat(false);
    EXPECT_FALSE(writes.noRepeat());
    EXPECT_FALSE(c.menu().isChecked(Menu::NoRepeat));
    EXPECT_EQ(changed.values, std::vector<int>{Menu::NoRepeat});
    writes.setNoRepeat(true); // and the menu reads the writes' option, not a copy
    EXPECT_TRUE(c.menu().isChecked(Menu::NoRepeat));
}

TEST(WindowMenu, DebugAndStandardModesSetHeightConsoleAndCentreTheWindow)
{
    Core c;
    c.menu().trigger(Menu::DebugWindow);
    EXPECT_TRUE(c.menu().isChecked(Menu::DebugWindow));
    EXPECT_FALSE(c.menu().isChecked(Menu::StandardWindow));
    EXPECT_EQ(c.layout().windowHeight(), 9000);
    EXPECT_EQ(c.layout().windowTop(), (kScreenHeight - 9000) / 2);
    for (int f = 0; f < 2; ++f) {
        EXPECT_TRUE(c.layout().consoleFrame(f).visible) << f;
        EXPECT_EQ(c.layout().consoleFrame(f).top, 4800) << f;
    }

    // A page switch sets the page's height; the console stays shown.
    c.core->tabClicked(Page::Instructions);
    EXPECT_EQ(c.layout().windowHeight(), 7485);
    EXPECT_TRUE(c.layout().consoleFrame(0).visible);
    EXPECT_EQ(c.layout().windowTop(), (kScreenHeight - 9000) / 2); // no centring on a page switch

    c.menu().trigger(Menu::StandardWindow);
    EXPECT_TRUE(c.menu().isChecked(Menu::StandardWindow));
    EXPECT_FALSE(c.menu().isChecked(Menu::DebugWindow));
    EXPECT_EQ(c.layout().windowHeight(), 6400);
    EXPECT_EQ(c.layout().windowTop(), (kScreenHeight - 6400) / 2);
    EXPECT_FALSE(c.layout().consoleFrame(0).visible);
    EXPECT_FALSE(c.layout().consoleFrame(1).visible);
}

TEST(WindowMenu, ShowParametersShowsTheStatusLabelsForGood)
{
    Core c;
    ASSERT_FALSE(c.layout().statusLabelsVisible());
    c.menu().trigger(Menu::ShowParameters);
    EXPECT_TRUE(c.layout().statusLabelsVisible());
    c.menu().trigger(Menu::DebugWindow);
    c.menu().trigger(Menu::StandardWindow);
    c.menu().trigger(Menu::ShowParameters);
    EXPECT_TRUE(c.layout().statusLabelsVisible());
    EXPECT_FALSE(c.menu().isChecked(Menu::ShowParameters));
}

TEST(WindowMenu, ChoosingASkinLoadsItStoresItsPathAndMovesTheCheckMark)
{
    Core c;
    Recorder<QString> skins(&c.menu(), &Menu::skinChosen);
    Recorder<bool> enabled(&c.core->form(), &Form::enabledChanged);
    c.menu().trigger(Menu::SkinFirst + 3);
    EXPECT_EQ(skins.values, std::vector{u"/data/aisset/Green.skn"_s});
    EXPECT_EQ(c.storedSkin(), u"/data/aisset/Green.skn"_s);
    EXPECT_TRUE(c.menu().isChecked(Menu::SkinFirst + 3));
    // The window is held disabled while the skin loads.
    EXPECT_EQ(enabled.values, (std::vector{false, true}));

    c.menu().trigger(Menu::SkinFirst + 5);
    EXPECT_FALSE(c.menu().isChecked(Menu::SkinFirst + 3));
    EXPECT_TRUE(c.menu().isChecked(Menu::SkinFirst + 5));

    c.menu().trigger(Menu::NoSkin);
    ASSERT_EQ(skins.values.size(), 3u);
    EXPECT_EQ(skins.values[2], QString()); // no skin
    EXPECT_EQ(c.storedSkin(), u"no"_s);
    EXPECT_TRUE(c.menu().isChecked(Menu::NoSkin));
    EXPECT_FALSE(c.menu().isChecked(Menu::SkinFirst + 5));
}

TEST(WindowMenu, TheRecordsDialogLoadsTheStoredSkinChoice)
{
    Core c;
    RecordsDialog &dialog = c.core->recordsDialog();
    const std::pair<std::function<void()>, QString> cases[] = {
        {[] {}, QString()}, // nothing stored yet: "0" names no file
        {[&] { c.menu().trigger(Menu::SkinFirst + 1); }, u"/data/aisset/Chizh.skn"_s},
        {[&] { c.menu().trigger(Menu::NoSkin); }, QString()},
        {[&] { expectSaved(ProfileRecords(c.store).saveSkin(QString())); }, u"/data/aisset/\\green.skn"_s},
    };
    for (const auto &[choose, expected] : cases) {
        choose();
        dialog.open();
        EXPECT_EQ(dialog.skinPath(), expected);
        dialog.close();
    }
}

TEST(WindowMenu, WhileTheWindowIsDisabledModeAndSkinEntriesDoNothing)
{
    Core c;
    c.core->form().setEnabled(false);
    Recorder<int> checks(&c.menu(), &Menu::checkedChanged);
    Recorder<QString> skins(&c.menu(), &Menu::skinChosen);
    int layoutChanges = 0;
    QObject::connect(&c.core->layout(), &WindowLayout::changed, [&] { ++layoutChanges; });
    for (int item : {int(Menu::DebugWindow), int(Menu::StandardWindow), int(Menu::NoSkin), Menu::SkinFirst + 2})
        c.menu().trigger(item);
    EXPECT_TRUE(checks.values.empty());
    EXPECT_TRUE(skins.values.empty());
    EXPECT_EQ(layoutChanges, 0);
    EXPECT_EQ(c.storedSkin(), u"0"_s); // nothing stored
    EXPECT_FALSE(c.core->form().isEnabled());
}

TEST(WindowMenu, ClosingTheWindowClosesThePortAndUnloadsTheRecordsDialog)
{
    Core c;
    ASSERT_TRUE(c.line->isOpen()); // port 1 exists on the fake line
    c.core->recordsDialog().open();
    c.core->formUnload();
    EXPECT_FALSE(c.line->isOpen());
    EXPECT_FALSE(c.core->recordsDialog().isLoaded());

    // With the port already closed nothing fails and nothing is closed twice.
    const qsizetype calls = c.line->calls.size();
    c.core->formUnload();
    EXPECT_EQ(c.line->calls.size(), calls);
}

// The skin folder holds "green.skn" (as deployed) and "PAPER.SKN".
TEST(WindowMenu, TheInstallersEditionShowsEveryMenuAndOnlySkinsWhoseFileIsThere)
{
    QTemporaryDir skins;
    for (const char *name : {"green.skn", "PAPER.SKN"}) {
        QFile file(skins.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString skinDir = skins.path() + u'/';
    for (Edition edition : {Edition::Simplified, Edition::Full}) {
        const bool full = edition == Edition::Full;
        QTemporaryDir dir;
        ProfileStore store{dir.path()};
        test::ScriptedHost host;
        MainCore core(host, {store, {std::make_unique<test::FakeSerialLine>(), {}}, skinDir, edition});
        const Menu &menu = core.menu();
        EXPECT_EQ(menu.isMenuShown(Menu::Tools), full);
        EXPECT_TRUE(menu.isMenuShown(Menu::Records));
        EXPECT_EQ(menu.isMenuShown(Menu::Skins), full);
        for (int item = 0; item < Menu::kItemCount; ++item) {
            const bool fileThere = item == Menu::SkinFirst + 3 || item == Menu::SkinFirst + 7; // Green, Paper
            const bool enabled = !full || item < Menu::SkinFirst || fileThere;
            EXPECT_EQ(menu.isEnabled(item), enabled) << item << " full " << full;
        }
    }
}

TEST(SkinPaths, SkinFilesAreFoundWhateverTheCaseOfTheirNames)
{
    QTemporaryDir skins;
    QFile file(skins.filePath(u"green.skn"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString dir = skins.path();
    EXPECT_EQ(findSkinFile(dir + u"/Green.skn"_s), dir + u"/green.skn"_s);
    EXPECT_EQ(findSkinFile(dir + u"\\green.skn"_s), dir + u"/green.skn"_s);
    EXPECT_TRUE(findSkinFile(dir + u"/Paper.skn"_s).isEmpty());
    EXPECT_TRUE(findSkinFile({}).isEmpty());
}

TEST(SkinPaths, TheStartSkinPathWorksWithItsDoubledSeparator)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"/home/u/.local/share/aisset/\\green.skn", u"/home/u/.local/share/aisset/green.skn"},
        {u"/home/u/.local/share/aisset//Green.skn", u"/home/u/.local/share/aisset/Green.skn"},
        {u"/data/aisset/Web-II.skn", u"/data/aisset/Web-II.skn"},
        {u"", u""},
    };
    for (const auto &[path, local] : cases)
        EXPECT_EQ(localSkinPath(QString::fromUtf16(path)), QString::fromUtf16(local));
}

} // namespace
