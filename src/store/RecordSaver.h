#pragma once

#include "model/FieldTable.h"
#include "model/RecordSink.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"

namespace aisset {

class ProfileStore;

// The text a field is saved with: an edit field its entered text, prompts and
// literals included; a choice field its text; the MMSI its normalised copy.
QString storedValue(const Form &form, const FieldInfo &f);

// Keeps the values of a successfully built page in the profile store, filed under
// the ship's MMSI: the MMSI joins the list of record names once, and the page's keys
// go into the ship's section, leaving the other pages' keys as they are. A page is
// saved only for a form whose MMSI is not empty; the section is named by the
// MMSI's clean copy, the name the list offers, so that every listed ship loads.
class RecordSaver final : public RecordSink {
public:
    explicit RecordSaver(ProfileStore &store) : store_(store), records_(store) {}

    SaveResult saveOwnShipRecord(Form &form) override { return saveGroup(form, Group::OwnShip); }
    SaveResult saveSystemRecord(Form &form) override { return saveGroup(form, Group::System); }
    SaveResult saveFactoryRecord(Form &form) override { return saveGroup(form, Group::Factory); }
    StoreFailure lastFailure() const override { return store_.lastFailure(); }

private:
    SaveResult saveGroup(Form &form, Group group);

    ProfileStore &store_;
    ProfileRecords records_;
};

} // namespace aisset
