#include "ui/widgets/ContentWidth.h"

#include <QLineEdit>

namespace aisset::ui {

namespace {
// QLineEdit's size hint is the width of 17 "x" plus its margins and frame.
constexpr int kHintCharacters = 17;
constexpr double kSmallestPoints = 6.0;
} // namespace

int widthShowing(const QLineEdit &edit, const QString &text)
{
    const QFontMetrics metrics = edit.fontMetrics();
    const int chrome = edit.sizeHint().width() - metrics.horizontalAdvance(u'x') * kHintCharacters;
    return metrics.horizontalAdvance(text) + chrome;
}

void shrinkFontToShow(QLineEdit &edit, const QString &text)
{
    QFont font = edit.font();
    while (widthShowing(edit, text) > edit.width() && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        edit.setFont(font);
    }
}

} // namespace aisset::ui
