#pragma once

#include <QString>

#include <cstdint>

namespace aisset::sim {

// The parameters of the virtual unit, kept as the text each write sentence
// carried, so that a read gives back exactly what was written. The system
// settings' fifteen packed switches are kept as their 24 bits.
class UnitParameters {
public:
    // Factory defaults: the window's start values for the system settings, a
    // blank ship of type 90 with a GPS position source, a sample factory record.
    UnitParameters();

    // Takes the body of a write sentence ("CVUIS", "CVSYS", "CVEFS") by
    // position; false for another address or a body of the wrong length.
    bool apply(const QString &address, const QString &body);

    // The parameter line answering the read request: "!CVSET," and the fields
    // at their positions 8-114, "*", the checksum, CR LF. With corruptShipType
    // the ship type reads kNoShipType, which no ship-type entry has.
    QString parameterLine(bool corruptShipType = false) const;

    uint32_t statusBits() const { return statusBits_; }

private:
    QString factory_;          // date, machine number, power-on time, vendor number: 26
    QString ownShip_;          // the own-ship body as written: 65
    QString channels_;         // channel 1 and 2: 8
    QString soundPromptRange_; // 2
    QString alarmRange_;       // 2
    uint32_t statusBits_ = 0;  // bit 1 of the settings is the most significant of 24
};

// The six-bit value of a character of the six-bit ASCII the system settings are
// packed in: "@" ... "_" are 0-31, " " ... "?" are 32-63.
int sixBitValue(QChar c);
// The armoured character the unit sends a six-bit value as: "0" ... "W" for
// 0-39, "`" ... "w" for 40-63.
QChar armoured(int value);

} // namespace aisset::sim
