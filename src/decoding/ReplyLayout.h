#pragma once

#include <QString>

namespace aisset {

// The unit's parameter line: one line of fixed-width fields without separators,
// the fields in the order they are decoded. Positions are 1-based.
//
//   pos  len
//     1    7  "!CVSET,"                  not examined
//     8    6  factory date yymmdd
//    14    9  machine number
//    23    4  power-on time
//    27    7  vendor number              text code
//    34    4  crew count
//    38    7  call sign                  text code
//    45    2  ship type
//    47    3  draught                    tenths of a metre
//    50    9  MMSI
//    59    9  IMO number
//    68   20  ship name                  text code
//    88    3  antenna A, 91 3 B, 94 2 C, 96 2 D   metres
//    98    1  position-fixing device
//    99    4  AIS channel 1
//   103    4  AIS channel 2
//   107    2  alarm range                before the sound prompt range, unlike
//   109    2  sound prompt range         the order of the write sentence
//   111    4  status characters          four armoured six-bit characters
//                                        holding the fifteen packed settings
//   115       "*", checksum, CR LF       not read
//
// The field positions live in the field table (replyPos, replyLength).

constexpr int kStatusPosition = 111;
constexpr int kStatusLength = 4;

// The characters from a 1-based position, as far as the line goes (possibly none).
QString cutAt(const QString &line, int position, int length);

// A field's characters at its position in the parameter line.
QString cutField(const QString &line, int slot);

} // namespace aisset
