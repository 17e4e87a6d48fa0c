#pragma once

#include "ui/widgets/FocusEvents.h"

#include <QLineEdit>

namespace aisset {
class Form;
}

namespace aisset::ui {

// The widget of an edit field (text1): shows the core's masked field and sends
// every edit to it, so the core stays the only copy of the text. Typing fills
// the mask's input positions, the prompt "_" marks empty ones, literals stay in
// place and the caret steps over them; a character a position does not take is
// refused. The focus and key events are announced for the entry rules.
class MaskedEdit : public QLineEdit, public FieldEntry {
    Q_OBJECT
public:
    MaskedEdit(Form &form, int slot, QWidget *parent = nullptr);

    int slot() const { return slot_; }

signals:
    void entered(int slot);
    void left(int slot);
    // Runs before the field itself treats the key.
    void keyDown(int slot, int keyCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showField();
    void takeCaretFromWidget();
    bool editKey(QKeyEvent *event);
    void moveCaret(int to, bool extendSelection);
    int stepOverLiterals(int pos, int direction) const;
    int typingPosition(int clicked) const;
    void typeText(const QString &text);

    Form &form_;
    const int slot_;
    bool showing_ = false;             // the widget is being set from the core
    bool caretAtSelectionEnd_ = false; // a selection grown to the right shows its caret there
    bool enteringClick_ = false;       // the mouse press now arriving is the one that entered the field
    bool swallowingClick_ = false;     // that press was kept from the widget, so are its move and release
};

} // namespace aisset::ui
