#pragma once

#include <QString>

namespace aisset {

class Form;

// The normalised text of an edit field (ccg): the entered text without the prompt
// "_" and the literals "米", "年", "月", "日", wherever they stand.
QString ccg(const QString &enteredText);

// Puts the form into the window's start state: every choice list filled with its
// entries and start selection, and the page-1 input masks applied (which leaves
// every masked field in its blank form).
void applyStartState(Form &form);

// Applies the page-1 maximum lengths and masks, slot by slot in table order.
void applyPageOneMasks(Form &form);

// Puts edit field and choice list of every slot into their blank form, as the reply
// decoding and the record loading do before they fill the form.
void blankForm(Form &form);

// Empties every field a read fills: the text of each field without a mask (a
// masked field keeps its text) and the selection of every choice list.
void clearForm(Form &form);

} // namespace aisset
