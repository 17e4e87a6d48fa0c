#pragma once

#include "ui/widgets/FocusEvents.h"

#include <QComboBox>

namespace aisset {
class Form;
}

namespace aisset::ui {

// The widget of a choice field (Combo1): a drop-down list without free text that
// shows the core's entries and selection; a selection by the user goes to the
// core. The key events are announced for the entry rules.
class ChoiceBox : public QComboBox, public FieldEntry {
    Q_OBJECT
public:
    ChoiceBox(Form &form, int slot, QWidget *parent = nullptr);

    int slot() const { return slot_; }

signals:
    // Runs before the list itself treats the key.
    void keyDown(int slot, int keyCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void showChoice();

    Form &form_;
    const int slot_;
    bool showing_ = false; // the widget is being set from the core
};

} // namespace aisset::ui
