#include "FactorySentence.h"

#include "BuildSupport.h"
#include "Form.h"
#include "Host.h"
#include "Primitives.h"
#include "RecordSink.h"

#include <QDate>

#include <algorithm>

namespace aisset {

namespace {

// A factory date is six digits yymmdd naming a real day of the years 2000-2099.
bool dateFits(const QString &copy)
{
    const bool digits = std::all_of(copy.begin(), copy.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || copy.size() != 6)
        return false;
    return QDate(2000 + copy.left(2).toInt(), copy.mid(2, 2).toInt(), copy.mid(4, 2).toInt()).isValid();
}

bool factoryFieldFits(int s, const QString &copy)
{
    switch (s) {
    case slot::factoryDate: return dateFits(copy);
    case slot::machineNumber: return !copy.isEmpty() && numberFits(copy, kAnyValue, 9);
    case slot::powerOnTime: return numberFits(copy, kAnyValue, 4);
    default: return true;
    }
}

} // namespace

//  Body, 26 characters, no separators:
//
//  factoryDate yymmdd(6) machineNumber(9) powerOnTime(4) vendorNumber(7)
//  zero-filled numbers, the vendor number upper case and blank-filled
BuildResult getcode2(Form &form, Host &host, RecordSink *records)
{
    form.clearSentCommands();
    for (int s = slot::factoryDate; s <= slot::powerOnTime; ++s)
        trimSlot(form, s);
    // Slots 0, 1 and 3 start from their choice text, empty for the two edit fields;
    // the vendor number's copy is refreshed from its entry just below.
    fillMirrors(form, [](int s) { return s == slot::crewCount || s == slot::vendorNumber || s == slot::shipType; });

    FieldChecks checks;
    refreshCopy(form, slot::vendorNumber);
    if (!upperCaseCopyFits(form, slot::vendorNumber, 7))
        checks.fail(slot::vendorNumber);
    for (int s = slot::factoryDate; s <= slot::powerOnTime; ++s) {
        const QString copy = refreshCopy(form, s);
        host.processEvents();
        if (!factoryFieldFits(s, copy))
            checks.fail(s);
    }
    if (checks.anyFailed())
        return refuseBuild(form, host, checks.failedSlot(), FieldKind::Edit);

    const QString body = form.mirror(slot::factoryDate) + Allc(form.mirror(slot::machineNumber), 9) +
                         Allc(form.mirror(slot::powerOnTime), 4) + AllBB(form.mirror(slot::vendorNumber), 7);
    BuildResult result = acceptBuild(form, frameCode(QStringLiteral("CVEFS"), body));
    if (records)
        result.saving = records->saveFactoryRecord(form);
    return result;
}

} // namespace aisset
