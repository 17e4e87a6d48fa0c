// Lock files of serial devices, as the serial port library and other programs
// (UUCP style) leave them.
#include "link/PortLocks.h"

#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <unistd.h>

using namespace Qt::StringLiterals;
#endif

namespace aisset {

namespace {

// Where lock files are kept: the serial port library takes the first of these
// folders it may write to, so a user without rights to /run/lock leaves it in
// one further down.
QStringList lockFolders()
{
    QStringList folders{u"/run/lock"_s,       u"/var/lock"_s, u"/etc/locks"_s, u"/var/spool/locks"_s,
                        u"/var/spool/uucp"_s, u"/tmp"_s,      u"/var/tmp"_s,   u"/var/lock/lockdev"_s};
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (!folders.contains(temp))
        folders.append(temp);
    return folders;
}

} // namespace

QString readFirstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readLine()).trimmed();
}

QString portLockFileName(const QString &device)
{
    QString name = device.startsWith(u"/dev/") ? device.mid(5) : device;
    return QStringLiteral("LCK..") + name.replace(u'/', u'_');
}

#ifdef Q_OS_LINUX

std::optional<ProcessRef> portLockHolderOf(const QStringList &names)
{
    for (const QString &folder : lockFolders()) {
        for (const QString &name : names) {
            // The first line holds the process id, in both the text and the
            // ten-column UUCP form.
            bool isNumber = false;
            const qint64 pid = readFirstLine(folder + u'/' + portLockFileName(name)).toLongLong(&isNumber);
            // A lock left by a process that has ended holds nothing.
            if (isNumber && pid > 0 && pid != getpid() && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)))
                return ProcessRef{pid, readFirstLine(QStringLiteral("/proc/%1/comm").arg(pid))};
        }
    }
    return std::nullopt;
}

#else

std::optional<ProcessRef> portLockHolderOf(const QStringList &) { return std::nullopt; }

#endif

std::optional<ProcessRef> portLockHolder(const QString &device)
{
    return portLockHolderOf(namesOfDevice(device, stableNameFolders()));
}

} // namespace aisset
