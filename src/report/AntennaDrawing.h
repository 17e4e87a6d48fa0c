#pragma once

#include <QRectF>

class QPainter;

namespace aisset {

// The ship's outline seen from above, bow to the right and port side up, with
// the AIS antenna where A (from the bow), B (from the stern), C (from port) and
// D (from starboard) put it, all to one scale inside the box, and the four
// distances, the length and the width written beside it. The box's units are
// the painter's; mm is how many of them make a millimetre.
void drawAntennaPositions(QPainter &painter, const QRectF &box, const double antenna[4], double mm);

} // namespace aisset
