#pragma once

#include <QtGlobal>

namespace aisset {

// WaitSeconds: waits until the wall clock, read in whole seconds, has moved on by
// n seconds, so a wait of 1 lasts more than 0 and at most 1 second. The event
// loop runs meanwhile (the receive path works inside the wait) and the thread
// sleeps between events.
void waitSeconds(int n);

// Milliseconds from nowMs (since the epoch) until that deadline.
qint64 msUntilSecondsPassed(qint64 nowMs, int n);

// Runs the event loop for the given time, sleeping between events.
void runEventLoopFor(qint64 ms);

} // namespace aisset
