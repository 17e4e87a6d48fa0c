#include "ui/widgets/SvgPicture.h"

#include <QFile>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

namespace aisset::ui {

QString pictureInLanguage(const QString &resource, const QString &language)
{
    const qsizetype dot = resource.lastIndexOf(u'.');
    if (dot < 0)
        return resource;
    const QString translated = resource.left(dot) + u'_' + language + resource.mid(dot);
    return QFile::exists(translated) ? translated : resource;
}

namespace {

// Whether what the painter's device holds behind the widget's rectangle, as
// the parents have just painted it, is the colour throughout.
bool backdropIs(QPainter &painter, const QRect &rect, QColor colour)
{
    const auto *image = dynamic_cast<const QImage *>(painter.paintEngine()->paintDevice());
    if (!image || image->depth() != 32 || painter.deviceTransform().type() > QTransform::TxScale)
        return false;
    const QRect area = painter.deviceTransform().mapRect(rect);
    if (!image->rect().contains(area))
        return false;
    const QRgb wanted = colour.rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image->constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if ((line[x] | 0xff000000) != wanted)
                return false;
    }
    return true;
}

} // namespace

SvgPicture::SvgPicture(const QString &file, QWidget *parent) : QWidget(parent), file_(file) {}

SvgPicture::~SvgPicture() = default;

QSvgRenderer &SvgPicture::renderer()
{
    if (!renderer_) {
        renderer_ = std::make_unique<QSvgRenderer>(file_);
        renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return *renderer_;
}

void SvgPicture::prepareOn(QColor backdrop)
{
    backdrop_ = backdrop;
    prepared_ = std::async(std::launch::async, [file = file_, size = size(), ratio = devicePixelRatioF(), backdrop,
                                                font = font()] {
        QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(backdrop);
        QSvgRenderer renderer(file);
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        QPainter painter(&image);
        painter.setFont(font); // as the widget's painter has it
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return image;
    });
}

// The prepared drawing serves the first paint if it is done by then; a paint
// never waits for the other thread.
bool SvgPicture::takesPrepared(QPainter &painter, const QPaintEvent &event)
{
    if (!preparedDrawingDone())
        return false;
    const QImage image = prepared_.get();
    if (event.rect() != rect() || image.deviceIndependentSize() != QSizeF(size()) ||
        image.devicePixelRatio() != devicePixelRatioF() || !backdropIs(painter, rect(), backdrop_))
        return false;
    painter.drawImage(QPoint(0, 0), image);
    paintedFromPrepared_ = true;
    return true;
}

void SvgPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!takesPrepared(painter, *event))
        renderer().render(&painter, rect());
}

} // namespace aisset::ui
