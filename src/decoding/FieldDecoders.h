#pragma once

#include <QString>

namespace aisset {

class DecodeContext;

// Decoders of the fields carried as plain characters in the parameter line. Each
// takes the text cut at the field's position, puts the decoded value into the
// field's slot and appends to the two trace texts.
using FieldDecoder = void (*)(DecodeContext &context, int slot, const QString &cut);

namespace decode {

// yymmdd shown as yy年mm月dd日; the value trace gets yy, mm and dd separately.
void date(DecodeContext &context, int slot, const QString &cut);
// Shown as cut.
void digits(DecodeContext &context, int slot, const QString &cut);
// Shown as cut; neither trace entry is followed by a comma (the crew count).
void digitsNoComma(DecodeContext &context, int slot, const QString &cut);
// Text code (B8TO6).
void text(DecodeContext &context, int slot, const QString &cut);
// Tenths of a metre shown as metres with one decimal: "085" is 08.5米.
void draught(DecodeContext &context, int slot, const QString &cut);
// Whole metres shown with the unit: "100" is 100米.
void metres(DecodeContext &context, int slot, const QString &cut);
// Ship type: the entry whose first two characters equal the code.
void shipType(DecodeContext &context, int slot, const QString &cut);
// Position-fixing device: the entry whose first character equals the code.
void epfdType(DecodeContext &context, int slot, const QString &cut);
// AIS channel: the entry whose first four characters equal the channel number.
void channel(DecodeContext &context, int slot, const QString &cut);
// Distance lists: the entry at the list position the number gives.
void distance(DecodeContext &context, int slot, const QString &cut);

} // namespace decode
} // namespace aisset
