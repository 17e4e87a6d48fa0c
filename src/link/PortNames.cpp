// The one place where port numbers meet the platform's device names.
#include "link/PortNames.h"

#include "link/PortMapFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>

#include <algorithm>
#include <tuple>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

using namespace Qt::StringLiterals;
#endif

namespace aisset {

namespace {

// USB adapters first: an installer's laptop usually has exactly one, and it must
// be Com1 without any set-up.
int kindRank(const QString &location)
{
    if (location.contains(u"ttyUSB"))
        return 0;
    if (location.contains(u"ttyACM"))
        return 1;
    return 2;
}

// Splits "/dev/ttyUSB10" into "/dev/ttyUSB" and 10, so that 10 sorts after 9.
std::pair<QString, int> stemAndNumber(const QString &location)
{
    qsizetype digits = location.size();
    while (digits > 0 && location[digits - 1].isDigit())
        --digits;
    return {location.left(digits), location.mid(digits).toInt()};
}

PortMapFile readPortMapFile()
{
    QFile file(portMapFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parsePortMap(QString::fromUtf8(file.readAll()));
}

StableNameFolders foldersOf(const PortMapFile &file)
{
    StableNameFolders folders;
    if (!file.byIdFolder.isEmpty())
        folders.byId = file.byIdFolder;
    if (!file.byPathFolder.isEmpty())
        folders.byPath = file.byPathFolder;
    return folders;
}

// The device a name ends at after its links; the name itself when it is not there.
QString targetOf(const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    return target.isEmpty() ? device : target;
}

QStringList linksTo(const QString &folder, const QString &target)
{
    QStringList links;
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString link = dir.filePath(entry);
        if (QFileInfo(link).canonicalFilePath() == target)
            links.append(link);
    }
    return links;
}

PortMapSources systemSources()
{
    PortMapSources sources;
    const PortMapFile file = readPortMapFile();
    sources.overrides = file.ports;
    sources.folders = foldersOf(file);
    for (int n = 1; n <= 16; ++n) {
        const QByteArray variable = "AISSET_PORT_" + QByteArray::number(n);
        if (qEnvironmentVariableIsSet(variable.constData()))
            sources.overrides.insert(n, qEnvironmentVariable(variable.constData()));
    }
    QStringList locations;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        locations.append(info.systemLocation());
        sources.known.append({info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber(),
                              info.hasVendorIdentifier() && info.hasProductIdentifier(), info.vendorIdentifier(),
                              info.productIdentifier()});
    }
    sources.devices = orderSerialDevices(locations);
    return sources;
}

QString deviceOf(int number, const PortMapSources &sources)
{
#ifdef Q_OS_WIN
    return number < 1 ? QString() : QStringLiteral("COM%1").arg(number);
#else
    return resolvePortDevice(number, sources);
#endif
}

} // namespace

QString resolvePortDevice(int number, const PortMapSources &sources)
{
    if (number < 1)
        return {};
    if (const auto it = sources.overrides.constFind(number); it != sources.overrides.constEnd())
        return *it;
    return sources.devices.value(number - 1);
}

QStringList orderSerialDevices(QStringList systemLocations)
{
    std::sort(systemLocations.begin(), systemLocations.end(), [](const QString &a, const QString &b) {
        const auto [stemA, numberA] = stemAndNumber(a);
        const auto [stemB, numberB] = stemAndNumber(b);
        return std::tuple(kindRank(a), stemA, numberA) < std::tuple(kindRank(b), stemB, numberB);
    });
    return systemLocations;
}

QHash<int, QString> parsePortMapFile(const QString &text) { return parsePortMap(text).ports; }

StableNameFolders stableNameFolders() { return foldersOf(readPortMapFile()); }

QString StableNames::preferred() const { return !byId.isEmpty() ? byId.first() : byPath.value(0); }

StableNames stableNamesOf(const QString &device, const StableNameFolders &folders)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    return {linksTo(folders.byId, target), linksTo(folders.byPath, target)};
}

QStringList namesOfDevice(const QString &device, const StableNameFolders &folders)
{
    QStringList names{device};
    const StableNames stable = stableNamesOf(device, folders);
    for (const QString &name : QStringList{targetOf(device)} + stable.byId + stable.byPath)
        if (!names.contains(name))
            names.append(name);
    return names;
}

bool isSerialDevice(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(target).constData(), &status) != 0 || !S_ISCHR(status.st_mode))
        return false;
    return target.startsWith(u"/dev/pts/") || QFileInfo::exists(u"/sys/class/tty/"_s + QFileInfo(target).fileName());
#else
    return true;
#endif
}

QString portMapFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/aisset/ports.conf");
}

QString portDevice(int number)
{
#ifdef Q_OS_WIN
    return deviceOf(number, {});
#else
    return deviceOf(number, systemSources());
#endif
}

QList<PortListing> listPorts(const PortMapSources &sources)
{
    QList<PortListing> list;
    for (int number = 1; number <= 16; ++number) {
        PortListing port{number, deviceOf(number, sources), false, {}, {}};
        // A device named through a link is the device the link points at.
        const QString target = targetOf(port.device);
        for (const SerialDeviceInfo &info : sources.known)
            if (!port.device.isEmpty() && (info.location == port.device || info.location == target))
                port.details = info;
        // A mapped device the system does not list (a pseudo-terminal) is there
        // when its file is.
        port.present = !port.details.location.isEmpty() || (!port.device.isEmpty() && QFileInfo::exists(port.device));
        if (port.present)
            port.names = stableNamesOf(port.device, sources.folders);
        list.append(port);
    }
    return list;
}

QList<PortListing> listPorts() { return listPorts(systemSources()); }

QString PortListing::describe() const
{
    QStringList about;
    for (const QString &text : {details.description, details.manufacturer})
        if (!text.isEmpty() && !about.contains(text))
            about.append(text);
    return about.isEmpty() ? device : device + QStringLiteral(" (") + about.join(QStringLiteral(", ")) + u')';
}

} // namespace aisset
