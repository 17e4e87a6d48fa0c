#include "ui/widgets/SvgPicture.h"

#include <QPainter>

namespace aisset::ui {

SvgPicture::SvgPicture(const QString &file, QWidget *parent) : QWidget(parent), renderer_(file)
{
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    renderer_.render(&painter, rect());
}

} // namespace aisset::ui
