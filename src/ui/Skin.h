#pragma once

#include <QString>

class QWidget;

namespace aisset::ui {

// The skin the window starts with (a Qt style sheet among the resources).
inline const QString kStartSkin = QStringLiteral(":/green.skn");

// Restyles a window with the style sheet in a skin file; the empty path takes
// the skin off. A file that cannot be read leaves the window as it is.
bool applySkin(QWidget &window, const QString &path);

} // namespace aisset::ui
