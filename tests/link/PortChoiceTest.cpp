#include "LinkHarness.h"
#include "link/PortNames.h"
#include "link/Waiting.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace aisset;

namespace {

const QStringList kOpeningSteps{u"settings 38400,n,8,1"_qs, u"discard input"_qs, u"xon/xoff"_qs, u"discard output"_qs,
                                u"open"_qs};

struct StartupCase {
    const char16_t *stored; // nullptr: nothing stored
    int port;
    int listPosition;
    const char16_t *status;
};

class PortStartup : public testing::TestWithParam<StartupCase> {};

TEST_P(PortStartup, OpensTheStoredPortAndShowsItWithTwoBlanks)
{
    const StartupCase c = GetParam();
    test::LinkHarness h;
    h.line.existing = {1, 3, 16};
    if (c.stored)
        h.store.save(u"varid"_qs, u"CONTENT"_qs, u"Commport"_qs, QString::fromUtf16(c.stored));
    h.openPort();
    EXPECT_EQ(h.line.portNumber(), c.port);
    EXPECT_EQ(h.session.ports().currentIndex(), c.listPosition);
    EXPECT_EQ(h.form().connectionStatus(), QString::fromUtf16(c.status));
    // The port is not closed first, and nothing is stored at start-up.
    EXPECT_EQ(h.line.calls.mid(h.line.calls.size() - 5), kOpeningSteps);
    EXPECT_FALSE(h.line.calls.contains(u"close"_qs));
    EXPECT_EQ(h.store.read(u"VARID"_qs, u"content"_qs, u"commport"_qs, u"none"_qs),
              c.stored ? QString::fromUtf16(c.stored) : u"none"_qs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortStartup,
    testing::Values(StartupCase{nullptr, 1, 0, u"通讯口1  连接"}, StartupCase{u"0", 1, 0, u"通讯口1  连接"},
                    StartupCase{u"", 1, 0, u"通讯口1  连接"}, StartupCase{u"3", 3, 2, u"通讯口3  连接"},
                    StartupCase{u"16", 16, 15, u"通讯口16  连接"},
                    // Not a number: its leading value opens, the text is shown as read.
                    StartupCase{u"3x", 3, 2, u"通讯口3x  连接"}, StartupCase{u"7", 7, 6, u"通讯口7  无效"},
                    StartupCase{u"17", 17, 0, u"通讯口17  无效"}, StartupCase{u"abc", 0, 0, u"通讯口abc  无效"}));

class PortSelection : public testing::Test {
protected:
    void SetUp() override
    {
        h.line.existing = {1, 3, 5, 6};
        h.line.busy = {6};
        h.store.save(u"VARID"_qs, u"CONTENT"_qs, u"Commport"_qs, u"3"_qs);
        h.openPort();
        h.form().setVisible(true);
        h.line.calls.clear();
    }
    QString stored() { return h.store.read(u"VARID"_qs, u"content"_qs, u"commport"_qs, {}); }

    test::LinkHarness h;
};

TEST_F(PortSelection, ReopensThePortWithOneBlankAndStoresIt)
{
    h.session.ports().select(4);
    EXPECT_EQ(h.line.calls, (QStringList{u"close"_qs, u"port 5"_qs} + kOpeningSteps));
    EXPECT_TRUE(h.line.isOpen());
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口5 连接"_qs);
    EXPECT_EQ(stored(), u"5"_qs);
}

TEST_F(PortSelection, APortThatDoesNotExistIsInvalidAndNotStored)
{
    h.session.ports().select(6);
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口7 无效"_qs);
    EXPECT_FALSE(h.line.isOpen());
    EXPECT_EQ(stored(), u"3"_qs);
}

TEST_F(PortSelection, APortThatRefusesToOpenSaysSoAndStaysTheChoice)
{
    h.session.ports().select(5);
    EXPECT_FALSE(h.line.isOpen());
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口6 无法打开"_qs);
    EXPECT_EQ(stored(), u"6"_qs);
    h.session.ports().openAtStartup(); // the stored choice at the next start
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口6  无法打开"_qs);
}

TEST_F(PortSelection, DoesNothingWhileTheWindowIsDisabledOrHidden)
{
    h.form().setEnabled(false);
    h.session.ports().select(0);
    h.form().setEnabled(true);
    h.form().setVisible(false);
    h.session.ports().select(0);
    EXPECT_TRUE(h.line.calls.isEmpty());
    EXPECT_EQ(h.line.portNumber(), 3);
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口3  连接"_qs);
    EXPECT_EQ(stored(), u"3"_qs);
}

TEST_F(PortSelection, APortThatGoesAwayIsShownAsDisconnectedAndReopensWhenItsDeviceIsBack)
{
    h.line.existing.remove(3);
    h.line.loseConnection();
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口3 断开"_qs);
    runEventLoopFor(1300); // looked up again, not there yet
    EXPECT_GE(h.line.calls.count(u"open"_qs), 1);
    EXPECT_FALSE(h.line.isOpen());
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口3 断开"_qs);

    h.line.existing.insert(3);
    EventWait back;
    back.finishOn(&h.form(), &Form::statusChanged);
    ASSERT_TRUE(back.run(2000));
    EXPECT_TRUE(h.line.isOpen());
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口3 连接"_qs);
    // Once open, the port is looked up no more.
    h.line.calls.clear();
    runEventLoopFor(1200);
    EXPECT_TRUE(h.line.calls.isEmpty());
}

// A port found invalid, at start-up or when chosen, is looked up once a second
// like a lost one: a unit plugged in later is opened without a new choice.
TEST(PortLookup, AnInvalidPortOpensOnceItsDeviceAppears)
{
    for (const bool chosen : {false, true}) {
        SCOPED_TRACE(chosen ? "chosen" : "at start-up");
        test::LinkHarness h;
        h.line.existing = {1};
        h.store.save(u"VARID"_qs, u"CONTENT"_qs, u"Commport"_qs, chosen ? u"1"_qs : u"2"_qs);
        h.openPort();
        if (chosen) {
            h.form().setVisible(true);
            h.form().setEnabled(true);
            h.session.ports().select(3);
        }
        const int port = chosen ? 4 : 2;
        const QString status = QStringLiteral("通讯口%1%2").arg(port).arg(chosen ? u" "_qs : u"  "_qs);
        ASSERT_EQ(h.form().connectionStatus(), status + u"无效"_qs);
        runEventLoopFor(1300); // looked up again, not there yet
        EXPECT_FALSE(h.line.isOpen());
        EXPECT_EQ(h.form().connectionStatus(), status + u"无效"_qs);

        h.line.existing.insert(port);
        EventWait found;
        found.finishOn(&h.form(), &Form::statusChanged);
        ASSERT_TRUE(found.run(2000));
        EXPECT_TRUE(h.line.isOpen());
        EXPECT_EQ(h.form().connectionStatus(), QStringLiteral("通讯口%1 连接").arg(port));
    }
}

TEST_F(PortSelection, ChoosingTheLostPortAgainReopensIt)
{
    h.line.loseConnection();
    h.session.ports().select(2); // the entry already selected
    EXPECT_TRUE(h.line.isOpen());
    EXPECT_EQ(h.form().connectionStatus(), u"通讯口3 连接"_qs);
}

TEST(PortNames, UsbAdaptersComeFirstThenModemsThenTheRestInNumericOrder)
{
    const QStringList found{u"/dev/ttyS1"_qs, u"/dev/ttyUSB10"_qs, u"/dev/ttyACM0"_qs, u"/dev/ttyUSB2"_qs,
                            u"/dev/ttyS0"_qs, u"/dev/ttyS10"_qs,   u"/dev/ttyS2"_qs};
    EXPECT_EQ(orderSerialDevices(found),
              (QStringList{u"/dev/ttyUSB2"_qs, u"/dev/ttyUSB10"_qs, u"/dev/ttyACM0"_qs, u"/dev/ttyS0"_qs,
                           u"/dev/ttyS1"_qs, u"/dev/ttyS2"_qs, u"/dev/ttyS10"_qs}));
}

TEST(PortNames, AMappingNamesAnyDeviceOtherwiseThePortCountsThroughTheDevices)
{
    PortMapSources sources;
    sources.devices = {u"/dev/ttyUSB0"_qs, u"/dev/ttyS0"_qs};
    sources.overrides = parsePortMapFile(u"# the bench unit\n"
                                         u"Com3 = /dev/pts/7\n"
                                         u"1=/dev/ttyS4\n"
                                         u"  # 2=/dev/ttyS9\n"
                                         u"garbage line\n"_qs);
    EXPECT_EQ(resolvePortDevice(1, sources), u"/dev/ttyS4"_qs);
    EXPECT_EQ(resolvePortDevice(2, sources), u"/dev/ttyS0"_qs);
    EXPECT_EQ(resolvePortDevice(3, sources), u"/dev/pts/7"_qs);
    EXPECT_EQ(resolvePortDevice(4, sources), QString());
    EXPECT_EQ(resolvePortDevice(0, sources), QString());
}

TEST(PortNames, TheListingShowsEveryNumberWithItsDeviceWhetherItIsThereAndWhatTheSystemTellsOfIt)
{
    QTemporaryDir folder;
    const QString pseudoTerminal = folder.filePath(u"unit"_qs);
    QFile(pseudoTerminal).open(QIODevice::WriteOnly);
    PortMapSources sources;
    sources.devices = {u"/dev/ttyUSB0"_qs, u"/dev/ttyS0"_qs};
    sources.known = {{u"/dev/ttyS0"_qs, {}, {}, {}},
                     {u"/dev/ttyUSB0"_qs, u"USB-Serial Controller"_qs, u"Prolific"_qs, u"A1"_qs}};
    sources.overrides = {{3, pseudoTerminal}, {4, folder.filePath(u"gone"_qs)}};

    const QList<PortListing> ports = listPorts(sources);
    ASSERT_EQ(ports.size(), 16);
    struct Row {
        int number;
        QString device;
        bool present;
        QString described;
    };
    const Row rows[] = {
        {1, u"/dev/ttyUSB0"_qs, true, u"/dev/ttyUSB0 (USB-Serial Controller, Prolific)"_qs},
        {2, u"/dev/ttyS0"_qs, true, u"/dev/ttyS0"_qs},
        {3, pseudoTerminal, true, pseudoTerminal},
        {4, folder.filePath(u"gone"_qs), false, folder.filePath(u"gone"_qs)},
        {16, {}, false, {}},
    };
    for (const Row &row : rows) {
        const PortListing &port = ports[row.number - 1];
        EXPECT_EQ(port.number, row.number);
        EXPECT_EQ(port.device, row.device) << row.number;
        EXPECT_EQ(port.present, row.present) << row.number;
        EXPECT_EQ(port.describe(), row.described) << row.number;
    }
    EXPECT_EQ(ports[0].details.serialNumber, u"A1"_qs);
}

} // namespace
