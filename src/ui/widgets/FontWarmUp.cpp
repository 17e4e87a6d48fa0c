#include "ui/widgets/FontWarmUp.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

namespace aisset::ui {

FontWarmUp::FontWarmUp(const QString &sample)
    : thread_([sample] {
          (void)QFontDatabase::families();
          (void)QFontMetrics(QGuiApplication::font()).horizontalAdvance(sample);
      })
{
}

FontWarmUp::~FontWarmUp() { thread_.join(); }

} // namespace aisset::ui
