#pragma once

#include "link/PortLocks.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace aisset::cli {

// A USB device's vendor and product id.
struct UsbId {
    quint16 vendor = 0;
    quint16 product = 0;
    bool operator==(const UsbId &) const = default;
};

using aisset::ProcessRef;

// Whether the user may open a device, and the group that may.
struct DeviceAccess {
    bool canOpen = true;
    QString group;           // the device file's group ("dialout")
    bool userInGroup = true; // the user belongs to that group
};

// What the system says about the services that take serial devices from their
// users, and the USB devices plugged in (an adapter taken by a service has no
// serial device left, only its USB device).
struct SystemFacts {
    bool brailleServiceRunning = false;
    bool modemManagerRunning = false;
    QList<UsbId> usbDevices;
};

// The facts of this system. Where a system has none of these things (no /proc,
// no device groups), the answers are the harmless ones: openable, not held,
// no services.
DeviceAccess deviceAccess(const QString &device);
// The live process whose lock file claims the device under any of its names
// (portLockHolder); such a port is held and is not tried.
std::optional<ProcessRef> lockHolder(const QString &device);
// The processes that have the device open, as far as the user may look (other
// users' processes stay hidden). For a pseudo-terminal that includes the
// program on its other side.
QList<ProcessRef> processesUsing(const QString &device);
SystemFacts systemFacts();

} // namespace aisset::cli
