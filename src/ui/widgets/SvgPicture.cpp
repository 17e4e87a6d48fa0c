#include "ui/widgets/SvgPicture.h"

#include <QFile>
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
