#include "ui/widgets/Skin.h"

#include "ui/core/Skins.h"

#include <QFile>
#include <QWidget>

namespace aisset::ui {

bool applySkin(QWidget &window, const QString &path)
{
    if (path.isEmpty()) {
        window.setStyleSheet(QString());
        return true;
    }
    const QString found = findSkinFile(path);
    if (found.isEmpty()) // no such file, whatever the case of its name
        return false;
    QFile file(found);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    window.setStyleSheet(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace aisset::ui
