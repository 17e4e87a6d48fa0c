#pragma once

#include "ui/text/Language.h"

#include <QSvgRenderer>
#include <QWidget>

namespace aisset::ui {

// The drawing `resource` (":/instructions.svg", its words in the source
// language) in `language`: the translated drawing beside it
// (":/instructions_en.svg") when there is one, else `resource` itself.
QString pictureInLanguage(const QString &resource, const QString &language = text::currentLanguage());

// A picture drawn from an SVG file, as large as fits and in its own proportions,
// centred in the widget.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString &file, QWidget *parent = nullptr);

    bool isValid() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer renderer_;
};

} // namespace aisset::ui
