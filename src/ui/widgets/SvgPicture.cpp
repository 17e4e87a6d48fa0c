#include "ui/widgets/SvgPicture.h"

#include <QPainter>

namespace aisset::ui {

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

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    renderer().render(&painter, rect());
}

} // namespace aisset::ui
