#include "encoding/Builders.h"

#include "encoding/FactorySentence.h"
#include "encoding/OwnShipSentence.h"
#include "encoding/SystemSentence.h"

namespace aisset {

BuildResult buildSentence(Group group, Form &form, Host &host, RecordSink *records)
{
    switch (group) {
    case Group::OwnShip: return getcode(form, host, records);
    case Group::System: return getcode1(form, host, records);
    case Group::Factory: return getcode2(form, host, records);
    }
    return {};
}

} // namespace aisset
