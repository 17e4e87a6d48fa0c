#pragma once

#include <QString>

class QLineEdit;

namespace aisset::ui {

// The width an edit field needs to show the given text whole in its font, with
// its frame and margins.
int widthShowing(const QLineEdit &edit, const QString &text);

// Gives the field the font size basePoints, or the largest smaller size (a
// quarter point at a time) at which its text shows whole in its width.
void fitFontToText(QLineEdit &edit, double basePoints);

} // namespace aisset::ui
