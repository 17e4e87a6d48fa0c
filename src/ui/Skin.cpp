#include "Skin.h"

#include "Skins.h"

#include <QFile>
#include <QWidget>

namespace aisset::ui {

bool applySkin(QWidget &window, const QString &path)
{
    if (path.isEmpty()) {
        window.setStyleSheet(QString());
        return true;
    }
    QFile file(findSkinFile(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    window.setStyleSheet(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace aisset::ui
