#include "PortReport.h"

#include "Output.h"

#include <QJsonArray>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

// The CH340/CH341 USB serial adapters (vendor 1a86) that the braille-display
// service's device rules claim as braille displays.
constexpr UsbId kCh34xAdapters[] = {{0x1a86, 0x7523}, {0x1a86, 0x7522}, {0x1a86, 0x5523}};

bool isCh34x(const UsbId &id)
{
    return std::find(std::begin(kCh34xAdapters), std::end(kCh34xAdapters), id) != std::end(kCh34xAdapters);
}

const QString kBrailleAdvice =
    QStringLiteral("stop it for good (sudo systemctl disable --now brltty), without a braille display remove it "
                   "(sudo apt remove brltty), and plug the adapter in again");

QString usbText(const UsbId &id)
{
    return QStringLiteral("%1:%2").arg(id.vendor, 4, 16, QChar(u'0')).arg(id.product, 4, 16, QChar(u'0'));
}

QString processText(const ProcessRef &p)
{
    return p.name.isEmpty() ? QString::number(p.pid) : QStringLiteral("%1 (%2)").arg(p.pid).arg(p.name);
}

QJsonObject processJson(const ProcessRef &p) { return {{u"pid"_s, double(p.pid)}, {u"name"_s, p.name}}; }

QString findKindName(FindOutcome::Kind kind)
{
    switch (kind) {
    case FindOutcome::Unit: return QStringLiteral("unit");
    case FindOutcome::Silent: return QStringLiteral("silent");
    case FindOutcome::OtherData: return QStringLiteral("other-data");
    case FindOutcome::OpenFailed: return QStringLiteral("open-failed");
    case FindOutcome::NotTried: break;
    }
    return QStringLiteral("not-tried");
}

QString findText(const FindOutcome &find)
{
    switch (find.kind) {
    case FindOutcome::Unit:
        return find.mmsi.isEmpty() ? QStringLiteral("the unit (its parameter line did not decode)")
                                   : QStringLiteral("the unit, MMSI ") + find.mmsi;
    case FindOutcome::Silent: return QStringLiteral("no answer");
    case FindOutcome::OtherData: return QStringLiteral("data, but no parameter line");
    case FindOutcome::OpenFailed: return QStringLiteral("did not open: ") + find.reason;
    case FindOutcome::NotTried: break;
    }
    return QStringLiteral("not tried: ") + find.reason;
}

} // namespace

QString PortReport::reasonNotToTry() const
{
    if (!present)
        return QStringLiteral("the device is not there");
    if (heldBy)
        return QStringLiteral("held by process ") + processText(*heldBy);
    if (!access.canOpen)
        return QStringLiteral("the user may not open it");
    return {};
}

QStringList portHints(const PortReport &port, const SystemFacts &facts)
{
    QStringList hints;
    if (port.present && !port.access.canOpen && !port.access.userInGroup && !port.access.group.isEmpty())
        hints << QStringLiteral("the device belongs to group \"%1\"; on Debian the user belongs in that group: "
                                "sudo adduser $USER %1, then log in again")
                     .arg(port.access.group);
    if (port.heldBy)
        hints << QStringLiteral("process %1 holds the port: end it or close the port in it")
                     .arg(processText(*port.heldBy));
    // An installed service that is stopped takes nothing.
    if (port.usb && isCh34x(*port.usb) && facts.brailleServiceRunning)
        hints << QStringLiteral("the braille-display service (brltty) is running; it takes CH340/CH341 adapters "
                                "and the serial device vanishes; ") +
                     kBrailleAdvice;
    // Debian 12's default (strict) policy probes ACM devices, not USB serial adapters.
    if (port.device.contains(u"ttyACM") && facts.modemManagerRunning)
        hints << QStringLiteral("a modem manager (ModemManager) is running; its default policy probes ACM devices "
                                "when they appear and may hold the port or send it AT commands for a while: stop it "
                                "(sudo systemctl stop ModemManager) or have it ignore the device");
    return hints;
}

QStringList systemHints(const QList<PortReport> &ports, const SystemFacts &facts)
{
    const bool adapterListed =
        std::any_of(ports.cbegin(), ports.cend(), [](const PortReport &p) { return p.usb && isCh34x(*p.usb); });
    const bool adapterPlugged = std::any_of(facts.usbDevices.cbegin(), facts.usbDevices.cend(), isCh34x);
    if (!adapterPlugged || adapterListed)
        return {};
    QString hint = QStringLiteral("a CH340/CH341 adapter is plugged in but has no serial device");
    if (facts.brailleServiceRunning)
        hint += QStringLiteral(": the braille-display service (brltty) is running and has probably taken it; ") +
                kBrailleAdvice;
    return {hint};
}

QJsonObject toJson(const PortReport &port)
{
    QJsonArray openIn;
    for (const ProcessRef &p : port.openIn)
        openIn.append(processJson(p));
    QJsonObject out{
        {u"port"_s, port.number},
        {u"device"_s, port.device},
        {u"present"_s, port.present},
        {u"byId"_s, QJsonArray::fromStringList(port.byId)},
        {u"byPath"_s, QJsonArray::fromStringList(port.byPath)},
        {u"usb"_s, port.usb ? QJsonValue(usbText(*port.usb)) : QJsonValue()},
        {u"maker"_s, port.maker},
        {u"product"_s, port.product},
        {u"serialNumber"_s, port.serialNumber},
        {u"canOpen"_s, port.access.canOpen},
        {u"group"_s, port.access.group},
        {u"heldBy"_s, port.heldBy ? QJsonValue(processJson(*port.heldBy)) : QJsonValue()},
        {u"openIn"_s, openIn},
        {u"hints"_s, QJsonArray::fromStringList(port.hints)},
    };
    if (port.find) {
        QJsonObject find{{u"result"_s, findKindName(port.find->kind)}};
        if (port.find->kind == FindOutcome::Unit)
            find.insert(u"mmsi"_s, port.find->mmsi);
        if (!port.find->reason.isEmpty())
            find.insert(u"reason"_s, port.find->reason);
        out.insert(u"find"_s, find);
    }
    return out;
}

QString toText(const PortReport &port)
{
    // Names come from devices and other programs: shown with their control
    // characters escaped.
    const auto orDash = [](const QString &text) { return text.isEmpty() ? QStringLiteral("-") : escapeControls(text); };
    QString text = QStringLiteral("Com%1  %2%3\n")
                       .arg(port.number)
                       .arg(escapeControls(port.device), port.present ? QString() : u"  (not there)"_s);
    if (!port.present)
        return text;
    for (const QString &link : port.byId)
        text += QStringLiteral("  by-id: ") + escapeControls(link) + u'\n';
    for (const QString &link : port.byPath)
        text += QStringLiteral("  by-path: ") + escapeControls(link) + u'\n';
    text += QStringLiteral("  usb: %1  maker: %2  product: %3  serial: %4\n")
                .arg(port.usb ? usbText(*port.usb) : u"-"_s, orDash(port.maker), orDash(port.product),
                     orDash(port.serialNumber));
    text += QStringLiteral("  open: %1\n").arg(port.access.canOpen ? u"yes"_s : u"no, not allowed"_s);
    text += QStringLiteral("  held by: %1\n").arg(port.heldBy ? escapeControls(processText(*port.heldBy)) : u"-"_s);
    QStringList users;
    for (const ProcessRef &p : port.openIn)
        users << processText(p);
    text += QStringLiteral("  open in: %1\n").arg(orDash(users.join(u", "_s)));
    for (const QString &hint : port.hints)
        text += QStringLiteral("  hint: ") + escapeControls(hint) + u'\n';
    if (port.find)
        text += QStringLiteral("  find: ") + escapeControls(findText(*port.find)) + u'\n';
    return text;
}

} // namespace aisset::cli
