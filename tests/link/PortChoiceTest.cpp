#include "LinkHarness.h"
#include "ui/text/Catalogue.h"
#include "link/PortNames.h"
#include "link/Waiting.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

const QStringList kOpeningSteps{u"settings 38400,n,8,1"_s, u"discard input"_s, u"xon/xoff"_s, u"discard output"_s,
                                u"open"_s};

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
        h.store.save(u"varid"_s, u"CONTENT"_s, u"Commport"_s, QString::fromUtf16(c.stored));
    h.openPort();
    EXPECT_EQ(h.line.portNumber(), c.port);
    EXPECT_EQ(h.session.ports().currentIndex(), c.listPosition);
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), QString::fromUtf16(c.status));
    // The port is not closed first, and nothing is stored at start-up.
    EXPECT_EQ(h.line.calls.mid(h.line.calls.size() - 5), kOpeningSteps);
    EXPECT_FALSE(h.line.calls.contains(u"close"_s));
    EXPECT_EQ(h.store.read(u"VARID"_s, u"content"_s, u"commport"_s, u"none"_s),
              c.stored ? QString::fromUtf16(c.stored) : u"none"_s);
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
        h.store.save(u"VARID"_s, u"CONTENT"_s, u"Commport"_s, u"3"_s);
        h.openPort();
        h.form().setVisible(true);
        h.line.calls.clear();
    }
    QString stored() { return h.store.read(u"VARID"_s, u"content"_s, u"commport"_s, {}); }

    test::LinkHarness h;
};

TEST_F(PortSelection, ReopensThePortWithOneBlankAndStoresIt)
{
    h.session.ports().select(4);
    EXPECT_EQ(h.line.calls, (QStringList{u"close"_s, u"port 5"_s} + kOpeningSteps));
    EXPECT_TRUE(h.line.isOpen());
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口5 连接"_s);
    EXPECT_EQ(stored(), u"5"_s);
}

TEST_F(PortSelection, APortThatDoesNotExistIsInvalidAndNotStored)
{
    h.session.ports().select(6);
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口7 无效"_s);
    EXPECT_FALSE(h.line.isOpen());
    EXPECT_EQ(stored(), u"3"_s);
}

TEST_F(PortSelection, APortThatRefusesToOpenSaysSoAndStaysTheChoice)
{
    h.session.ports().select(5);
    EXPECT_FALSE(h.line.isOpen());
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口6 无法打开"_s);
    EXPECT_EQ(stored(), u"6"_s);
    h.session.ports().openAtStartup(); // the stored choice at the next start
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口6  无法打开"_s);
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
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口3  连接"_s);
    EXPECT_EQ(stored(), u"3"_s);
}

TEST_F(PortSelection, APortThatGoesAwayIsShownAsDisconnectedAndReopensWhenItsDeviceIsBack)
{
    h.line.existing.remove(3);
    h.line.loseConnection();
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口3 断开"_s);
    runEventLoopFor(1300); // looked up again, not there yet
    EXPECT_GE(h.line.calls.count(u"open"_s), 1);
    EXPECT_FALSE(h.line.isOpen());
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口3 断开"_s);

    h.line.existing.insert(3);
    EventWait back;
    back.finishOn(&h.form(), &Form::statusChanged);
    ASSERT_TRUE(back.run(2000));
    EXPECT_TRUE(h.line.isOpen());
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口3 连接"_s);
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
        h.store.save(u"VARID"_s, u"CONTENT"_s, u"Commport"_s, chosen ? u"1"_s : u"2"_s);
        h.openPort();
        if (chosen) {
            h.form().setVisible(true);
            h.form().setEnabled(true);
            h.session.ports().select(3);
        }
        const int port = chosen ? 4 : 2;
        const QString status = QStringLiteral("通讯口%1%2").arg(port).arg(chosen ? u" "_s : u"  "_s);
        ASSERT_EQ(catalogue::text(h.form().connectionStatus()), status + u"无效"_s);
        runEventLoopFor(1300); // looked up again, not there yet
        EXPECT_FALSE(h.line.isOpen());
        EXPECT_EQ(catalogue::text(h.form().connectionStatus()), status + u"无效"_s);

        h.line.existing.insert(port);
        EventWait found;
        found.finishOn(&h.form(), &Form::statusChanged);
        ASSERT_TRUE(found.run(2000));
        EXPECT_TRUE(h.line.isOpen());
        EXPECT_EQ(catalogue::text(h.form().connectionStatus()), QStringLiteral("通讯口%1 连接").arg(port));
    }
}

TEST_F(PortSelection, ChoosingTheLostPortAgainReopensIt)
{
    h.line.loseConnection();
    h.session.ports().select(2); // the entry already selected
    EXPECT_TRUE(h.line.isOpen());
    EXPECT_EQ(catalogue::text(h.form().connectionStatus()), u"通讯口3 连接"_s);
}

TEST(PortNames, UsbAdaptersComeFirstThenModemsThenTheRestInNumericOrder)
{
    const QStringList found{u"/dev/ttyS1"_s, u"/dev/ttyUSB10"_s, u"/dev/ttyACM0"_s, u"/dev/ttyUSB2"_s,
                            u"/dev/ttyS0"_s, u"/dev/ttyS10"_s,   u"/dev/ttyS2"_s};
    EXPECT_EQ(orderSerialDevices(found),
              (QStringList{u"/dev/ttyUSB2"_s, u"/dev/ttyUSB10"_s, u"/dev/ttyACM0"_s, u"/dev/ttyS0"_s,
                           u"/dev/ttyS1"_s, u"/dev/ttyS2"_s, u"/dev/ttyS10"_s}));
}

TEST(PortNames, AMappingNamesAnyDeviceOtherwiseThePortCountsThroughTheDevices)
{
    PortMapSources sources;
    sources.devices = {u"/dev/ttyUSB0"_s, u"/dev/ttyS0"_s};
    sources.overrides = parsePortMapFile(u"# the bench unit\n"
                                         u"Com3 = /dev/pts/7\n"
                                         u"1=/dev/ttyS4\n"
                                         u"  # 2=/dev/ttyS9\n"
                                         u"garbage line\n"_s);
    EXPECT_EQ(resolvePortDevice(1, sources), u"/dev/ttyS4"_s);
    EXPECT_EQ(resolvePortDevice(2, sources), u"/dev/ttyS0"_s);
    EXPECT_EQ(resolvePortDevice(3, sources), u"/dev/pts/7"_s);
    EXPECT_EQ(resolvePortDevice(4, sources), QString());
    EXPECT_EQ(resolvePortDevice(0, sources), QString());
}

TEST(PortNames, TheListingShowsEveryNumberWithItsDeviceWhetherItIsThereAndWhatTheSystemTellsOfIt)
{
    QTemporaryDir folder;
    const QString pseudoTerminal = folder.filePath(u"unit"_s);
    QFile(pseudoTerminal).open(QIODevice::WriteOnly);
    PortMapSources sources;
    sources.devices = {u"/dev/ttyUSB0"_s, u"/dev/ttyS0"_s};
    sources.known = {{u"/dev/ttyS0"_s, {}, {}, {}},
                     {u"/dev/ttyUSB0"_s, u"USB-Serial Controller"_s, u"Prolific"_s, u"A1"_s}};
    sources.overrides = {{3, pseudoTerminal}, {4, folder.filePath(u"gone"_s)}};

    const QList<PortListing> ports = listPorts(sources);
    ASSERT_EQ(ports.size(), 16);
    struct Row {
        int number;
        QString device;
        bool present;
        QString described;
    };
    const Row rows[] = {
        {1, u"/dev/ttyUSB0"_s, true, u"/dev/ttyUSB0 (USB-Serial Controller, Prolific)"_s},
        {2, u"/dev/ttyS0"_s, true, u"/dev/ttyS0"_s},
        {3, pseudoTerminal, true, pseudoTerminal},
        {4, folder.filePath(u"gone"_s), false, folder.filePath(u"gone"_s)},
        {16, {}, false, {}},
    };
    for (const Row &row : rows) {
        const PortListing &port = ports[row.number - 1];
        EXPECT_EQ(port.number, row.number);
        EXPECT_EQ(port.device, row.device) << row.number;
        EXPECT_EQ(port.present, row.present) << row.number;
        EXPECT_EQ(port.describe(), row.described) << row.number;
    }
    EXPECT_EQ(ports[0].details.serialNumber, u"A1"_s);
}

} // namespace
