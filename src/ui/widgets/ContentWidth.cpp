#include "ui/widgets/ContentWidth.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace aisset::ui {

namespace {
constexpr int kLineEditMargin = 2; // QLineEdit's own margin on each side of its text
constexpr double kSmallestPoints = 6.0;
} // namespace

int widthShowing(const QLineEdit &edit, const QString &text)
{
    // The frame and padding (the skin's too) are what the field's width keeps
    // from its contents.
    QStyleOptionFrame frame;
    frame.initFrom(&edit);
    frame.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &edit);
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &frame, &edit);
    const QMargins margins = edit.textMargins();
    const int chrome = edit.width() - contents.width() + margins.left() + margins.right() + 2 * kLineEditMargin;
    return edit.fontMetrics().horizontalAdvance(text) + chrome;
}

void fitFontToText(QLineEdit &edit, double basePoints)
{
    QFont font = edit.font();
    font.setPointSizeF(basePoints);
    edit.setFont(font);
    while (widthShowing(edit, edit.text()) > edit.width() && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        edit.setFont(font);
    }
}

} // namespace aisset::ui
