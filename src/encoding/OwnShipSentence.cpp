#include "encoding/OwnShipSentence.h"

#include "encoding/BuildSupport.h"
#include "encoding/Primitives.h"
#include "encoding/SentenceLayout.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/RecordSink.h"

namespace aisset {

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
        // The vendor number in this range only has its copy refreshed.
        if (field(s).group == Group::OwnShip && !copyFits(form, field(s)))
            checks.fail(s);
        host.processEvents();
    }
    if (checks.anyFailed())
        return refuseBuild(form, host, checks.failedSlot(), field(checks.failedSlot()).kind);

    //  Body, 65 characters, no separators:
    //  crew(4) callSign(7) type(2) draught(3) mmsi(9) imo(9) name(20) A(3) B(3) C(2) D(2) epfd(1)
    const QString body = encodeFields(form, Group::OwnShip);
    BuildResult result = acceptBuild(form, frameCode(str(sentenceLayout(Group::OwnShip).address), body));
    if (records) {
        result.saving = records->saveOwnShipRecord(form);
        result.savingFailure = records->lastFailure();
    }
    return result;
}

} // namespace aisset
