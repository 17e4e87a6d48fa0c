#pragma once

#include <QProxyStyle>

namespace aisset::ui {

// The application's style, with the standard icons it hands out read when they
// are first drawn. Reading a standard icon's picture at once has Qt probe every
// image plugin for its file, and the menu bar asks for one (the button for
// menus that do not fit) as it is made, though that button rarely shows.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace aisset::ui
