#include "FormFixture.h"
#include "decoding/ShipSize.h"
#include "decoding/StatusBits.h"
#include "decoding/TextCode.h"
#include "encoding/Gbk.h"
#include "model/FieldTable.h"
#include "model/Form.h"

#include <gtest/gtest.h>

using namespace aisset;

namespace {

TEST(TextCode, CodesFrom95OnMoveDown64)
{
    const std::pair<QString, QString> cases[] = {
        {u"ABp`"_qs, u"AB0 "_qs},
        {u"^"_qs, u"^"_qs},            // 94 stays: the limit is 95
        {u"_"_qs, QString(QChar(31))}, // 95 moves
        {u"a"_qs, u"!"_qs},
        {u"y"_qs, u"9"_qs},
        {u"\x7f"_qs, u"?"_qs},
        {u"09 @Z,*"_qs, u"09 @Z,*"_qs},
        {QString(), QString()},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(B8TO6(in), out) << in.toStdString();
}

TEST(TextCode, DoubleByteCharacterMovesByItsGbkCode)
{
    // 海 is BAA3 in GBK; 64 less is BA63, another double-byte character.
    EXPECT_EQ(B8TO6(u"海"_qs), fromGbk(QByteArray("\xba\x63")));
}

TEST(StatusBits, ArmouredCharactersGiveSixDigitsEach)
{
    const QString zeros18(18, u'0');
    const std::pair<QString, QString> cases[] = {
        {u"0000"_qs, QString(24, u'0')},       {u"w000"_qs, u"111111"_qs + zeros18},
        {u"1000"_qs, u"000001"_qs + zeros18},  {u"W000"_qs, u"100111"_qs + zeros18}, // 39, the last below the limit
        {u"X000"_qs, u"100000"_qs + zeros18},                                        // 88 is already shifted by 56
        {u"`000"_qs, u"101000"_qs + zeros18},                                        // 40
        {u"/000"_qs, u"000000"_qs + zeros18},                                        // below "0": a value below 1
        {u"x000"_qs, u"1000000"_qs + zeros18},                                       // 64: seven digits
        {QString(), QString(24, u'0')},        {u"\x01\x02\x03\x04"_qs, QString(24, u'0')},
    };
    for (const auto &[in, bits] : cases) {
        Form form;
        EXPECT_EQ(A6T8(form, in), bits) << in.toStdString();
    }
}

TEST(StatusBits, WritesFiveTraceLines)
{
    Form form;
    form.appendSentCommand(u"earlier"_qs);
    A6T8(form, u"x0"_qs);
    const QStringList expected{
        u"earlier"_qs,
        u"字符串: x0"_qs,
        u"16进制: 78,30,,"_qs,
        u"2进制: 1000000,0,0,0"_qs,
        u"2进制转6位: 1000000,000000,000000,000000"_qs,
        u"24位: 1000000000000000000000000"_qs,
    };
    EXPECT_EQ(form.sentCommands().join(u'\n').toStdString(), expected.join(u'\n').toStdString());
}

TEST(StatusBits, RunsLieAtTheirBitPositions)
{
    // Bit k holds a letter so that every run shows where it was cut.
    const QString bits = u"abcdefghijklmnopqrstuvwx"_qs;
    const StatusRunTexts runs = cutStatusRuns(bits);
    const std::pair<int, QString> expected[] = {
        {slot::customMessage, u"a"_qs},  {slot::autoVhfOff, u"b"_qs},      {slot::autoRange, u"c"_qs},
        {slot::aisTransmit, u"d"_qs},    {slot::arrivalRange, u"efgh"_qs}, {slot::dataOutput, u"ij"_qs},
        {slot::alarm16, u"k"_qs},        {slot::approachDisplay, u"l"_qs}, {slot::lightPrompt, u"m"_qs},
        {slot::alarmVolume, u"nop"_qs},  {slot::gpsOutput, u"q"_qs},       {slot::vhfTalk, u"r"_qs},
        {slot::keyBrightness, u"st"_qs}, {slot::lcdMode, u"u"_qs},         {slot::promptVolume, u"vwx"_qs},
    };
    for (const auto &[s, run] : expected)
        EXPECT_EQ(runs[std::size_t(s)], run) << str(field(s).name).toStdString();
}

TEST(ShipSize, AddsTheAntennaDistances)
{
    struct Case {
        QString a, b, c, d, shows;
    };
    const Case cases[] = {
        {u"100米"_qs, u"020米"_qs, u"05米"_qs, u"07米"_qs, u"船长:120米   船宽:12米"_qs},
        {u"___米"_qs, u"___米"_qs, u"__米"_qs, u"__米"_qs, u"船长:0米   船宽:0米"_qs},
        // A prompt after the digits ends the number; one before it reads as 0.
        {u"12_米"_qs, u"___米"_qs, u"_5米"_qs, u"07米"_qs, u"船长:12米   船宽:7米"_qs},
        {u"511米"_qs, u"511米"_qs, u"63米"_qs, u"63米"_qs, u"船长:1022米   船宽:126米"_qs},
    };
    for (const Case &c : cases) {
        test::StartForm f;
        ASSERT_TRUE(f.form.setEditText(slot::antennaA, c.a));
        ASSERT_TRUE(f.form.setEditText(slot::antennaB, c.b));
        ASSERT_TRUE(f.form.setEditText(slot::antennaC, c.c));
        ASSERT_TRUE(f.form.setEditText(slot::antennaD, c.d));
        ShowShipSize(f.form);
        EXPECT_EQ(f.form.shipSizeText(), c.shows) << c.a.toStdString();
    }
}

} // namespace
