#pragma once

#include "model/FieldTable.h"

#include <QString>

namespace aisset {

// The body of each write sentence: its group's fields in the field table's wire
// order without separators, each as wide as its wire width; the system settings
// end with the fifteen packed settings in four six-bit characters.
//
//   CVUIS  crew(4) callSign(7) type(2) draught(3) mmsi(9) imo(9) name(20) A(3) B(3) C(2) D(2) epfd(1)
//   CVSYS  channel1(4) channel2(4) soundPromptRange(2) alarmRange(2) packed(4)
//   CVEFS  factoryDate(6) machineNumber(9) powerOnTime(4) vendorNumber(7)
struct SentenceLayout {
    Group group;
    const char16_t *address;
    int packedWidth; // characters of packed settings after the fields
};

constexpr int kPackedWidth = 4;

const SentenceLayout &sentenceLayout(Group group);
// The layout of a sentence's address ("CVUIS", ...), or none.
const SentenceLayout *sentenceLayoutFor(const QString &address);

// The parts of a framed sentence "$" address "," body "*" checksum CR LF.
QString sentenceAddress(const QString &sentence);
QString sentenceBody(const QString &sentence);

} // namespace aisset
