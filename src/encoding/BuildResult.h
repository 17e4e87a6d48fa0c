#pragma once

#include <QString>

namespace aisset {

// The outcome of a sentence builder: the complete sentence (ending in CR LF), or
// the slot of the field that failed its checks, whose refusal the builder has
// already shown to the user.
struct BuildResult {
    QString sentence;
    int failedSlot = -1;

    bool ok() const { return !sentence.isEmpty(); }
};

} // namespace aisset
