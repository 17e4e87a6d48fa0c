// The application's style hands out the standard icons of the style it stands
// for, read when first drawn: the same pictures, at every size and mode.
#include "ui/widgets/DeferredIconStyle.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The icon as a widget paints it into a rectangle.
QImage painted(const QIcon &icon, QIcon::Mode mode)
{
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(4, 4, 32, 24), Qt::AlignCenter, mode);
    return image;
}

TEST(DeferredIconStyle, HandsOutTheBaseStylesIcons)
{
    aisset::ui::DeferredIconStyle style;
    const QWidget widget;
    const QStyle::StandardPixmap icons[] = {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_MessageBoxWarning,
                                            QStyle::SP_MessageBoxQuestion, QStyle::SP_ArrowRight,
                                            QStyle::SP_DialogOkButton};
    for (QStyle::StandardPixmap icon : icons) {
        for (const QWidget *asker : {static_cast<const QWidget *>(nullptr), &widget}) {
            SCOPED_TRACE(testing::Message() << "icon " << icon << (asker ? " for a widget" : ""));
            const QIcon deferred = style.standardIcon(icon, nullptr, asker);
            const QIcon base = style.baseStyle()->standardIcon(icon, nullptr, asker);
            EXPECT_EQ(deferred.isNull(), base.isNull());
            EXPECT_EQ(deferred.availableSizes(), base.availableSizes());
            EXPECT_EQ(deferred.actualSize(QSize(64, 64)), base.actualSize(QSize(64, 64)));
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                EXPECT_TRUE(deferred.pixmap(32, mode).toImage() == base.pixmap(32, mode).toImage()) << mode;
                EXPECT_TRUE(painted(deferred, mode) == painted(base, mode)) << mode;
                // On screens of more pixels.
                for (qreal ratio : {1.5, 2.0})
                    EXPECT_TRUE(deferred.pixmap(QSize(33, 33), ratio, mode).toImage() ==
                                base.pixmap(QSize(33, 33), ratio, mode).toImage())
                        << mode << " at " << ratio;
            }
        }
    }
}

} // namespace
