#include "ui/widgets/ContentWidth.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>

namespace aisset::ui {

namespace {
// QLineEdit's size hint is the width of 17 "x" plus its margins and frame.
constexpr int kHintCharacters = 17;
} // namespace

int widthShowing(const QLineEdit &edit, const QString &text)
{
    const QFontMetrics metrics = edit.fontMetrics();
    const int chrome = edit.sizeHint().width() - metrics.horizontalAdvance(u'x') * kHintCharacters;
    return metrics.horizontalAdvance(text) + chrome;
}

int widthShowingLongestEntry(const QComboBox &box)
{
    const QFontMetrics metrics = box.fontMetrics();
    int longest = 0;
    for (int i = 0; i < box.count(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(box.itemText(i)));
    // The style adds the frame, the arrow and the text's margins to the text.
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    const QSize text(longest, metrics.height());
    return box.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &box).width();
}

} // namespace aisset::ui
