#include "model/FieldInput.h"

#include "model/Form.h"
#include "model/Normalise.h"

namespace aisset {

bool enterValue(Form &form, int slot, const QString &value)
{
    const MaskedField &field = form.edit(slot);
    if (value.isEmpty() && !field.mask().isEmpty()) {
        form.setEditMask(slot, field.mask(), field.maxLength()); // untouched
        return true;
    }
    if (field.mask().isEmpty())
        return form.setEditText(slot, value) && ccg(form.editText(slot)) == ccg(value);
    form.setEditMask(slot, field.mask(), field.maxLength());
    for (QChar c : value)
        if (!form.typeIntoEdit(slot, c))
            return false;
    // A whole number typed into a field with a decimal point leaves the point: "0." is 0.
    QString entered = ccg(form.editText(slot));
    if (entered.endsWith(u'.') && !value.endsWith(u'.'))
        entered.chop(1);
    return entered == value;
}

bool selectChoiceValue(Form &form, int slot, const QString &value)
{
    if (value.isEmpty())
        return form.selectChoice(slot, -1);
    if (form.selectChoiceText(slot, value))
        return true;
    int match = -1;
    const QStringList &entries = form.choice(slot).entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries[i].startsWith(value + u'('))
            continue;
        if (match >= 0)
            return false; // ambiguous
        match = i;
    }
    return match >= 0 && form.selectChoice(slot, match);
}

} // namespace aisset
