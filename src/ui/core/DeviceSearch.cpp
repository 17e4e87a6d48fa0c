#include "ui/core/DeviceSearch.h"

#include "decoding/ReplyDecoding.h"
#include "link/LinkSession.h"
#include "model/Form.h"
#include "model/Host.h"

namespace aisset {

namespace {

QString portText(const UnitSearch::Candidate &port)
{
    return QStringLiteral("通讯口%1 (%2)").arg(port.number).arg(port.device);
}

QString outcomeText(const FindOutcome &outcome)
{
    switch (outcome.kind) {
    case FindOutcome::Unit:
        return outcome.mmsi.isEmpty() ? QStringLiteral("设备") : QStringLiteral("设备 MMSI ") + outcome.mmsi;
    case FindOutcome::Silent: return QStringLiteral("无应答");
    case FindOutcome::OtherData: return QStringLiteral("有数据,但不是设备的应答");
    case FindOutcome::OpenFailed: return QStringLiteral("无法打开");
    case FindOutcome::NotTried: break;
    }
    return QStringLiteral("未查找(超时)");
}

} // namespace

DeviceSearch::DeviceSearch(LinkSession &link, Form &form, Host &host, PortLister ports, QObject *parent)
    : QObject(parent), link_(link), form_(form), host_(host),
      ports_(ports ? std::move(ports) : PortLister([] { return listPorts(); })),
      search_([](Form &f, Host &h) { return standardDecoder(f, h); })
{
    connect(&search_, &UnitSearch::portStarted, this,
            [this](int index, int count) { emit progress(index, count, search_.candidates().value(index).number); });
    connect(&search_, &UnitSearch::finished, this, &DeviceSearch::finished);
}

void DeviceSearch::start()
{
    if (search_.isRunning())
        return;
    before_ = link_.ports().currentIndex();
    link_.ports().release();
    form_.setConnectionStatus(QStringLiteral("正在查找设备"));
    emit runningChanged(true);
    search_.start(UnitSearch::freePorts(ports_()));
}

void DeviceSearch::cancel() { search_.cancel(); }

void DeviceSearch::stop()
{
    reopen_ = false;
    search_.cancel();
    reopen_ = true;
}

void DeviceSearch::finished()
{
    emit runningChanged(false);
    if (search_.wasCancelled() && !reopen_)
        return;
    const QList<int> units = search_.units();
    if (!search_.wasCancelled() && units.size() == 1) {
        const UnitSearch::Candidate &found = search_.candidates()[units[0]];
        link_.ports().select(found.number - 1); // opens it and keeps it as the chosen port
        form_.setTransactionStatus(QStringLiteral("找到设备 ") + portText(found));
        return;
    }
    link_.ports().select(before_);
    if (!search_.wasCancelled())
        host_.showMessage(describe(search_.candidates(), search_.outcomes()));
}

QString DeviceSearch::describe(const QList<UnitSearch::Candidate> &ports, const QList<FindOutcome> &outcomes)
{
    if (ports.isEmpty())
        return QStringLiteral("未找到设备:没有可以查找的通讯口");
    qsizetype units = 0;
    QString lines;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const FindOutcome outcome = outcomes.value(i);
        units += outcome.kind == FindOutcome::Unit;
        lines += u'\n' + portText(ports[i]) + QStringLiteral(": ") + outcomeText(outcome);
    }
    if (units == 0)
        return QStringLiteral("未找到设备") + lines;
    return QStringLiteral("找到%1台设备,请选择通讯口").arg(units) + lines;
}

} // namespace aisset
