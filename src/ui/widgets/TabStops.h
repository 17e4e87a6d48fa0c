#pragma once

#include <QWidget>

namespace aisset::ui {

// The widget before w in its window's Tab chain that takes the focus; w itself
// when none does. For the window, the last widget of its chain.
inline QWidget *previousTabStop(QWidget *w)
{
    QWidget *before = w->previousInFocusChain();
    while (before != w && before->focusPolicy() == Qt::NoFocus)
        before = before->previousInFocusChain();
    return before;
}

} // namespace aisset::ui
