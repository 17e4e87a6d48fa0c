#pragma once

#include <QHash>
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

// The building blocks of the rule above, apart from the system they read.
struct PortMapSources {
    QHash<int, QString> overrides; // from the environment and the mapping file
    QStringList devices;           // the serial devices present, in port order
};
QString resolvePortDevice(int number, const PortMapSources &sources);
QStringList orderSerialDevices(QStringList systemLocations);
QHash<int, QString> parsePortMapFile(const QString &text);
QString portMapFilePath();

} // namespace aisset
