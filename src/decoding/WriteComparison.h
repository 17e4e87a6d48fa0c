#pragma once

#include "model/FieldDifference.h"

#include <QList>
#include <QString>

namespace aisset {

// Compares every field a write sentence carried with the same field of the
// unit's parameter line, in the unit's own form, never as entered text ("_8.5米"
// and "08.5米" are both the draught 085): digits as digits, texts as six-bit
// texts with the blanks that fill them, the packed settings as their numbers.
// Returns the fields that differ, in sentence order; a sentence that is no write
// sentence compares nothing.
QList<FieldDifference> compareWrite(const QString &sentence, const QString &parameterLine);

} // namespace aisset
