#include "CliLink.h"

#include "decoding/ReplyDecoding.h"
#include "link/PortNames.h"
#include "link/QtSerialLine.h"
#include "model/Form.h"

namespace aisset::cli {

CliLink::CliLink(const QString &port, Form &form, Host &host, SentenceBuilder build) : form_(form)
{
    bool isNumber = false;
    const int number = port.toInt(&isNumber);
    // A device path stands in for port 1.
    auto line =
        isNumber ? std::make_unique<QtSerialLine>() : std::make_unique<QtSerialLine>([port](int) { return port; });
    PortChoice::storePort(settings_, isNumber ? QString::number(number) : u"1"_qs);
    line_ = line.get();
    LinkSession::Options options;
    options.line = std::move(line);
    session_ = std::make_unique<LinkSession>(form, host, settings_, standardDecoder(form, host), std::move(build),
                                             std::move(options));
}

CliLink::~CliLink() = default;

QString CliLink::open()
{
    session_->ports().openAtStartup();
    if (line_->isOpen())
        return {};
    const QString device = line_->deviceName();
    return form_.connectionStatus() + QStringLiteral(": ") +
           (device.isEmpty() ? QStringLiteral("no device for this port number (see docs/serial-ports.md)")
                             : device + QStringLiteral(": ") + line_->errorText());
}

} // namespace aisset::cli
