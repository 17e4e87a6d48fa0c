#include "report/AntennaDrawing.h"

#include "report/ReportWords.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace aisset {

namespace {

// A dimension line between two points with its label at the middle.
void dimension(QPainter &p, QPointF from, QPointF to, const QString &label, QPointF labelOffset)
{
    p.drawLine(from, to);
    const QPointF across = from.y() == to.y() ? QPointF(0, 2) : QPointF(2, 0);
    for (const QPointF end : {from, to})
        p.drawLine(end - across, end + across);
    p.drawText((from + to) / 2 + labelOffset, label);
}

} // namespace

void drawAntennaPositions(QPainter &painter, const QRectF &box, const double antenna[4], double mm)
{
    const double a = antenna[0], b = antenna[1], c = antenna[2], d = antenna[3];
    const double length = a + b, width = c + d;
    painter.save();
    painter.setPen(QPen(Qt::black, 0.25 * mm));
    painter.drawRect(box);
    if (length <= 0 || width <= 0) {
        painter.drawText(box, Qt::AlignCenter, reportWords::noShipSize());
        painter.restore();
        return;
    }
    // Room for the labels around the hull; one scale for both axes.
    const QRectF room = box.adjusted(12 * mm, 10 * mm, -30 * mm, -10 * mm);
    const double scale = std::min(room.width() / length, room.height() / width);
    const QRectF hull(room.left(), room.center().y() - width * scale / 2, length * scale, width * scale);
    const double shoulder = hull.left() + hull.width() * 0.82;
    painter.setBrush(QColor(0xe8, 0xf0, 0xf8));
    painter.drawPolygon(QPolygonF{{hull.left(), hull.top()},
                                  {shoulder, hull.top()},
                                  {hull.right(), hull.center().y()},
                                  {shoulder, hull.bottom()},
                                  {hull.left(), hull.bottom()}});
    const QPointF aerial(hull.left() + b * scale, hull.top() + c * scale);
    painter.setBrush(Qt::red);
    painter.drawEllipse(aerial, 1.2 * mm, 1.2 * mm);
    painter.setBrush(Qt::NoBrush);

    const double above = hull.top() - 4 * mm;
    dimension(painter, {hull.left(), above}, {aerial.x(), above}, reportWords::antennaDistance(u'B', b),
              {-4 * mm, -1.5 * mm});
    dimension(painter, {aerial.x(), above}, {hull.right(), above}, reportWords::antennaDistance(u'A', a),
              {-4 * mm, -1.5 * mm});
    const double side = hull.right() + 6 * mm;
    dimension(painter, {side, hull.top()}, {side, aerial.y()}, reportWords::antennaDistance(u'C', c), {2 * mm, 0});
    dimension(painter, {side, aerial.y()}, {side, hull.bottom()}, reportWords::antennaDistance(u'D', d),
              {2 * mm, 3 * mm});
    painter.setPen(QPen(Qt::gray, 0.15 * mm, Qt::DashLine));
    painter.drawLine(QPointF(aerial.x(), above), aerial);
    painter.drawLine(aerial, QPointF(side, aerial.y()));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(hull.left(), box.bottom() - 3 * mm),
                     reportWords::shipLength(length) + QStringLiteral("    ") + reportWords::shipWidth(width));
    painter.restore();
}

} // namespace aisset
