#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

namespace aisset {

// The logging categories of the layers. Their debug and info messages are off
// unless a trace runs (TraceFile) or QT_LOGGING_RULES turns them on
// ("aisset.*=true" shows them on standard error).
Q_DECLARE_LOGGING_CATEGORY(lcLink)        // aisset.link: every byte sent and received, ports opened and closed
Q_DECLARE_LOGGING_CATEGORY(lcTransaction) // aisset.transaction: each write's and read's outcome
Q_DECLARE_LOGGING_CATEGORY(lcStore)       // aisset.store: what is saved, and savings that failed
Q_DECLARE_LOGGING_CATEGORY(lcSearch)      // aisset.search: the search for the unit, port by port

// Bytes as one line of text that shows every byte: printable ASCII as it is,
// "\r", "\n", "\t", "\\" and every other byte as "\xHH".
QString escapedBytes(const QByteArray &bytes);

} // namespace aisset
