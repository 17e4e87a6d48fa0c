#pragma once

#include "encoding/Primitives.h"
#include "model/FieldTable.h"

#include <QString>

#include <map>
#include <stdexcept>

namespace aisset::test {

using namespace Qt::StringLiterals;

// Builds a parameter line as the unit sends it. The positions are written out here
// on their own (not taken from the decoder's field table), so that a wrong position
// in the table shows up as a wrong field.
struct ReplyLine {
    struct Place {
        int position; // 1-based
        int length;
    };
    static const std::map<int, Place> &layout()
    {
        static const std::map<int, Place> places{
            {slot::factoryDate, {8, 6}},   {slot::machineNumber, {14, 9}},     {slot::powerOnTime, {23, 4}},
            {slot::vendorNumber, {27, 7}}, {slot::crewCount, {34, 4}},         {slot::callSign, {38, 7}},
            {slot::shipType, {45, 2}},     {slot::draught, {47, 3}},           {slot::mmsi, {50, 9}},
            {slot::imoNumber, {59, 9}},    {slot::shipName, {68, 20}},         {slot::antennaA, {88, 3}},
            {slot::antennaB, {91, 3}},     {slot::antennaC, {94, 2}},          {slot::antennaD, {96, 2}},
            {slot::epfdType, {98, 1}},     {slot::channel1, {99, 4}},          {slot::channel2, {103, 4}},
            {slot::alarmRange, {107, 2}},  {slot::soundPromptRange, {109, 2}},
        };
        return places;
    }

    // A valid line: text fields in the unit's text code ("p" for "0", "`" for a blank,
    // "q" for "1", "y" for "9", "w" for "7"), and status characters "hnVu" that set
    // every packed switch away from its start selection.
    std::map<int, QString> fields{
        {slot::factoryDate, u"090817"_s},
        {slot::machineNumber, u"123456789"_s},
        {slot::powerOnTime, u"0150"_s},
        {slot::vendorNumber, u"ZLpq```"_s},
        {slot::crewCount, u"0025"_s},
        {slot::callSign, u"BXYZy``"_s},
        {slot::shipType, u"70"_s},
        {slot::draught, u"085"_s},
        {slot::mmsi, u"412345678"_s},
        {slot::imoNumber, u"009123456"_s},
        {slot::shipName, u"HAI`XING`w``````````"_s},
        {slot::antennaA, u"100"_s},
        {slot::antennaB, u"020"_s},
        {slot::antennaC, u"05"_s},
        {slot::antennaD, u"07"_s},
        {slot::epfdType, u"3"_s},
        {slot::channel1, u"1088"_s},
        {slot::channel2, u"2288"_s},
        {slot::alarmRange, u"12"_s},
        {slot::soundPromptRange, u"03"_s},
    };
    QString status = u"hnVu"_s;

    ReplyLine &with(int slot, const QString &text)
    {
        fields[slot] = text;
        return *this;
    }
    ReplyLine &withStatus(const QString &text)
    {
        status = text;
        return *this;
    }

    // "!CVSET," the fields, the status characters, "*", the checksum and CR LF.
    // Every field text must have its field's length (a shorter line is made by
    // cutting the whole line).
    QString text() const
    {
        QString line = u"!CVSET,"_s + QString(107, u' ');
        for (const auto &[s, place] : layout())
            put(line, place.position, place.length, fields.at(s));
        put(line, 111, 4, status);
        return line + u'*' + checksum(line.mid(1)) + u"\r\n"_s;
    }

private:
    static void put(QString &line, int position, int length, const QString &text)
    {
        if (text.size() != length)
            throw std::invalid_argument("field text of the wrong length: " + text.toStdString());
        line.replace(position - 1, length, text);
    }
};

} // namespace aisset::test
