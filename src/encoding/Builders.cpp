#include "Builders.h"

#include "OwnShipSentence.h"

namespace aisset {

BuildResult buildSentence(Group group, Form &form, Host &host, RecordSink *records)
{
    switch (group) {
    case Group::OwnShip: return getcode(form, host, records);
    case Group::System: break;
    case Group::Factory: break;
    }
    return {};
}

} // namespace aisset
