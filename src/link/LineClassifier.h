#pragma once

#include <QString>

namespace aisset {

// What a line received from the unit is. The first six characters decide, and
// failing that a search through the line, in this order:
//   begins with "!CVACK" or "$ZLOUT"        acknowledgement
//   begins with "!CVSET"                    read reply, handed on whole
//   contains "CVSET"                        read reply that lost its start; handed
//                                           on as "!" and the line from "CVSET" on
//   contains "CVACK" or "ZLOUT"             acknowledgement
//   anything else                           ignored
struct ClassifiedLine {
    enum Kind { Acknowledgement, Reply, ShiftedReply, Ignored };
    Kind kind = Ignored;
    QString reply; // the line handed to the decoding, for the two reply kinds
};

ClassifiedLine classifyLine(const QString &line);

} // namespace aisset
