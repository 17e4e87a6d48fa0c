#pragma once

#include "ui/text/Language.h"

#include <QColor>
#include <QImage>
#include <QSvgRenderer>
#include <QWidget>

#include <chrono>
#include <future>
#include <memory>

class QPainter;

namespace aisset::ui {

// The drawing `resource` (":/instructions.svg", its words in the source
// language) in `language`: the translated drawing beside it
// (":/instructions_en.svg") when there is one, else `resource` itself.
QString pictureInLanguage(const QString &resource, const QString &language = text::currentLanguage());

// A picture drawn from an SVG file, as large as fits and in its own proportions,
// centred in the widget. The file is read when the picture is first painted, so
// that the pictures of pages not shown yet cost the start nothing.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString &file, QWidget *parent = nullptr);
    ~SvgPicture() override;

    bool isValid() { return renderer().isValid(); }

    // Draws the picture at its present size on a second thread, over the
    // plain colour that will stand behind it, for its first paint. A paint
    // takes it once it is done, and only when the window behind the picture is
    // that colour throughout, so that the pixels are those the paint would
    // have drawn; otherwise the paint draws as always.
    void prepareOn(QColor backdrop);
    bool preparedDrawingDone() const
    {
        return prepared_.valid() && prepared_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }
    // Whether a paint has taken the drawing made ahead.
    bool paintedFromPrepared() const { return paintedFromPrepared_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer &renderer();

    bool takesPrepared(QPainter &painter, const QPaintEvent &event);

    QString file_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QColor backdrop_;
    std::future<QImage> prepared_;
    bool paintedFromPrepared_ = false;
};

} // namespace aisset::ui
