#pragma once

#include "model/SaveResult.h"
#include "model/StoreFailure.h"

#include <QString>

namespace aisset {

// The outcome of a sentence builder: the complete sentence (ending in CR LF), or
// the slot of the field that failed its checks, whose refusal the builder has
// already shown to the user. A successful build also saved the page's values;
// `saving` says whether that reached the profile store.
struct BuildResult {
    QString sentence;
    int failedSlot = -1;
    SaveResult saving = SaveResult::Saved;
    StoreFailure savingFailure = {}; // why, when the saving failed

    bool ok() const { return !sentence.isEmpty(); }
    // Built, but the page's values could not be saved.
    bool savingFailed() const { return ok() && saving == SaveResult::Failed; }
};

} // namespace aisset
