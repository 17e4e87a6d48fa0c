#include "store/RecordsDialog.h"

#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "store/ProfileRecords.h"

namespace aisset {

RecordsDialog::RecordsDialog(ProfileRecords &records, QString sysDir) : records_(records), sysDir_(std::move(sysDir)) {}

void RecordsDialog::open()
{
    if (!loaded_)
        load();
    visible_ = true;
}

void RecordsDialog::load()
{
    // An empty stored skin means the default skin; "0" (nothing stored) and "no"
    // name no loadable file and leave the dialog unskinned.
    ProfileRecords::Listing listing = records_.readListing();
    const QString &skin = listing.skin;
    if (skin.isEmpty())
        skinPath_ = sysDir_ + QStringLiteral("\\green.skn");
    else if (skin == u"0" || skin == u"no")
        skinPath_.clear();
    else
        skinPath_ = skin;
    entries_ = std::move(listing.names);
    selected_ = -1;
    loaded_ = true;
}

void RecordsDialog::unload()
{
    loaded_ = false;
    visible_ = false;
    entries_ = {};
    selected_ = -1;
}

void RecordsDialog::select(int index) { selected_ = index >= 0 && index < entries_.size() ? index : -1; }

void RecordsDialog::loadSelected(Form &form, Host &host)
{
    const QString name = selected_ >= 0 ? entries_.at(selected_) : QString();
    if (name.trimmed().isEmpty()) {
        host.showMessage(Message::NoShipSelected);
        return;
    }
    loadRecordIntoForm(form, records_.readRecord(name));
    visible_ = false;
}

void RecordsDialog::doubleClick(Form &form, Host &host)
{
    if (selected_ >= 0 && !entries_.at(selected_).isEmpty())
        loadSelected(form, host);
}

SaveResult RecordsDialog::clearList()
{
    const SaveResult cleared = records_.clearRecordList();
    unload();
    return cleared;
}

void RecordsDialog::close() { unload(); }

void loadRecordIntoForm(Form &form, const QStringList &values)
{
    blankForm(form);
    for (int s = 0; s < kSlotCount && s < values.size(); ++s) {
        const QString &value = values[s];
        if (field(s).kind == FieldKind::Choice)
            (void)form.selectChoiceText(s, value); // no entry when none matches
        else if (!value.isEmpty())
            (void)form.setEditText(s, value);
    }
}

} // namespace aisset
