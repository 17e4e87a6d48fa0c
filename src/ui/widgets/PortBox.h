#pragma once

#include <QComboBox>

namespace aisset::ui {

// The port choice's list (Combo2). Its entries stay "Com1" ... "Com16"; when the
// list opens, every entry whose number names a device that is there shows that
// device as its tooltip. Devices are looked up then only, never at start.
class PortBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;
};

} // namespace aisset::ui
