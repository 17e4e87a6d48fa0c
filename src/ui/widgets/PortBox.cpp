#include "ui/widgets/PortBox.h"

#include "link/PortNames.h"

namespace aisset::ui {

void PortBox::showPopup()
{
    for (const PortListing &port : listPorts()) {
        const int entry = port.number - 1;
        if (entry < count())
            setItemData(entry, port.present ? port.describe() : QString(), Qt::ToolTipRole);
    }
    QComboBox::showPopup();
}

} // namespace aisset::ui
