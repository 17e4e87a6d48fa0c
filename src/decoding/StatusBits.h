#pragma once

#include "model/FieldTable.h"

#include <QString>
#include <QStringList>

#include <array>

namespace aisset {

class Form;

// The four status characters unpacked into binary digits: each character is an
// armoured six-bit value ("0".."W" for 0-39, "`".."w" for 40-63), written as six
// digits, first character first, with the five lines that trace the unpacking.
// A missing character gives 000000; a character beyond "w" gives seven digits and
// moves every later run by one place.
struct UnpackedStatus {
    QString bits;
    QStringList trace;
};
UnpackedStatus unpackStatus(const QString &fourChars);

// The same with its trace appended to the form's list of sent commands (A6T8).
QString A6T8(Form &form, const QString &fourChars);

// The six digits one status character gives in A6T8, without the trace.
QString armouredDigits(const QString &character);

// The run of every packed setting as binary digits, indexed by slot (empty for
// slots that are not packed), cut where the packed-settings table places it.
using StatusRunTexts = std::array<QString, kSlotCount>;
StatusRunTexts cutStatusRuns(const QString &bits);

} // namespace aisset
