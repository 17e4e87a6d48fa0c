#pragma once

#include <QFocusEvent>

#include <utility>

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
    case Qt::MenuBarFocusReason: return false;
    default: return true;
    }
}

// The entering part of a field widget. A field the core sends the focus to is
// entered when its focus arrives, whatever reason the focus comes with: right
// after a message box the window is not active yet, so the focus given then
// arrives only with the window's activation.
class FieldEntry {
public:
    void expectEntry() { expected_ = true; }
    void cancelEntry() { expected_ = false; }

protected:
    // Whether this focus-in enters the field; it takes up an expected entry.
    bool entersField(const QFocusEvent *event) { return std::exchange(expected_, false) || isFieldFocusChange(event); }

private:
    bool expected_ = false;
};

} // namespace aisset::ui
