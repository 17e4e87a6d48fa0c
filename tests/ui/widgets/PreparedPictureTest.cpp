// The start page's ship drawing, made ahead on a second thread for the
// window's first paint. In a process of its own, as at the start: once this
// thread has drawn the same words, Qt's glyph caches can move a few pixels of
// small text in the pictures it draws afterwards, the drawing made ahead or not.
#include "ui/widgets/SvgPicture.h"

#include <QImage>
#include <QPalette>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The drawing made ahead gives the first paint the very pixels the paint would
// have drawn itself; behind any other colour than the one it was made on, the
// paint draws as always.
TEST(PreparedPicture, ADrawingMadeAheadPaintsTheSamePixelsAndOnlyOverItsBackdrop)
{
    const QColor pane(u"#f3f9f5"_s);
    const QColor other(u"#203040"_s);
    struct Painted {
        QImage image;
        bool fromPrepared;
    };
    const auto paint = [](QColor behind, std::optional<QColor> preparedOn) {
        QWidget parent;
        parent.resize(200, 240);
        parent.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, behind);
        parent.setPalette(palette);
        auto *picture = new aisset::ui::SvgPicture(u":/ship_antenna.svg"_s, &parent);
        picture->setGeometry(13, 17, 150, 190);
        if (preparedOn) {
            picture->prepareOn(*preparedOn);
            EXPECT_TRUE(QTest::qWaitFor([picture] { return picture->preparedDrawingDone(); }));
        }
        const QImage image = parent.grab().toImage();
        return Painted{image, picture->paintedFromPrepared()};
    };
    for (const QColor &behind : {pane, other}) {
        SCOPED_TRACE(behind.name().toStdString());
        const Painted drawn = paint(behind, std::nullopt);
        const Painted ahead = paint(behind, pane);
        EXPECT_FALSE(drawn.fromPrepared);
        EXPECT_EQ(ahead.fromPrepared, behind == pane);
        EXPECT_TRUE(ahead.image == drawn.image) << "the pixels differ";
    }
}

} // namespace
