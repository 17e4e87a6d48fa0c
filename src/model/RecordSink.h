#pragma once

#include "model/SaveResult.h"
#include "model/StoreFailure.h"

namespace aisset {

class Form;

// Where a successful sentence build keeps the page's values: the per-user
// profile store files them under the ship's MMSI. Each saving reads the form's
// fields, may refresh the MMSI's normalised copy, and says whether it reached
// the store.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual SaveResult saveOwnShipRecord(Form &form) = 0;
    virtual SaveResult saveSystemRecord(Form &form) = 0;
    virtual SaveResult saveFactoryRecord(Form &form) = 0;
    // Why the last saving failed.
    virtual StoreFailure lastFailure() const { return {}; }
};

} // namespace aisset
