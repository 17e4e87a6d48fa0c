#include "ui/widgets/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

namespace aisset::ui {

FontWarmUp::FontWarmUp() : thread_([] { (void)QFontDatabase::families(); }) {}

FontWarmUp::~FontWarmUp() { thread_.join(); }

} // namespace aisset::ui
