// The one place where port numbers meet the platform's device names.
#include "link/PortNames.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QStandardPaths>

#include <algorithm>
#include <tuple>

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

PortMapSources systemSources()
{
    PortMapSources sources;
    QFile file(portMapFilePath());
    if (file.open(QIODevice::ReadOnly))
        sources.overrides = parsePortMapFile(QString::fromUtf8(file.readAll()));
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

QHash<int, QString> parsePortMapFile(const QString &text)
{
    static const QRegularExpression entry(QStringLiteral(R"(^\s*(?:com)?(\d+)\s*=\s*(\S.*?)\s*$)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QHash<int, QString> map;
    for (const QString &line : text.split(u'\n')) {
        const QRegularExpressionMatch m = entry.match(line);
        if (m.hasMatch() && !line.trimmed().startsWith(u'#'))
            map.insert(m.captured(1).toInt(), m.captured(2));
    }
    return map;
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
        PortListing port{number, deviceOf(number, sources), false, {}};
        for (const SerialDeviceInfo &info : sources.known)
            if (!port.device.isEmpty() && info.location == port.device)
                port.details = info;
        // A mapped device the system does not list (a pseudo-terminal) is there
        // when its file is.
        port.present = !port.details.location.isEmpty() || (!port.device.isEmpty() && QFileInfo::exists(port.device));
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
