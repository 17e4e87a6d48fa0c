#include "store/RecordSaver.h"

#include "model/Form.h"
#include "model/Normalise.h"

namespace aisset {

QString storedValue(const Form &form, const FieldInfo &f)
{
    if (f.slot == slot::mmsi)
        return form.mirror(slot::mmsi);
    return f.kind == FieldKind::Edit ? form.editText(f.slot) : form.choiceText(f.slot);
}

namespace {

KeyValues groupValues(const Form &form, Group group)
{
    KeyValues values;
    for (const FieldInfo &f : fieldTable())
        if (f.group == group)
            values.append({str(f.profileKey), storedValue(form, f)});
    return values;
}

} // namespace

SaveResult RecordSaver::saveGroup(Form &form, Group group)
{
    form.setMirror(slot::mmsi, ccg(form.editText(slot::mmsi)));
    const QString recordName = form.mirror(slot::mmsi);
    // Without an MMSI there is no record to file the values under.
    if (recordName.isEmpty())
        return SaveResult::Saved;
    return records_.saveRecord(recordName, groupValues(form, group));
}

} // namespace aisset
