// The hints of the port diagnostics: each known trap is named when, and only
// when, its conditions meet.
#include "PortReport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset::cli;

namespace {

constexpr UsbId kCh340{0x1a86, 0x7523};
constexpr UsbId kFtdi{0x0403, 0x6001};

PortReport port(const QString &device, std::optional<UsbId> usb = std::nullopt)
{
    PortReport p;
    p.number = 1;
    p.device = device;
    p.present = true;
    p.usb = usb;
    return p;
}

PortReport withoutAccess(bool inGroup)
{
    PortReport p = port(u"/dev/ttyUSB0"_s);
    p.access = {false, u"dialout"_s, inGroup};
    return p;
}

PortReport heldBy(const ProcessRef &process)
{
    PortReport p = port(u"/dev/ttyUSB0"_s);
    p.heldBy = process;
    return p;
}

SystemFacts facts(bool brailleRunning, bool modemManager)
{
    SystemFacts f;
    f.brailleServiceRunning = brailleRunning;
    f.modemManagerRunning = modemManager;
    return f;
}

struct HintCase {
    const char *name;
    PortReport port;
    SystemFacts facts;
    QString expectedWord; // a word of the one hint expected; empty for none
};

TEST(PortHints, EachTrapIsNamedOnlyWhereItApplies)
{
    const HintCase cases[] = {
        {"plain adapter", port(u"/dev/ttyUSB0"_s, kFtdi), facts(true, true), {}},
        {"not allowed, not in group", withoutAccess(false), {}, u"sudo adduser $USER dialout"_s},
        {"not allowed, already in group", withoutAccess(true), {}, {}},
        {"held", heldBy({4321, u"minicom"_s}), {}, u"4321 (minicom)"_s},
        {"CH340 with the braille service running", port(u"/dev/ttyUSB0"_s, kCh340), facts(true, false),
         u"sudo systemctl disable --now brltty"_s},
        {"CH340 with the service stopped or not installed", port(u"/dev/ttyUSB0"_s, kCh340), facts(false, false), {}},
        {"ACM device with the modem manager", port(u"/dev/ttyACM0"_s), facts(false, true), u"ModemManager"_s},
        {"ACM device without it", port(u"/dev/ttyACM0"_s), facts(false, false), {}},
        {"USB adapter with the modem manager", port(u"/dev/ttyUSB0"_s), facts(false, true), {}},
    };
    for (const HintCase &c : cases) {
        const QStringList hints = portHints(c.port, c.facts);
        if (c.expectedWord.isEmpty()) {
            EXPECT_TRUE(hints.isEmpty()) << c.name << ": " << hints.join(u" | "_s).toStdString();
        } else {
            ASSERT_EQ(hints.size(), 1) << c.name;
            EXPECT_TRUE(hints[0].contains(c.expectedWord)) << c.name << ": " << hints[0].toStdString();
        }
    }
}

TEST(PortHints, AnAdapterWithoutSerialDeviceIsNamedOnce)
{
    SystemFacts plugged = facts(true, false);
    plugged.usbDevices = {kFtdi, kCh340};
    EXPECT_TRUE(systemHints({}, plugged).value(0).contains(u"brltty"_s));
    // Listed with its serial device: the port's own hint covers it.
    EXPECT_TRUE(systemHints({port(u"/dev/ttyUSB0"_s, kCh340)}, plugged).isEmpty());
    // Not plugged in: nothing to say.
    EXPECT_TRUE(systemHints({}, facts(true, false)).isEmpty());
    // Without the service running, the adapter is named but the service is not blamed.
    plugged.brailleServiceRunning = false;
    EXPECT_FALSE(systemHints({}, plugged).value(0).contains(u"brltty"_s));
    EXPECT_TRUE(systemHints({}, plugged).value(0).contains(u"no serial device"_s));
}

TEST(PortHints, OnlyAPresentFreePortTheUserMayOpenIsTried)
{
    PortReport absent = port(u"/dev/ttyUSB0"_s);
    absent.present = false;
    const std::pair<PortReport, QString> cases[] = {
        {port(u"/dev/ttyUSB0"_s), {}},
        {absent, u"not there"_s},
        {heldBy({77, {}}), u"held by process 77"_s},
        {withoutAccess(true), u"may not open"_s},
    };
    for (const auto &[p, reason] : cases) {
        EXPECT_EQ(p.reasonNotToTry().isEmpty(), reason.isEmpty()) << p.reasonNotToTry().toStdString();
        EXPECT_TRUE(p.reasonNotToTry().contains(reason)) << p.reasonNotToTry().toStdString();
    }
}

TEST(PortReportText, NamesFromDevicesCannotDriveTheTerminal)
{
    PortReport p = port(u"/dev/ttyUSB0"_s, kCh340);
    p.maker = u"evil\x1b]0;title\x07"_s;
    p.openIn = {{12, u"x\x1b[2J"_s}};
    const QString text = toText(p);
    EXPECT_FALSE(text.contains(QChar(0x1b)));
    EXPECT_TRUE(text.contains(u"usb: 1a86:7523"_s)) << text.toStdString();
}

} // namespace
