#pragma once

#include "FieldTable.h"

#include <QString>

#include <array>

namespace aisset {

class Form;

// The four status characters unpacked into binary digits (A6T8): each character
// is an armoured six-bit value ("0".."W" for 0-39, "`".."w" for 40-63), written as
// six digits, first character first. Five trace lines go to the list of sent
// commands. A missing character gives 000000; a character beyond "w" gives seven
// digits and moves every later run by one place.
QString A6T8(Form &form, const QString &fourChars);

// The six digits one status character gives in A6T8, without the trace.
QString armouredDigits(const QString &character);

// Where each packed setting lies in the unpacked digits (bit 1 is the first digit).
struct StatusRun {
    int slot;
    int firstBit;
    int width;
};
const std::array<StatusRun, 15> &statusRuns();

// The run of every packed setting as binary digits, indexed by slot (empty for
// slots that are not packed).
using StatusRunTexts = std::array<QString, kSlotCount>;
StatusRunTexts cutStatusRuns(const QString &bits);

} // namespace aisset
