#pragma once

#include <QString>

#include <cstdint>

namespace aisset {

// Text-level coding tools shared by the sentence builders and the reply decoding.
// They work on digit strings; characters outside a digit set are skipped or read
// as 0 as each function says, padding never shortens a text, and none reports an error.

// Hexadecimal form of a text: each character's code without leading zeros.
QString btoascT(const QString &text);
// Characters from successive pairs of hex digits (an odd last digit alone).
QString asctobT(const QString &hex);

int32_t A16to10(const QString &hex);
QString A10to16(int64_t value); // 0 gives the empty text
QString A10TO2(int64_t value);  // values below 1 give "0"
int64_t A2TO10(const QString &binary);
QString A2TO16(const QString &binary);
QString A16TO2(const QString &hex);

QString Allc(const QString &text, int width);  // left-pad with "0"
QString AllBB(const QString &text, int width); // right-pad with blanks

// Six binary digits to the eight binary digits of the six-bit character's code.
QString A8T6(const QString &sixBits);
// The six-bit character for v (0-63): "@".."_" for 0-31, " ".."?" for 32-63.
QChar sixBitChar(int v);
// The value a six-bit character stands for, the inverse of sixBitChar.
int sixBitValue(QChar c);

// Checksum of a hex text: the exclusive or of the bytes it spells, as hex digits.
QString a16All(const QString &hex);
// The sentence checksum: exclusive or of the text's bytes on the wire, two
// upper-case hex digits; the empty text gives the empty text.
QString checksum(const QString &text);

// "$" address "," body "*" checksum CR LF.
QString frameCode(const QString &address, const QString &body);
// The copy of a sentence shown in the list of sent commands: the real CR LF
// replaced by the fourteen characters "Chr(13)Chr(10)".
QString displayLine(const QString &sentence);

double NumVal(const QString &text);
bool IsNum(const QString &text);
QString NumStr(double value);

} // namespace aisset
