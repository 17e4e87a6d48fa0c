#pragma once

#include "FieldTable.h"
#include "ProfileRecords.h"
#include "RecordSink.h"

namespace aisset {

class ProfileStore;

// Keeps the values of a successfully built page in the profile store, filed under
// the ship's MMSI: the MMSI joins the list of record names once, and the page's keys
// go into the ship's section, leaving the other pages' keys as they are. A page is
// saved only for a form whose MMSI is not empty.
class RecordSaver final : public RecordSink {
public:
    explicit RecordSaver(ProfileStore &store) : records_(store) {}

    void saveOwnShipRecord(Form &form) override { saveGroup(form, Group::OwnShip); }
    void saveSystemRecord(Form &form) override { saveGroup(form, Group::System); }
    void saveFactoryRecord(Form &form) override { saveGroup(form, Group::Factory); }

private:
    void saveGroup(Form &form, Group group);
    void registerRecordName(const QString &recordName);

    ProfileRecords records_;
};

} // namespace aisset
