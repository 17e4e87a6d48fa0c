#include "link/LineClassifier.h"

namespace aisset {

ClassifiedLine classifyLine(const QString &line)
{
    if (line.startsWith(u"!CVACK") || line.startsWith(u"$ZLOUT"))
        return {ClassifiedLine::Acknowledgement, {}};
    if (line.startsWith(u"!CVSET"))
        return {ClassifiedLine::Reply, line};
    if (const qsizetype at = line.indexOf(u"CVSET"); at >= 0)
        return {ClassifiedLine::ShiftedReply, u'!' + line.mid(at)};
    if (line.contains(u"CVACK") || line.contains(u"ZLOUT"))
        return {ClassifiedLine::Acknowledgement, {}};
    return {};
}

} // namespace aisset
