#pragma once

#include "ui/text/Language.h"

#include <QSvgRenderer>
#include <QWidget>

#include <memory>

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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer &renderer();

    QString file_;
    std::unique_ptr<QSvgRenderer> renderer_;
};

} // namespace aisset::ui
