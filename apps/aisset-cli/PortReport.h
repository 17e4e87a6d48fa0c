#pragma once

#include "PortFacts.h"
#include "link/UnitSearch.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace aisset::cli {

// What trying a port for the unit found (ports --find).
using aisset::FindOutcome;

// One serial port as "aisset-cli ports" shows it.
struct PortReport {
    int number = 0; // the window's port number (Com<number>)
    QString device;
    bool present = false;
    QStringList byId; // the stable links pointing at the device
    QStringList byPath;
    std::optional<UsbId> usb;
    QString maker;
    QString product;
    QString serialNumber;
    DeviceAccess access;
    std::optional<ProcessRef> heldBy;
    QList<ProcessRef> openIn;
    QStringList hints;
    std::optional<FindOutcome> find;

    // The reason not to try the port for the unit; empty when it may be tried.
    QString reasonNotToTry() const;
};

// The known traps that concern one port, as hints for the user.
QStringList portHints(const PortReport &port, const SystemFacts &facts);
// The traps that concern no listed port: an adapter plugged in whose serial
// device a service has taken.
QStringList systemHints(const QList<PortReport> &ports, const SystemFacts &facts);

QJsonObject toJson(const PortReport &port);
QString toText(const PortReport &port);

} // namespace aisset::cli
