#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

#include <algorithm>

namespace aisset::ui {

// Where a window's frame goes so that it lies inside the screen's available area:
// moved in as little as it can, and one larger than the area keeps its top left
// corner (title bar and menu) on the screen.
inline QPoint keptOnScreen(const QRect &frame, const QRect &available)
{
    const auto fit = [](int start, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(start, areaStart + areaLength - length));
    };
    return {fit(frame.x(), frame.width(), available.x(), available.width()),
            fit(frame.y(), frame.height(), available.y(), available.height())};
}

// Where a window's inner area goes so that its frame (the inner area with the
// title bar and borders the window manager adds) lies inside the available area.
inline QRect innerKeptOnScreen(const QRect &inner, const QMargins &frame, const QRect &available)
{
    QRect outer = inner.marginsAdded(frame);
    outer.moveTopLeft(keptOnScreen(outer, available));
    return outer.marginsRemoved(frame);
}

} // namespace aisset::ui
