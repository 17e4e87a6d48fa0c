#pragma once

#include <QString>

namespace aisset {

// The unit's parameter line: one line of fixed-width fields without separators.
// Positions are 1-based; the first seven characters are not examined and nothing
// from position 115 on is read.
//
//   1       8      14       23   27     34   38     45 47 50       59       68
//   !CVSET, yymmdd machineNo pwr vendor crew callSgn ty dr mmsi     imo      shipName...
//
//   88  91  94 96 98 99   103  107 109 111
//   A   B   C  D  E  chan1 chan2 al  sp  ssss   (* checksum CR LF)
//
//   vendor, callSgn, shipName: text code; al = alarm range, sp = sound prompt range
//   (note: alarm before sound prompt); ssss = four armoured six-bit characters
//   carrying the fifteen packed switch settings.
// The positions of the fields are the replyPos/replyLength columns of the field table.

constexpr int kStatusPosition = 111;
constexpr int kStatusLength = 4;

// The characters from a 1-based position, as far as the line goes (possibly none).
QString cutAt(const QString &line, int position, int length);

// A field's characters at its position in the parameter line.
QString cutField(const QString &line, int slot);

} // namespace aisset
