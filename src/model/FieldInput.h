#pragma once

#include <QString>

namespace aisset {

class Form;

// Puts what an installer means into a field, as typing would: the field starts
// blank and takes the characters one by one. Returns false when the field's
// normalised text does not come out equal to the value (a character the mask
// refuses, a value too long for the field).
[[nodiscard]] bool enterValue(Form &form, int slot, const QString &value);

// Selects a choice entry by its exact text, or by the code before "(" when that
// names exactly one entry ("70" for "70(货船)"); "" selects no entry.
[[nodiscard]] bool selectChoiceValue(Form &form, int slot, const QString &value);

} // namespace aisset
