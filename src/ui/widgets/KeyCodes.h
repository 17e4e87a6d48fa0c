#pragma once

#include "validation/EntryRules.h"

#include <QKeyEvent>

namespace aisset::ui {

// The key code a field handler receives: Enter (either Enter key), the keypad's
// decimal key, or 0 for any key the rules do not look at.
inline int ruleKeyCode(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return kKeyEnter;
    if ((event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma) &&
        event->modifiers().testFlag(Qt::KeypadModifier))
        return kKeyDecimal;
    return 0;
}

} // namespace aisset::ui
