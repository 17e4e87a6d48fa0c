// The port mapping file's settings and its editing by pin and unpin, and the
// stable names of a device, with links in a temporary folder standing in for
// /dev/serial/by-id and by-path.
#include "VirtualUnit.h"
#include "link/PortLocks.h"
#include "link/PortMapFile.h"
#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

TEST(PortMapFile, NamesPortsAndTheFoldersOfTheStableNames)
{
    const PortMapFile file = parsePortMap(u"# by-id = /commented\n"
                                          u"By-Id = /tmp/ids \n"
                                          u"by-path=/tmp/paths\n"
                                          u"com2 = /dev/serial/by-id/usb-A-if00-port0\n"
                                          u"by-id=\n"_s);
    EXPECT_EQ(file.byIdFolder, u"/tmp/ids"_s);
    EXPECT_EQ(file.byPathFolder, u"/tmp/paths"_s);
    EXPECT_EQ(file.ports, (QHash<int, QString>{{2, u"/dev/serial/by-id/usb-A-if00-port0"_s}}));
}

TEST(PortMapFile, PinningReplacesThePortsLinesInPlaceAndKeepsTheRest)
{
    const QString text = u"# bench\n1 = /dev/ttyUSB0\nCom3=/dev/old\nby-id = /x\n3 = /dev/older\n# 3 = kept\n"_s;
    const struct {
        QString in;
        int number;
        QString out;
    } pins[] = {
        {text, 3, u"# bench\n1 = /dev/ttyUSB0\n3 = /dev/new\nby-id = /x\n# 3 = kept\n"_s},
        {text, 2, text + u"2 = /dev/new\n"_s},
        {{}, 5, u"5 = /dev/new\n"_s},
        {u"1 = /a"_s, 1, u"1 = /dev/new\n"_s}, // no final line end
    };
    for (const auto &p : pins)
        EXPECT_EQ(withPortPinned(p.in, p.number, u"/dev/new"_s), p.out) << p.in.toStdString();

    bool removed = false;
    EXPECT_EQ(withPortUnpinned(text, 3, &removed), u"# bench\n1 = /dev/ttyUSB0\nby-id = /x\n# 3 = kept\n"_s);
    EXPECT_TRUE(removed);
    EXPECT_EQ(withPortUnpinned(text, 4, &removed), text);
    EXPECT_FALSE(removed);
}

TEST(StableNames, TheLinksPointingAtADeviceAndEveryNameItGoesBy)
{
    aisset::test::VirtualUnit unit({});
    aisset::test::VirtualUnit other({});
    ASSERT_FALSE(unit.path().isEmpty() || other.path().isEmpty());
    QTemporaryDir dir;
    const StableNameFolders folders{dir.filePath(u"by-id"_s), dir.filePath(u"by-path"_s)};
    ASSERT_TRUE(QDir().mkpath(folders.byId) && QDir().mkpath(folders.byPath));
    const QString id = folders.byId + u"/usb-Aisset_Unit_0001-if00-port0"_s;
    const QString id2 = folders.byId + u"/usb-Aisset_Unit_0001-if01-port0"_s;
    const QString path = folders.byPath + u"/pci-0000:00:14.0-usb-0:2:1.0-port0"_s;
    ASSERT_TRUE(QFile::link(unit.path(), id2) && QFile::link(unit.path(), id) && QFile::link(unit.path(), path));
    ASSERT_TRUE(QFile::link(other.path(), folders.byId + u"/usb-Other-if00-port0"_s));
    ASSERT_TRUE(QFile::link(u"/nonexistent"_s, folders.byId + u"/usb-Gone-if00-port0"_s));

    const StableNames names = stableNamesOf(unit.path(), folders);
    EXPECT_EQ(names.byId, (QStringList{id, id2}));
    EXPECT_EQ(names.byPath, QStringList{path});
    EXPECT_EQ(names.preferred(), id);
    // Named through a link, the device is the same.
    EXPECT_EQ(stableNamesOf(id2, folders).byId, (QStringList{id, id2}));
    EXPECT_EQ(namesOfDevice(path, folders), (QStringList{path, unit.path(), id, id2}));
    EXPECT_EQ(stableNamesOf(u"/nonexistent"_s, folders).preferred(), QString());
    EXPECT_EQ((StableNames{{}, {path}}).preferred(), path);
}

TEST(StableNames, OnlyTerminalDevicesAreSerialDevices)
{
    aisset::test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    QTemporaryDir dir;
    const QString link = dir.filePath(u"unit"_s);
    ASSERT_TRUE(QFile::link(unit.path(), link));
    const std::pair<QString, bool> cases[] = {
        {unit.path(), true},        {link, true},
        {u"/dev/null"_s, false},   {dir.path(), false},
        {u"/etc/passwd"_s, false}, {dir.filePath(u"none"_s), false},
    };
    for (const auto &[device, serial] : cases)
        EXPECT_EQ(isSerialDevice(device), serial) << device.toStdString();
}

TEST(StableNames, ALockFileIsFoundUnderAnyNameOfTheDevice)
{
    EXPECT_EQ(portLockFileName(u"/dev/pts/1"_s), u"LCK..pts_1"_s);
    EXPECT_EQ(portLockFileName(u"/dev/serial/by-id/usb-A_B-if00"_s), u"LCK..serial_by-id_usb-A_B-if00"_s);
    EXPECT_EQ(portLockFileName(u"/tmp/unit"_s), u"LCK.._tmp_unit"_s);
}

TEST(PortListing, AMappedLinkShowsTheDetailsAndStableNamesOfItsDevice)
{
    QTemporaryDir dir;
    const QString device = dir.filePath(u"ttyUSB7"_s);
    QFile(device).open(QIODevice::WriteOnly);
    const StableNameFolders folders{dir.filePath(u"by-id"_s), dir.filePath(u"by-path"_s)};
    ASSERT_TRUE(QDir().mkpath(folders.byId));
    const QString link = folders.byId + u"/usb-FTDI_FT232R_A1-if00-port0"_s;
    ASSERT_TRUE(QFile::link(device, link));
    PortMapSources sources;
    sources.folders = folders;
    sources.known = {{device, u"FT232R USB UART"_s, u"FTDI"_s, u"A1"_s, true, 0x0403, 0x6001}};
    sources.devices = {device};
    sources.overrides = {{2, link}};

    const QList<PortListing> ports = listPorts(sources);
    EXPECT_EQ(ports[1].device, link);
    EXPECT_EQ(ports[1].details.serialNumber, u"A1"_s);
    EXPECT_EQ(ports[1].names.byId, QStringList{link});
    EXPECT_EQ(ports[0].names.byId, QStringList{link}); // the same adapter as the first device
}

} // namespace
