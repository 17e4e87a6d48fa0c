#pragma once

#include <QString>

class QWidget;

namespace aisset::ui {

// Restyles a window with the skin file at path: a Qt style sheet. The empty path
// takes the skin off. A file that cannot be read leaves the window as it is.
// The path may be written with "\" separators, doubled or not; the file is
// found whatever the case of its name.
bool applySkin(QWidget &window, const QString &path);

} // namespace aisset::ui
