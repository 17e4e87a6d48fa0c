#include "ui/widgets/MaskedEdit.h"

#include "model/Form.h"
#include "ui/text/Catalogue.h"
#include "ui/widgets/KeyCodes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace aisset::ui {

MaskedEdit::MaskedEdit(Form &form, int slot, QWidget *parent) : QLineEdit(parent), form_(form), slot_(slot)
{
    setObjectName(QStringLiteral("text1_%1").arg(slot));
    // Every change goes through the core: no drops and no editing context menu.
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(&form_, &Form::editChanged, this, [this](int s) {
        if (s == slot_)
            showField();
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, &MaskedEdit::takeCaretFromWidget);
    connect(this, &QLineEdit::selectionChanged, this, &MaskedEdit::takeCaretFromWidget);
    showField();
}

void MaskedEdit::showField()
{
    const MaskedField &field = form_.edit(slot_);
    const int start = field.selectionStart();
    const int length = field.selectionLength();
    showing_ = true;
    if (const QString shown = catalogue::fieldText(field.text()); text() != shown)
        setText(shown);
    // A selection the widget already shows is left alone, so that a drag with
    // the mouse keeps its anchor.
    if (length > 0) {
        if (!hasSelectedText() || selectionStart() != start || selectedText().size() != length)
            caretAtSelectionEnd_ ? setSelection(start, length) : setSelection(start + length, -length);
    } else if (hasSelectedText() || cursorPosition() != field.caret()) {
        setCursorPosition(field.caret());
    }
    showing_ = false;
}

// A click or a drag with the mouse moves the caret in the widget; the core follows.
void MaskedEdit::takeCaretFromWidget()
{
    if (showing_)
        return;
    const MaskedField &field = form_.edit(slot_);
    if (hasSelectedText()) {
        const int start = selectionStart();
        const int length = int(selectedText().size());
        if (field.selectionStart() != start || field.selectionLength() != length)
            form_.setEditSelection(slot_, start, length);
    } else if (field.caret() != cursorPosition() || field.selectionLength() > 0) {
        form_.setEditCaret(slot_, typingPosition(cursorPosition()));
    }
}

// A click among empty positions goes back to the first of them, as a click behind
// the text of a plain field goes to its end: otherwise a name typed after a click
// in the middle of an empty field starts there and loses its last characters to
// the field's length. A click behind the last input position (on a closing
// literal such as "米") goes to the first empty position, so there is somewhere
// to type.
int MaskedEdit::typingPosition(int clicked) const
{
    const MaskedField &field = form_.edit(slot_);
    const QString &text = field.text();
    if (field.mask().isEmpty())
        return clicked;
    int pos = clicked;
    while (pos > 0 && (field.isLiteralAt(pos - 1) || text[pos - 1] == MaskedField::kPrompt))
        --pos;
    while (pos < text.size() && field.isLiteralAt(pos))
        ++pos;
    if (pos < text.size())
        return pos;
    const qsizetype firstEmpty = text.indexOf(MaskedField::kPrompt);
    return firstEmpty < 0 ? clicked : int(firstEmpty);
}

void MaskedEdit::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(slot_, ruleKeyCode(event));
    if (editKey(event))
        return;
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Cut)) {
        copy();
        form_.deleteInEdit(slot_);
    } else if (event->matches(QKeySequence::Paste)) {
        typeText(QGuiApplication::clipboard()->text());
    } else if (event->matches(QKeySequence::SelectAll)) {
        form_.setEditSelection(slot_, 0, int(form_.editText(slot_).size()));
    } else if (!event->text().isEmpty() && event->text().at(0).isPrint() &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        typeText(event->text());
    } else {
        event->ignore(); // Enter and the like: nothing for the field to do
    }
}

bool MaskedEdit::editKey(QKeyEvent *event)
{
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const int caret = cursorPosition();
    const int end = int(form_.editText(slot_).size());
    switch (event->key()) {
    case Qt::Key_Backspace: form_.backspaceEdit(slot_); return true;
    case Qt::Key_Delete: form_.deleteInEdit(slot_); return true;
    case Qt::Key_Left: moveCaret(stepOverLiterals(caret - 1, -1), shift); return true;
    case Qt::Key_Right: moveCaret(stepOverLiterals(caret + 1, +1), shift); return true;
    case Qt::Key_Home: moveCaret(0, shift); return true;
    case Qt::Key_End: moveCaret(end, shift); return true;
    default: return false;
    }
}

// The caret does not stop in front of a literal: it moves on past it, to the
// right or to the left. The text's two ends are always reachable.
int MaskedEdit::stepOverLiterals(int pos, int direction) const
{
    const MaskedField &field = form_.edit(slot_);
    const int end = int(field.text().size());
    pos = std::clamp(pos, 0, end);
    while (pos > 0 && pos < end && field.isLiteralAt(pos))
        pos += direction;
    return pos;
}

void MaskedEdit::moveCaret(int to, bool extendSelection)
{
    if (!extendSelection) {
        form_.setEditCaret(slot_, to);
        return;
    }
    // The end of the selection away from the caret stays where it is.
    int anchor = cursorPosition();
    if (hasSelectedText())
        anchor = anchor == selectionStart() ? selectionStart() + int(selectedText().size()) : selectionStart();
    caretAtSelectionEnd_ = to > anchor;
    form_.setEditSelection(slot_, std::min(anchor, to), std::abs(to - anchor));
    caretAtSelectionEnd_ = false;
}

void MaskedEdit::typeText(const QString &text)
{
    for (QChar c : text)
        form_.typeIntoEdit(slot_, c);
}

// Characters composed with an input method arrive here rather than as keys.
void MaskedEdit::inputMethodEvent(QInputMethodEvent *event)
{
    typeText(event->commitString());
    event->accept();
}

void MaskedEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    showField(); // the widget's own selection on entry is not the core's
    if (entersField(event)) {
        enteringClick_ = event->reason() == Qt::MouseFocusReason;
        emit entered(slot_);
    }
}

// The click that enters a field leaves the whole text selected, as entering by
// the keyboard does, so that what is typed next replaces the old value instead of
// overwriting it from wherever the click fell. A second click places the caret.
void MaskedEdit::mousePressEvent(QMouseEvent *event)
{
    if (std::exchange(enteringClick_, false)) {
        swallowingClick_ = true;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void MaskedEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (swallowingClick_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void MaskedEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (std::exchange(swallowingClick_, false)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void MaskedEdit::focusOutEvent(QFocusEvent *event)
{
    enteringClick_ = false; // a focus that left before any click needs none kept
    QLineEdit::focusOutEvent(event);
    if (isFieldFocusChange(event))
        emit left(slot_);
}

} // namespace aisset::ui
