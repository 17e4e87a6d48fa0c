#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace aisset {

// Which system device a port number of the port choice ("Com1" ... "Com16")
// stands for. On Windows port n is COMn. Elsewhere:
//   1. the environment variable AISSET_PORT_<n> names the device, if set;
//   2. else a line "<n>=<device>" (or "Com<n>=<device>") in the mapping file
//      <config>/aisset/ports.conf does;
//   3. else port n is the n-th serial device present, USB adapters (ttyUSB*)
//      first, then USB modems (ttyACM*), then every other (ttyS* ...), each kind
//      in numeric order.
// The empty text means there is no such port.
QString portDevice(int number);

// The folders in which the system keeps stable names for serial devices: links
// named after the adapter (by-id) and after the socket it is plugged into
// (by-path), which outlive the kernel's renaming at every plug-in. The mapping
// file may name other folders ("by-id = ..."), as tests do.
struct StableNameFolders {
    QString byId = QStringLiteral("/dev/serial/by-id");
    QString byPath = QStringLiteral("/dev/serial/by-path");
};
StableNameFolders stableNameFolders();

// The links in those folders that point at a device, each sorted by name.
struct StableNames {
    QStringList byId;
    QStringList byPath;
    // The name to pin a port to: the first by-id link, else the first by-path
    // link; empty when there is none.
    QString preferred() const;
};
StableNames stableNamesOf(const QString &device, const StableNameFolders &folders);

// Every name a device may have been opened under: as given, the device the
// links end at, and its stable names.
QStringList namesOfDevice(const QString &device, const StableNameFolders &folders);

// Whether a path (after its links) is a serial device: a terminal device the
// system knows (/sys/class/tty) or a pseudo-terminal. Nothing is opened.
bool isSerialDevice(const QString &path);

// What the system tells about a serial device it knows.
struct SerialDeviceInfo {
    QString location; // "/dev/ttyUSB0", "COM3"
    QString description;
    QString manufacturer;
    QString serialNumber;
    bool hasUsbId = false;
    quint16 vendorId = 0;
    quint16 productId = 0;
};

// One port number of the choice and the device behind it.
struct PortListing {
    int number = 0;           // 1 ... 16
    QString device;           // empty when the number names no device
    bool present = false;     // the device is there now
    SerialDeviceInfo details; // empty unless the system knows the device (not for a pseudo-terminal)
    StableNames names;        // the stable links pointing at the device, when it is there

    // "/dev/ttyUSB0 (USB-Serial Controller, Prolific)", or the device alone.
    QString describe() const;
};

// Every port number, 1 ... 16 in order, with its device: the one listing that the
// window and the command line show. It scans the system's devices, so callers
// list when asked, not on every start.
QList<PortListing> listPorts();

// The building blocks of the rules above, apart from the system they read.
struct PortMapSources {
    QHash<int, QString> overrides; // from the environment and the mapping file
    QStringList devices;           // the serial devices present, in port order
    QList<SerialDeviceInfo> known; // what the system tells about them
    StableNameFolders folders;     // where the stable names are
};
QString resolvePortDevice(int number, const PortMapSources &sources);
QList<PortListing> listPorts(const PortMapSources &sources);
QStringList orderSerialDevices(QStringList systemLocations);
QHash<int, QString> parsePortMapFile(const QString &text);
// <config>/aisset/ports.conf
QString portMapFilePath();

} // namespace aisset
