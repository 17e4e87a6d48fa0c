// The one place where the port diagnostics read the system: file permissions and
// groups, the processes in /proc, lock files, and the USB devices in /sys.
#include "PortFacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
#endif

namespace aisset::cli {

#ifdef Q_OS_LINUX

namespace {

QString processName(qint64 pid) { return readFirstLine(QStringLiteral("/proc/%1/comm").arg(pid)); }

QList<qint64> processIds()
{
    QList<qint64> ids;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const qint64 pid = entry.toLongLong(&isNumber);
        if (isNumber)
            ids.append(pid);
    }
    return ids;
}

bool userInGroup(gid_t group)
{
    if (getegid() == group)
        return true;
    const int count = getgroups(0, nullptr);
    QList<gid_t> groups(count > 0 ? count : 0);
    if (count > 0 && getgroups(count, groups.data()) == count)
        return groups.contains(group);
    return false;
}

quint16 hexFile(const QString &path) { return quint16(readFirstLine(path).toUShort(nullptr, 16)); }

} // namespace

DeviceAccess deviceAccess(const QString &device)
{
    DeviceAccess access;
    const QByteArray path = QFile::encodeName(device);
    access.canOpen = ::access(path.constData(), R_OK | W_OK) == 0;
    const QFileInfo info(device);
    access.group = info.group();
    if (const struct group *g = getgrnam(access.group.toLocal8Bit().constData()))
        access.userInGroup = userInGroup(g->gr_gid);
    return access;
}

QList<ProcessRef> processesUsing(const QString &device)
{
    QList<ProcessRef> users;
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return users;
    for (const qint64 pid : processIds()) {
        if (pid == getpid())
            continue;
        const QString fdDir = QStringLiteral("/proc/%1/fd").arg(pid);
        for (const QString &fd : QDir(fdDir).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
            if (QFile::symLinkTarget(fdDir + u'/' + fd) == target) {
                users.append({pid, processName(pid)});
                break;
            }
        }
    }
    return users;
}

SystemFacts systemFacts()
{
    SystemFacts facts;
    for (const qint64 pid : processIds()) {
        const QString name = processName(pid);
        facts.brailleServiceRunning |= name == u"brltty";
        facts.modemManagerRunning |= name == u"ModemManager";
    }
    const QString usb = QStringLiteral("/sys/bus/usb/devices");
    for (const QString &entry : QDir(usb).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString dir = usb + u'/' + entry;
        if (QFileInfo::exists(dir + u"/idVendor"_s))
            facts.usbDevices.append({hexFile(dir + u"/idVendor"_s), hexFile(dir + u"/idProduct"_s)});
    }
    return facts;
}

#else

DeviceAccess deviceAccess(const QString &) { return {}; }
QList<ProcessRef> processesUsing(const QString &) { return {}; }
SystemFacts systemFacts() { return {}; }

#endif

std::optional<ProcessRef> lockHolder(const QString &device) { return portLockHolder(device); }

} // namespace aisset::cli
