#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace aisset::ui {

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
