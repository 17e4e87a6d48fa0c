#include "ui/core/DeviceSearch.h"

#include "decoding/ReplyDecoding.h"
#include "link/LinkSession.h"
#include "model/Form.h"
#include "model/Host.h"
#include "ui/text/Catalogue.h"

namespace aisset {

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
    form_.setConnectionStatus({ConnectionStatus::State::Searching});
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
        form_.setTransactionStatus(TransactionStatus::deviceFound(found.number, found.device));
        return;
    }
    link_.ports().select(before_);
    if (!search_.wasCancelled())
        host_.showMessage(catalogue::searchSummary(search_.candidates(), search_.outcomes()));
}

} // namespace aisset
