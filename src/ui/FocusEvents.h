#pragma once

#include <QFocusEvent>

namespace aisset::ui {

// Whether a focus change is the user's (or a procedure's) move between fields.
// Focus that leaves with the whole window (another window, a message box) or for
// a popup (a drop-down list, a menu) and comes back the same way is no entering
// or leaving of the field.
inline bool isFieldFocusChange(const QFocusEvent *event)
{
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

} // namespace aisset::ui
