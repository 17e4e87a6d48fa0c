#include "CliLink.h"

#include "CliArgs.h"
#include "Output.h"

#include "decoding/ReplyDecoding.h"
#include "link/PortNames.h"
#include "link/QtSerialLine.h"
#include "model/Form.h"
#include "ui/text/Catalogue.h"

using namespace Qt::StringLiterals;

namespace aisset::cli {

CliLink::CliLink(const QString &port, Form &form, Host &host, SentenceBuilder build) : form_(form)
{
    const std::optional<int> number = portArgument(port).number;
    // A device path stands in for port 1.
    if (!number)
        path_ = port;
    auto line = number ? std::make_unique<QtSerialLine>() : std::make_unique<QtSerialLine>([port](int) { return port; });
    PortChoice::storePort(settings_, number ? QString::number(*number) : u"1"_s);
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
    // A device path is named itself, not as the port number it stands in for.
    if (!path_.isEmpty())
        return escapeControls(path_) + u' ' + catalogue::text(form_.connectionStatus().state) + QStringLiteral(": ") +
               line_->errorText();
    return catalogue::text(form_.connectionStatus()) + QStringLiteral(": ") +
           (device.isEmpty() ? QStringLiteral("no device for this port number (see docs/serial-ports.md)")
                             : escapeControls(device) + QStringLiteral(": ") + line_->errorText());
}

} // namespace aisset::cli
