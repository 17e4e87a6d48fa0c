#include "model/Normalise.h"

#include "model/ChoiceTables.h"
#include "model/FieldTable.h"
#include "model/Form.h"

namespace aisset {

QString ccg(const QString &enteredText)
{
    QString out;
    out.reserve(enteredText.size());
    for (QChar c : enteredText)
        if (c != u'_' && c != u'米' && c != u'年' && c != u'月' && c != u'日')
            out.append(c);
    return out;
}

void applyPageOneMasks(Form &form)
{
    for (const FieldInfo &f : fieldTable())
        if (f.maxLength > 0)
            form.setEditMask(f.slot, str(f.mask), f.maxLength);
}

void applyStartState(Form &form)
{
    for (int s = 0; s < kSlotCount; ++s) {
        const QStringList &entries = choiceEntries(s);
        if (entries.isEmpty())
            continue;
        form.setChoiceEntries(s, entries);
        (void)form.selectChoice(s, startPosition(s));
    }
    applyPageOneMasks(form);
}

void blankForm(Form &form)
{
    static const QString kUnit = QStringLiteral("米");
    for (int s = 0; s < kSlotCount; ++s) {
        // The first text fits masks that end in "米", the second every other one;
        // a field without mask takes both, so it ends with the second.
        const qsizetype length = form.editText(s).size();
        if (length > 0)
            (void)form.setEditText(s, QString(length - 1, u'_') + kUnit);
        (void)form.setEditText(s, QString(length, u'_'));
        if (form.choice(s).count() > 0)
            (void)form.selectChoice(s, -1);
    }
    // Neither text fits the date and draught forms; they are set explicitly.
    (void)form.setEditText(slot::factoryDate, QStringLiteral("__年__月__日"));
    (void)form.setEditText(slot::draught, QStringLiteral("__._米"));
}

void clearForm(Form &form)
{
    for (int s = 0; s < kSlotCount; ++s) {
        (void)form.setEditText(s, {}); // a masked field refuses and keeps its text
        if (form.choice(s).count() > 0)
            (void)form.selectChoice(s, -1);
    }
}

} // namespace aisset
