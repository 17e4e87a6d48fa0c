#include "ui/widgets/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace aisset::ui {

namespace {

// An icon that asks the style for its picture when it is first drawn or sized.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle *style, QStyle::StandardPixmap icon, const QWidget *widget)
        : style_(style), icon_(icon), widget_(const_cast<QWidget *>(widget)) // QPointer holds no const widget
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        picture().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return picture().pixmap(size, mode, state);
    }
    // QIcon asks for size in device pixels; the picture is asked in the icon's own.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return picture().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return picture().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return picture().availableSizes(mode, state);
    }
    bool isNull() override { return picture().isNull(); }
    QString key() const override { return QStringLiteral("aisset-deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon &picture()
    {
        if (!read_) {
            read_ = true;
            if (style_)
                picture_ = style_->standardIcon(icon_, nullptr, widget_);
        }
        return picture_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap icon_;
    QPointer<QWidget> widget_;
    bool read_ = false;
    QIcon picture_;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // An option lives only for the call: an icon asked for with one is read at once.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), icon, widget));
}

} // namespace aisset::ui
