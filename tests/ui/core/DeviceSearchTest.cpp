// "查找设备" in the core of the installer's edition, against two virtual units
// and a silent pseudo-terminal: what the search finds, which port the window
// ends up on, and what it says.
#include "ScriptedHost.h"
#include "ui/text/Catalogue.h"
#include "VirtualUnit.h"
#include "link/QtSerialLine.h"
#include "link/Waiting.h"
#include "model/StoreNames.h"
#include "store/ProfileStore.h"
#include "ui/core/MainCore.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// The core of a window whose port numbers name the given devices, and no others.
struct SearchingCore {
    explicit SearchingCore(std::map<int, QString> devices) : devices_(std::move(devices))
    {
        auto deviceOf = [this](int n) { return devices_.count(n) ? devices_.at(n) : QString(); };
        auto listing = [this] {
            QList<PortListing> ports;
            for (const auto &[number, device] : devices_)
                ports.append({number, device, true, {}, {}});
            return ports;
        };
        core = std::make_unique<MainCore>(
            host,
            MainCore::Services{store, {std::make_unique<QtSerialLine>(deviceOf), {}}, {}, Edition::Full, listing});
        core->formLoad();
    }

    // Chooses "查找设备" and runs the event loop until the search has ended.
    bool search()
    {
        core->menu().trigger(WindowMenu::FindDevice);
        QElapsedTimer clock;
        clock.start();
        while (core->deviceSearch().isRunning() && !clock.hasExpired(15000))
            runEventLoopFor(20);
        return !core->deviceSearch().isRunning();
    }

    QString storedPort()
    {
        return store.read(storeName::application.toString(), storeName::bookkeeping.toString(),
                          storeName::commPort.toString(), QString());
    }

    std::map<int, QString> devices_;
    QTemporaryDir dir;
    ProfileStore store{dir.path()};
    test::ScriptedHost host;
    std::unique_ptr<MainCore> core;
};

TEST(DeviceSearch, TwoUnitsAreNamedAndThePortChosenBeforeOpensAgain)
{
    test::VirtualUnit silent({u"--silent"_s});
    test::VirtualUnit first({});
    test::VirtualUnit second({});
    ASSERT_FALSE(silent.path().isEmpty() || first.path().isEmpty() || second.path().isEmpty());
    SearchingCore c({{1, silent.path()}, {2, first.path()}, {4, second.path()}});
    ASSERT_EQ(catalogue::text(c.core->form().connectionStatus()), u"通讯口1  连接"_s);

    ASSERT_TRUE(c.search());
    ASSERT_EQ(c.host.messages.size(), 1);
    const QString said = c.host.messages[0];
    EXPECT_TRUE(said.startsWith(u"找到2台设备,请选择通讯口\n"_s)) << said.toStdString();
    EXPECT_TRUE(said.contains(u"通讯口2 (%1): 设备 MMSI"_s.arg(first.path()))) << said.toStdString();
    EXPECT_TRUE(said.contains(u"通讯口4 (%1): 设备 MMSI"_s.arg(second.path()))) << said.toStdString();
    EXPECT_TRUE(said.contains(u"通讯口1 (%1): 无应答"_s.arg(silent.path()))) << said.toStdString();
    // Back on the port of before, open.
    EXPECT_EQ(c.core->link().ports().currentIndex(), 0);
    EXPECT_TRUE(c.core->link().line().isOpen());
    EXPECT_EQ(catalogue::text(c.core->form().connectionStatus()), u"通讯口1 连接"_s);
    // The window's own form and logs are not the probes'.
    EXPECT_TRUE(c.core->form().receiveLog().isEmpty());
}

TEST(DeviceSearch, TheOneUnitFoundBecomesTheChosenPort)
{
    test::VirtualUnit silent({u"--silent"_s});
    test::VirtualUnit unit({});
    ASSERT_FALSE(silent.path().isEmpty() || unit.path().isEmpty());
    SearchingCore c({{1, silent.path()}, {3, unit.path()}});

    ASSERT_TRUE(c.search());
    EXPECT_TRUE(c.host.messages.isEmpty()) << c.host.messages.join(u'|').toStdString();
    EXPECT_EQ(c.core->link().ports().currentIndex(), 2);
    EXPECT_EQ(catalogue::text(c.core->form().connectionStatus()), u"通讯口3 连接"_s);
    EXPECT_EQ(catalogue::text(c.core->form().transactionStatus()), u"找到设备 通讯口3 (%1)"_s.arg(unit.path()));
    EXPECT_EQ(c.storedPort(), u"3"_s);
    // The port the window opened is the unit's: a read through it succeeds.
    EventWait read;
    read.finishOn(&c.core->link().receivePath(), &ReceivePath::replyHandled);
    c.core->buttonClicked(Button::Read);
    ASSERT_TRUE(read.run(3000));
    EXPECT_EQ(catalogue::text(c.core->form().transactionStatus()), u"读取成功"_s);
}

TEST(DeviceSearch, NothingFoundOrCancelled)
{
    test::VirtualUnit silent({u"--silent"_s});
    ASSERT_FALSE(silent.path().isEmpty());
    {
        SearchingCore c({{2, silent.path()}});
        ASSERT_TRUE(c.search());
        EXPECT_EQ(c.host.messages, QStringList{u"未找到设备\n通讯口2 (%1): 无应答"_s.arg(silent.path())});
        EXPECT_EQ(catalogue::text(c.core->form().connectionStatus()), u"通讯口1 无效"_s); // port 1 names no device
    }
    {
        SearchingCore c({});
        ASSERT_TRUE(c.search());
        EXPECT_EQ(c.host.messages, QStringList{u"未找到设备:没有可以查找的通讯口"_s});
    }
    {
        // A cancel ends the search at once, says nothing and reopens the port.
        SearchingCore c({{1, silent.path()}});
        c.core->menu().trigger(WindowMenu::FindDevice);
        ASSERT_TRUE(c.core->deviceSearch().isRunning());
        EXPECT_FALSE(c.core->link().line().isOpen()); // closed for the search
        c.core->deviceSearch().cancel();
        EXPECT_FALSE(c.core->deviceSearch().isRunning());
        EXPECT_TRUE(c.host.messages.isEmpty());
        EXPECT_TRUE(c.core->link().line().isOpen());
    }
}

} // namespace
