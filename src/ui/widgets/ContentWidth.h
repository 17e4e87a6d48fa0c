#pragma once

#include <QString>

class QComboBox;
class QLineEdit;

namespace aisset::ui {

// The width an edit field needs to show the given text whole in its font, with
// its frame and margins.
int widthShowing(const QLineEdit &edit, const QString &text);

// The width a closed choice list needs to show its longest entry whole, with
// its frame and arrow.
int widthShowingLongestEntry(const QComboBox &box);

} // namespace aisset::ui
