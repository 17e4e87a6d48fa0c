#pragma once

#include "PortReport.h"

#include <QString>
#include <QtGlobal>

namespace aisset::cli {

// Opens the device with the window's steps and line settings, sends the read
// request once and waits up to timeoutMs for a parameter line. Whatever is not
// sent yet is dropped before the port closes.
FindOutcome probePort(const QString &device, qint64 timeoutMs);

} // namespace aisset::cli
