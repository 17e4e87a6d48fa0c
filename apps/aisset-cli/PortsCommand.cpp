// aisset-cli ports [--find] [--json]: every port number that names a serial
// device, with what the system tells of the device, whether the user may open
// it, who holds it and the known traps; with --find, which port the unit
// answers on.
#include "Commands.h"

#include "Output.h"
#include "PortReport.h"
#include "decoding/ReplyDecoding.h"
#include "link/PortNames.h"
#include "link/UnitSearch.h"
#include "link/Waiting.h"

#include <QJsonArray>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

const QString kNoTimeLeft = QStringLiteral("no time left");

QList<PortReport> listedPorts(const SystemFacts &facts)
{
    QList<PortReport> ports;
    for (const PortListing &listing : listPorts()) {
        if (listing.device.isEmpty())
            continue;
        PortReport port;
        port.number = listing.number;
        port.device = listing.device;
        port.present = listing.present;
        port.byId = listing.names.byId;
        port.byPath = listing.names.byPath;
        if (listing.details.hasUsbId)
            port.usb = UsbId{listing.details.vendorId, listing.details.productId};
        port.maker = listing.details.manufacturer;
        port.product = listing.details.description;
        port.serialNumber = listing.details.serialNumber;
        if (port.present) {
            port.access = deviceAccess(port.device);
            port.heldBy = lockHolder(port.device);
            port.openIn = processesUsing(port.device);
        }
        port.hints = portHints(port, facts);
        ports.append(port);
    }
    return ports;
}

// Tries the ports that may be tried with the window's search (UnitSearch).
void findUnit(QList<PortReport> &ports)
{
    QList<UnitSearch::Candidate> candidates;
    QList<PortReport *> tried;
    for (PortReport &port : ports) {
        port.find = FindOutcome{FindOutcome::NotTried, {}, port.reasonNotToTry()};
        if (port.find->reason.isEmpty()) {
            candidates.append({port.number, port.device});
            tried.append(&port);
        }
    }
    UnitSearch search([](Form &form, Host &host) { return standardDecoder(form, host); });
    EventWait done;
    done.finishOn(&search, &UnitSearch::finished);
    search.start(candidates);
    done.run(UnitSearch::kTotalMs + 2 * UnitSearch::kPortMs);
    search.cancel(); // a search that overran its limits ends here
    for (qsizetype i = 0; i < tried.size(); ++i) {
        FindOutcome outcome = search.outcomes().value(i);
        if (outcome.kind == FindOutcome::NotTried)
            outcome.reason = kNoTimeLeft;
        tried[i]->find = outcome;
    }
}

qsizetype unitCount(const QList<PortReport> &ports)
{
    return std::count_if(ports.cbegin(), ports.cend(),
                         [](const PortReport &p) { return p.find && p.find->kind == FindOutcome::Unit; });
}

// The ports the search ran out of time for, as runs of numbers: "Com9-Com16".
QString portsLeftUntried(const QList<PortReport> &ports)
{
    QList<int> left;
    for (const PortReport &port : ports)
        if (port.find && port.find->kind == FindOutcome::NotTried && port.find->reason == kNoTimeLeft)
            left.append(port.number);
    QStringList runs;
    for (qsizetype i = 0; i < left.size();) {
        qsizetype end = i;
        while (end + 1 < left.size() && left[end + 1] == left[end] + 1)
            ++end;
        runs << (end == i ? QStringLiteral("Com%1").arg(left[i])
                          : QStringLiteral("Com%1-Com%2").arg(left[i]).arg(left[end]));
        i = end + 1;
    }
    return runs.join(u", "_s);
}

void print(const QList<PortReport> &ports, const QStringList &hints, bool json)
{
    if (json) {
        QJsonArray list;
        for (const PortReport &port : ports)
            list.append(toJson(port));
        printJson({{u"ports"_s, list}, {u"hints"_s, QJsonArray::fromStringList(hints)}});
        return;
    }
    QString text;
    for (const PortReport &port : ports)
        text += toText(port);
    if (ports.isEmpty())
        text += QStringLiteral("no serial ports\n");
    for (const QString &hint : hints)
        text += QStringLiteral("hint: ") + escapeControls(hint) + u'\n';
    writeStdout(text.toUtf8());
}

} // namespace

int runPorts(const CliArgs &args, CliContext &)
{
    if (args.isSet(u"pin"_s) || args.isSet(u"unpin"_s))
        return runPortPin(args);
    if (!args.words.isEmpty())
        return usageError(args, QStringLiteral("takes no words"));
    const SystemFacts facts = systemFacts();
    QList<PortReport> ports = listedPorts(facts);
    const bool find = args.isSet(u"find"_s);
    if (find)
        findUnit(ports);
    print(ports, systemHints(ports, facts), args.json);
    if (!find)
        return Success;
    const qsizetype units = unitCount(ports);
    if (units > 1) {
        printError(QStringLiteral("%1 ports answered as the unit").arg(units));
        return SeveralUnits;
    }
    if (units == 1)
        return Success;
    // The unit may be on a port the search had no time for: that is not "no unit".
    if (const QString left = portsLeftUntried(ports); !left.isEmpty()) {
        printError(QStringLiteral("no port answered as the unit; not all ports tried: %1").arg(left));
        return SearchIncomplete;
    }
    printError(QStringLiteral("no port answered as the unit"));
    return LinkError;
}

} // namespace aisset::cli
