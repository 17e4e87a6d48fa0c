#pragma once

#include "link/LinkSession.h"
#include "link/SettingStore.h"

#include <memory>

namespace aisset {
class Form;
class Host;
class QtSerialLine;
} // namespace aisset

namespace aisset::cli {

// The device link of the tool: one session on the port given with --port, a
// port number (mapped to a device as the window maps it) or a device path. The
// port choice lives in memory only, so the window's stored port is left alone.
class CliLink {
public:
    CliLink(const QString &port, Form &form, Host &host, SentenceBuilder build);
    ~CliLink();

    // Opens the port with the window's start-up steps; an error text when it did
    // not open.
    QString open();
    LinkSession &session() { return *session_; }

private:
    MemorySettingStore settings_;
    QtSerialLine *line_ = nullptr;
    QString path_; // the device path given instead of a port number, or empty
    std::unique_ptr<LinkSession> session_;
    Form &form_;
};

} // namespace aisset::cli
