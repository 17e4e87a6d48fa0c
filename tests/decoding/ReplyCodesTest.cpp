#include "FormFixture.h"
#include "ui/text/Catalogue.h"
#include "decoding/ShipSize.h"
#include "decoding/StatusBits.h"
#include "decoding/TextCode.h"
#include "encoding/Gbk.h"
#include "model/FieldTable.h"
#include "model/Form.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

TEST(TextCode, CodesFrom95OnMoveDown64)
{
    const std::pair<QString, QString> cases[] = {
        {u"ABp`"_s, u"AB0 "_s},
        {u"^"_s, u"^"_s},            // 94 stays: the limit is 95
        {u"_"_s, QString(QChar(31))}, // 95 moves
        {u"a"_s, u"!"_s},
        {u"y"_s, u"9"_s},
        {u"\x7f"_s, u"?"_s},
        {u"09 @Z,*"_s, u"09 @Z,*"_s},
        {QString(), QString()},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(B8TO6(in), out) << in.toStdString();
}

TEST(TextCode, DoubleByteCharacterMovesByItsGbkCode)
{
    // 海 is BAA3 in GBK; 64 less is BA63, another double-byte character.
    EXPECT_EQ(B8TO6(u"海"_s), fromGbk(QByteArray("\xba\x63")));
}

TEST(StatusBits, ArmouredCharactersGiveSixDigitsEach)
{
    const QString zeros18(18, u'0');
    const std::pair<QString, QString> cases[] = {
        {u"0000"_s, QString(24, u'0')},       {u"w000"_s, u"111111"_s + zeros18},
        {u"1000"_s, u"000001"_s + zeros18},  {u"W000"_s, u"100111"_s + zeros18}, // 39, the last below the limit
        {u"X000"_s, u"100000"_s + zeros18},                                        // 88 is already shifted by 56
        {u"`000"_s, u"101000"_s + zeros18},                                        // 40
        {u"/000"_s, u"000000"_s + zeros18},                                        // below "0": a value below 1
        {u"x000"_s, u"1000000"_s + zeros18},                                       // 64: seven digits
        {QString(), QString(24, u'0')},        {u"\x01\x02\x03\x04"_s, QString(24, u'0')},
    };
    for (const auto &[in, bits] : cases) {
        Form form;
        EXPECT_EQ(A6T8(form, in), bits) << in.toStdString();
    }
}

TEST(StatusBits, WritesFiveTraceLines)
{
    Form form;
    form.appendSentCommand(u"earlier"_s);
    A6T8(form, u"x0"_s);
    const QStringList expected{
        u"earlier"_s,
        u"字符串: x0"_s,
        u"16进制: 78,30,,"_s,
        u"2进制: 1000000,0,0,0"_s,
        u"2进制转6位: 1000000,000000,000000,000000"_s,
        u"24位: 1000000000000000000000000"_s,
    };
    EXPECT_EQ(form.sentCommands().join(u'\n').toStdString(), expected.join(u'\n').toStdString());
}

TEST(StatusBits, RunsLieAtTheirBitPositions)
{
    // Bit k holds a letter so that every run shows where it was cut.
    const QString bits = u"abcdefghijklmnopqrstuvwx"_s;
    const StatusRunTexts runs = cutStatusRuns(bits);
    const std::pair<int, QString> expected[] = {
        {slot::customMessage, u"a"_s},  {slot::autoVhfOff, u"b"_s},      {slot::autoRange, u"c"_s},
        {slot::aisTransmit, u"d"_s},    {slot::arrivalRange, u"efgh"_s}, {slot::dataOutput, u"ij"_s},
        {slot::alarm16, u"k"_s},        {slot::approachDisplay, u"l"_s}, {slot::lightPrompt, u"m"_s},
        {slot::alarmVolume, u"nop"_s},  {slot::gpsOutput, u"q"_s},       {slot::vhfTalk, u"r"_s},
        {slot::keyBrightness, u"st"_s}, {slot::lcdMode, u"u"_s},         {slot::promptVolume, u"vwx"_s},
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
        {u"100米"_s, u"020米"_s, u"05米"_s, u"07米"_s, u"船长:120米   船宽:12米"_s},
        {u"___米"_s, u"___米"_s, u"__米"_s, u"__米"_s, u"船长:0米   船宽:0米"_s},
        // A prompt after the digits ends the number; one before it reads as 0.
        {u"12_米"_s, u"___米"_s, u"_5米"_s, u"07米"_s, u"船长:12米   船宽:7米"_s},
        {u"511米"_s, u"511米"_s, u"63米"_s, u"63米"_s, u"船长:1022米   船宽:126米"_s},
    };
    for (const Case &c : cases) {
        test::StartForm f;
        ASSERT_TRUE(f.form.setEditText(slot::antennaA, c.a));
        ASSERT_TRUE(f.form.setEditText(slot::antennaB, c.b));
        ASSERT_TRUE(f.form.setEditText(slot::antennaC, c.c));
        ASSERT_TRUE(f.form.setEditText(slot::antennaD, c.d));
        ShowShipSize(f.form);
        EXPECT_EQ(catalogue::text(f.form.shipSize()), c.shows) << c.a.toStdString();
    }
}

} // namespace
