#include "encoding/FactorySentence.h"

#include "encoding/BuildSupport.h"
#include "encoding/Primitives.h"
#include "encoding/SentenceLayout.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/RecordSink.h"

namespace aisset {

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
    if (!copyFits(form, field(slot::vendorNumber)))
        checks.fail(slot::vendorNumber);
    for (int s = slot::factoryDate; s <= slot::powerOnTime; ++s) {
        refreshCopy(form, s);
        host.processEvents();
        if (!copyFits(form, field(s)))
            checks.fail(s);
    }
    if (checks.anyFailed())
        return refuseBuild(form, host, checks.failedSlot(), FieldKind::Edit);

    const QString body = encodeFields(form, Group::Factory);
    BuildResult result = acceptBuild(form, frameCode(str(sentenceLayout(Group::Factory).address), body));
    if (records) {
        result.saving = records->saveFactoryRecord(form);
        result.savingFailure = records->lastFailure();
    }
    return result;
}

} // namespace aisset
