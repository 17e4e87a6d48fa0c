#pragma once

#include "link/PortNames.h"
#include "link/UnitSearch.h"

#include <QObject>

#include <functional>

namespace aisset {

class Form;
class Host;
class LinkSession;

// "查找设备": the search of "aisset-cli ports --find" over the window's port
// numbers, on the event loop while the window stays usable. The window's own
// port closes for the search (its lock would keep it from being tried). When
// exactly one unit answers, the port choice switches to it and keeps it as the
// chosen port; otherwise, and after a cancel, the port chosen before opens
// again, and a message names what was found.
class DeviceSearch : public QObject {
    Q_OBJECT
public:
    using PortLister = std::function<QList<PortListing>()>;

    // ports lists the port numbers with their devices (listPorts() when empty).
    DeviceSearch(LinkSession &link, Form &form, Host &host, PortLister ports = {}, QObject *parent = nullptr);

    void start();
    // Ends the search; the port chosen before opens again.
    void cancel();
    // Ends the search and leaves the port closed: another port is being chosen,
    // or the window closes.
    void stop();
    bool isRunning() const { return search_.isRunning(); }

signals:
    void runningChanged(bool running);
    // Trying the index-th port (0-based) of count, port number `number`.
    void progress(int index, int count, int number);

private:
    void finished();

    LinkSession &link_;
    Form &form_;
    Host &host_;
    PortLister ports_;
    UnitSearch search_;
    int before_ = 0;     // the list position chosen before the search
    bool reopen_ = true; // a cancelled search opens that port again
};

} // namespace aisset
