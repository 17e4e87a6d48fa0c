#pragma once

#include <QString>

namespace aisset {

// The trace for support: while it runs, every message of the aisset.*
// categories (debug ones included) goes into one file, a line each, with the
// time to the millisecond and the category:
//   2026-12-11 01:52:03.417 aisset.link /dev/pts/3 sent: $CVRSE,*7D\r\n
// Messages of other categories go where they went before. One trace at a time;
// nothing is written unless one is started.
class TraceFile {
public:
    // Starts writing into the file (appended); the reason when it cannot be
    // opened. A running trace is stopped first.
    static QString start(const QString &path);
    static void stop();
    static bool isRunning();
    static QString path();
};

} // namespace aisset
