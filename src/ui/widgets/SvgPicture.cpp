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
