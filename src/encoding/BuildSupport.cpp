#include "encoding/BuildSupport.h"

#include "encoding/Primitives.h"
#include "model/ChoiceList.h"
#include "model/ChoiceTables.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"

#include <QDate>

#include <algorithm>

using namespace Qt::StringLiterals;

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
    const bool holdsControl =
        std::any_of(copy.cbegin(), copy.cend(), [](QChar c) { return isControlCharacter(c.unicode()); });
    return !holdsControl && form.mirror(slot).size() <= maxLength;
}

bool numberFits(const QString &copy, double maxValue, int maxLength)
{
    if (copy.isEmpty())
        return true;
    return IsNum(copy) && NumVal(copy) <= maxValue && copy.size() <= maxLength;
}

namespace {

// A factory date is six digits yymmdd naming a real day of the years 2000-2099.
bool dateFits(const QString &copy)
{
    const bool digits = std::all_of(copy.begin(), copy.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || copy.size() != 6)
        return false;
    return QDate(2000 + copy.left(2).toInt(), copy.mid(2, 2).toInt(), copy.mid(4, 2).toInt()).isValid();
}

// The ship-type and position-fixing device checks: an entry selected, its value
// text a number in range. A two-character code below 10 must be written with a
// leading "0".
bool choiceCodeFits(const ChoiceList &choice, double maxValue, bool twoDigits)
{
    if (choice.position() < 0)
        return false;
    const QString value = valueText(choice.text());
    const QString v = NumStr(NumVal(value));
    bool fits = true;
    if (twoDigits && NumVal(v) < 10 && value != u'0' + v)
        fits = false;
    if (NumVal(v) > maxValue || !IsNum(v))
        fits = false;
    return fits && !choice.text().isEmpty();
}

QString encodeField(const Form &form, const FieldInfo &f)
{
    const QString copy = form.mirror(f.slot);
    switch (f.wire) {
    case WireForm::ZeroFilled: return Allc(copy, f.wireWidth);
    case WireForm::BlankFilled: return AllBB(copy, f.wireWidth);
    case WireForm::Tenths: return Allc(NumStr(NumVal(copy) * 10), f.wireWidth);
    case WireForm::ValueText: return Allc(valueText(form.choiceText(f.slot)), f.wireWidth);
    case WireForm::ListPosition:
        // A distance step: its list position, 0 for "关闭".
        return Allc(form.choiceText(f.slot) == kOffEntry ? QStringLiteral("0")
                                                         : QString::number(form.choice(f.slot).position()),
                    f.wireWidth);
    case WireForm::Packed: return {};
    }
    return {};
}

} // namespace

bool isDigitField(int slot)
{
    const FieldInfo &f = field(slot);
    return f.kind == FieldKind::Edit && f.wire == WireForm::ZeroFilled;
}

std::optional<char32_t> firstNonDigit(int slot, const QString &entered)
{
    if (!isDigitField(slot))
        return std::nullopt;
    const FieldInfo &f = field(slot);
    const QString allowed = f.check == CopyCheck::Date ? u"年月日"_s
                            : f.maxLength > 0          ? u"_"_s + str(f.mask).remove(u'#')
                                                       : QString();
    for (const char32_t c : entered.trimmed().toUcs4())
        if ((c < U'0' || c > U'9') && (c > 0xFFFF || !allowed.contains(QChar(char16_t(c)))))
            return c;
    return std::nullopt;
}

bool copyFits(Form &form, const FieldInfo &f)
{
    if (firstNonDigit(f.slot, form.editText(f.slot)))
        return false;
    const QString copy = form.mirror(f.slot);
    switch (f.check) {
    case CopyCheck::None: return true;
    case CopyCheck::Number: return numberFits(copy, f.limit, copyWidth(f));
    case CopyCheck::Required: return !copy.isEmpty() && numberFits(copy, f.limit, copyWidth(f));
    case CopyCheck::AllDigits: return copy.isEmpty() || (IsNum(copy) && copy.size() == f.wireWidth);
    case CopyCheck::Date: return dateFits(copy);
    case CopyCheck::Text: return upperCaseCopyFits(form, f.slot, f.wireWidth);
    case CopyCheck::ChoiceCode: return choiceCodeFits(form.choice(f.slot), f.limit, f.wireWidth == 2);
    }
    return true;
}

QString encodeFields(const Form &form, Group group)
{
    QString body;
    for (int s : wireFields(group))
        body += encodeField(form, field(s));
    return body;
}

BuildResult refuseBuild(Form &form, Host &host, int failedSlot, FieldKind focusKind)
{
    form.setEnabled(true);
    host.showWarning(Message::DataRefused);
    host.moveFocus(focusKind, failedSlot);
    return BuildResult{QString(), failedSlot};
}

BuildResult acceptBuild(Form &form, const QString &sentence)
{
    form.appendSentCommand(displayLine(sentence));
    return BuildResult{sentence, -1};
}

} // namespace aisset
