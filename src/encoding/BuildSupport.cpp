#include "BuildSupport.h"

#include "Form.h"
#include "Host.h"
#include "Normalise.h"
#include "Primitives.h"

#include <algorithm>

namespace aisset {

void trimSlot(Form &form, int slot)
{
    const QString entered = form.editText(slot);
    if (entered.trimmed() != entered)
        (void)form.setEditText(slot, entered.trimmed());
    const QString chosen = form.choiceText(slot);
    if (chosen.trimmed() != chosen)
        (void)form.selectChoiceText(slot, chosen.trimmed());
}

void fillMirrors(Form &form, const std::function<bool(int)> &fromChoice)
{
    for (int s = 0; s < kMirrorCount; ++s)
        form.setMirror(s, fromChoice(s) ? form.choiceText(s) : form.editText(s));
}

QString refreshCopy(Form &form, int slot)
{
    form.setMirror(slot, ccg(form.editText(slot)));
    return form.mirror(slot);
}

bool isControlCharacter(char32_t character) { return QChar::category(character) == QChar::Other_Control; }

bool upperCaseCopyFits(Form &form, int slot, int maxLength)
{
    const QString copy = form.mirror(slot);
    if (copy.isEmpty())
        return true;
    form.setMirror(slot, copy.toUpper());
    // Typing and leaving a field never leaves a control character in it, but a
    // unit's reply decoded into the form can.
    const bool holdsControl = std::any_of(copy.cbegin(), copy.cend(), [](QChar c) {
        return isControlCharacter(c.unicode());
    });
    return !holdsControl && form.mirror(slot).size() <= maxLength;
}

bool numberFits(const QString &copy, double maxValue, int maxLength)
{
    if (copy.isEmpty())
        return true;
    return IsNum(copy) && NumVal(copy) <= maxValue && copy.size() <= maxLength;
}

BuildResult refuseBuild(Form &form, Host &host, int failedSlot, FieldKind focusKind)
{
    form.setEnabled(true);
    host.showWarning(QStringLiteral("有错误,请检查数据"));
    host.moveFocus(focusKind, failedSlot);
    return BuildResult{QString(), failedSlot};
}

BuildResult acceptBuild(Form &form, const QString &sentence)
{
    form.appendSentCommand(displayLine(sentence));
    return BuildResult{sentence, -1};
}

} // namespace aisset
