#include "OwnShipSentence.h"

#include "BuildSupport.h"
#include "ChoiceList.h"
#include "Form.h"
#include "Host.h"
#include "Primitives.h"
#include "RecordSink.h"

namespace aisset {

namespace {

// The ship-type and position-fixing device checks: an entry selected, its value
// text a number in range. Ship types below 10 must be written with a leading "0".
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

// Checks one own-ship slot against its copy, upper-casing the free-text copies.
bool checkSlot(Form &form, int s)
{
    const QString copy = form.mirror(s);
    switch (s) {
    case slot::crewCount:
        return copy.size() <= 4 && numberFits(copy, 9999, 4);
    case slot::callSign:
        return upperCaseCopyFits(form, s, 7);
    case slot::shipName:
        return upperCaseCopyFits(form, s, 20);
    case slot::shipType:
        return choiceCodeFits(form.choice(s), 99, true);
    case slot::draught:
        return numberFits(copy, 25.5, 4);
    case slot::mmsi:
    case slot::imoNumber:
        return copy.isEmpty() || (IsNum(copy) && copy.size() == 9);
    case slot::antennaA:
    case slot::antennaB:
        return numberFits(copy, 511, 3);
    case slot::antennaC:
    case slot::antennaD:
        return numberFits(copy, 63, 2);
    case slot::epfdType:
        return choiceCodeFits(form.choice(s), 7, false);
    default:
        return true; // the vendor number only has its copy refreshed here
    }
}

//  Body, 65 characters, no separators:
//  crew(4) callSign(7) type(2) draught(3) mmsi(9) imo(9) name(20) A(3) B(3) C(2) D(2) epfd(1)
QString ownShipBody(const Form &form)
{
    const auto copy = [&](int s) { return form.mirror(s); };
    const QString epfd = valueText(form.choiceText(slot::epfdType));
    return Allc(copy(slot::crewCount), 4) + AllBB(copy(slot::callSign), 7) +
           Allc(valueText(form.choiceText(slot::shipType)), 2) +
           Allc(NumStr(NumVal(copy(slot::draught)) * 10), 3) + Allc(copy(slot::mmsi), 9) +
           Allc(copy(slot::imoNumber), 9) + AllBB(copy(slot::shipName), 20) +
           Allc(copy(slot::antennaA), 3) + Allc(copy(slot::antennaB), 3) +
           Allc(copy(slot::antennaC), 2) + Allc(copy(slot::antennaD), 2) +
           (epfd.isEmpty() ? QStringLiteral("0") : epfd);
}

} // namespace

BuildResult getcode(Form &form, Host &host, RecordSink *records)
{
    form.clearSentCommands();
    for (int s = 0; s < kSlotCount; ++s)
        trimSlot(form, s);
    fillMirrors(form, [](int s) { return s == slot::shipType || s == slot::epfdType; });
    FieldChecks checks;
    for (int s = slot::crewCount; s <= slot::epfdType; ++s) {
        if (field(s).kind == FieldKind::Edit)
            refreshCopy(form, s);
        if (!checkSlot(form, s))
            checks.fail(s);
        host.processEvents();
    }
    if (checks.anyFailed())
        return refuseBuild(form, host, checks.failedSlot(), field(checks.failedSlot()).kind);

    BuildResult result = acceptBuild(form, frameCode(QStringLiteral("CVUIS"), ownShipBody(form)));
    if (records)
        result.saving = records->saveOwnShipRecord(form);
    return result;
}

} // namespace aisset
