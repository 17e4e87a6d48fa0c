#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace aisset {

// A process, as far as the system lets the user see it.
struct ProcessRef {
    qint64 pid = 0;
    QString name; // empty when not known
    bool operator==(const ProcessRef &) const = default;
};

// The live process, other than this one, whose lock file claims a device. The
// serial port library names its lock after the name the device was opened
// under ("/dev/serial/by-id/usb-X" gives LCK..serial_by-id_usb-X), so the lock
// is looked for under every name of the device: as given, the device its links
// end at, and its stable names. Nothing anywhere but on Linux.
std::optional<ProcessRef> portLockHolder(const QString &device);
std::optional<ProcessRef> portLockHolderOf(const QStringList &names);

// The first line of a small system file (a lock file, /proc/<pid>/comm),
// trimmed; empty when it cannot be read.
QString readFirstLine(const QString &path);

// The lock file name of a device name: "/dev/pts/1" gives LCK..pts_1, any other
// path has its slashes turned into "_".
QString portLockFileName(const QString &device);

} // namespace aisset
