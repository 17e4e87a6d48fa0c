#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <cmath>

namespace aisset::ui {

// Window geometry is designed in twips (1/1440 inch); on screen it becomes
// pixels at the screen's logical resolution (15 twips a pixel at 96 dpi).
class Twips {
public:
    explicit Twips(double logicalDpi = 96.0) : pixelsPerTwip_(logicalDpi / 1440.0) {}

    // At the logical resolution of the primary screen.
    static Twips forScreen()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return Twips(screen ? screen->logicalDotsPerInch() : 96.0);
    }

    int px(int twips) const { return int(std::lround(twips * pixelsPerTwip_)); }
    int twips(int px) const { return int(std::lround(px / pixelsPerTwip_)); }
    QRect rect(int left, int top, int width, int height) const { return {px(left), px(top), px(width), px(height)}; }

private:
    double pixelsPerTwip_;
};

} // namespace aisset::ui
