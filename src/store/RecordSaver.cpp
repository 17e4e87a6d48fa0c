#include "RecordSaver.h"

#include "Form.h"
#include "Normalise.h"

#include <limits>

namespace aisset {

namespace {

// An edit field keeps its entered text, prompts and literals included; a choice
// field its text; the MMSI its normalised copy.
QString storedValue(const Form &form, const FieldInfo &f)
{
    if (f.slot == slot::mmsi)
        return form.mirror(slot::mmsi);
    return f.kind == FieldKind::Edit ? form.editText(f.slot) : form.choiceText(f.slot);
}

KeyValues groupValues(const Form &form, Group group)
{
    KeyValues values;
    for (const FieldInfo &f : fieldTable())
        if (f.group == group)
            values.append({str(f.profileKey), storedValue(form, f)});
    return values;
}

} // namespace

void RecordSaver::saveGroup(Form &form, Group group)
{
    form.setMirror(slot::mmsi, ccg(form.editText(slot::mmsi)));
    const QString recordName = form.mirror(slot::mmsi);
    // Without an MMSI there is no record to file the values under.
    if (recordName.isEmpty())
        return;
    registerRecordName(recordName);
    // The section is named by the MMSI as entered; for a complete MMSI that is the
    // record name itself.
    records_.writeRecord(form.editText(slot::mmsi), groupValues(form, group));
}

void RecordSaver::registerRecordName(const QString &recordName)
{
    RecordList list = records_.readRecordList();
    // Only the listed names count: a name beyond the count is appended again.
    if (list.listedNames().contains(recordName))
        return;
    list.names = list.names.isEmpty() ? recordName : list.names + u',' + recordName;
    // The count is a 16-bit number: at its top the name is still appended, but the
    // count stays and the name is not listed.
    if (list.count < std::numeric_limits<qint16>::max())
        ++list.count;
    records_.writeRecordList(list);
}

} // namespace aisset
