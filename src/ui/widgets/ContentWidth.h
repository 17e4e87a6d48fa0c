#pragma once

#include <QString>

class QLineEdit;

namespace aisset::ui {

// The width an edit field needs to show the given text whole in its font, with
// its frame and margins.
int widthShowing(const QLineEdit &edit, const QString &text);

// Makes the field's font smaller, a quarter point at a time, until the text
// shows whole in the field's width.
void shrinkFontToShow(QLineEdit &edit, const QString &text);

} // namespace aisset::ui
