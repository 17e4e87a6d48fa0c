#pragma once

namespace aisset {

class Form;

// Where a successful sentence build keeps the page's values: the per-user
// profile store files them under the ship's MMSI. Each saving reads the form's
// fields and may refresh the MMSI's normalised copy.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual void saveOwnShipRecord(Form &form) = 0;
    virtual void saveSystemRecord(Form &form) = 0;
    virtual void saveFactoryRecord(Form &form) = 0;
};

} // namespace aisset
