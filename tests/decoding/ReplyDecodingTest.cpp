#include "decoding/ReplyDecoding.h"
#include "ui/text/Catalogue.h"
#include "FormFixture.h"
#include "ReplyLineBuilder.h"
#include "model/ChoiceTables.h"
#include "ScriptedHost.h"
#include "model/FieldTable.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// The fields in the order the parameter line carries them, packed settings last.
const int kReplyOrder[] = {
    slot::factoryDate,   slot::machineNumber,    slot::powerOnTime,
    slot::vendorNumber,  slot::crewCount,        slot::callSign,
    slot::shipType,      slot::draught,          slot::mmsi,
    slot::imoNumber,     slot::shipName,         slot::antennaA,
    slot::antennaB,      slot::antennaC,         slot::antennaD,
    slot::epfdType,      slot::channel1,         slot::channel2,
    slot::alarmRange,    slot::soundPromptRange, slot::lightPrompt,
    slot::promptVolume,  slot::alarmVolume,      slot::keyBrightness,
    slot::lcdMode,       slot::vhfTalk,          slot::dataOutput,
    slot::arrivalRange,  slot::approachDisplay,  slot::alarm16,
    slot::aisTransmit,   slot::autoRange,        slot::gpsOutput,
    slot::customMessage, slot::autoVhfOff,
};

// What a decoding leaves in the form and the window's state, one text per line for
// readable diffs. (The ship-size label is left out: only a successful decoding writes it.)
std::string snapshot(const Form &form)
{
    QStringList out;
    for (const FieldInfo &f : fieldTable())
        out.append(str(f.name) + u'=' +
                   (f.kind == FieldKind::Choice ? form.choiceText(f.slot) : form.editText(f.slot)));
    out.append(u"status="_s + catalogue::text(form.transactionStatus()));
    out.append(u"enabled="_s + (form.isEnabled() ? u"yes"_s : u"no"_s));
    return (out + form.sentCommands()).join(u'\n').toStdString();
}

bool isBlank(const Form &form, int s)
{
    if (field(s).kind == FieldKind::Choice)
        return form.choice(s).position() == -1;
    return form.editText(s) == form.edit(s).blankText();
}

class Decode : public testing::Test {
protected:
    DecodeResult decode(const QString &text) { return FP(f.form, host, text); }
    QString shown(int s) const
    {
        return field(s).kind == FieldKind::Choice ? f.form.choiceText(s) : f.form.editText(s);
    }

    test::StartForm f;
    test::ScriptedHost host;
    test::ReplyLine line;
};

TEST_F(Decode, ValidLineFillsEveryFieldAndWritesTheWholeTrace)
{
    f.form.appendSentCommand(u"$CVRSE,*7DChr(13)Chr(10)"_s); // the read request goes away
    ASSERT_EQ(decode(line.text()), DecodeResult::Decoded);

    const std::map<int, QString> expected{
        {slot::factoryDate, u"09年08月17日"_s},
        {slot::machineNumber, u"123456789"_s},
        {slot::powerOnTime, u"0150"_s},
        {slot::vendorNumber, u"ZL01   "_s},
        {slot::crewCount, u"0025"_s},
        {slot::callSign, u"BXYZ9  "_s},
        {slot::shipType, u"70(货船)"_s},
        {slot::draught, u"08.5米"_s},
        {slot::mmsi, u"412345678"_s},
        {slot::imoNumber, u"009123456"_s},
        {slot::shipName, u"HAI XING 7          "_s},
        {slot::antennaA, u"100米"_s},
        {slot::antennaB, u"020米"_s},
        {slot::antennaC, u"05米"_s},
        {slot::antennaD, u"07米"_s},
        {slot::epfdType, u"3(GPS/GLONASS)"_s},
        {slot::channel1, u"1088(157.4250)MHz"_s},
        {slot::channel2, u"2288(162.0125)MHz"_s},
        {slot::alarmRange, u"3.0海里"_s},
        {slot::soundPromptRange, u"0.3海里"_s},
        {slot::lightPrompt, u"关"_s},
        {slot::promptVolume, u"5"_s},
        {slot::alarmVolume, u"1"_s},
        {slot::keyBrightness, u"3"_s},
        {slot::lcdMode, u"负显"_s},
        {slot::vhfTalk, u"开"_s},
        {slot::dataOutput, u"AIS"_s},
        {slot::arrivalRange, u"3海里"_s},
        {slot::approachDisplay, u"开"_s},
        {slot::alarm16, u"关"_s},
        {slot::aisTransmit, u"开"_s},
        {slot::autoRange, u"开"_s},
        {slot::gpsOutput, u"RMC"_s},
        {slot::customMessage, u"开"_s},
        {slot::autoVhfOff, u"关"_s},
    };
    for (const auto &[s, text] : expected)
        EXPECT_EQ(shown(s), text) << str(field(s).name).toStdString();

    const QString values = u"09,08,17,123456789,0150,ZL01   ,0025BXYZ9  ,70,08.5,412345678,009123456,"
                           u"HAI XING 7          ,100,020,05,07,3,1088,2288,12,03,5,1,3,1,0,1,3,0,1,0,0,1,11"_s;
    const QString cuts = u"090817,123456789,0150,ZL01   ,0025BXYZ9  ,70,085,412345678,009123456,"
                         u"HAI XING 7          ,100,020,05,07,3,1088,2288,12,03,5,1,3,1,0,1,3,0,1,0,0,"_s;
    const QStringList trace{
        u"字符串: hnVu"_s,
        u"16进制: 68,6E,56,75"_s,
        u"2进制: 110000,110110,100110,111101"_s,
        u"2进制转6位: 110000,110110,100110,111101"_s,
        u"24位: 110000110110100110111101"_s,
        u"24格开[1 0 0 0011 01 0 1 1 001 0 11 1 101 1]"_s,
        u"提取2进制[ 提示音量(101)报警音量(001)按键亮度(11)LCD显示方式(1)VHF通话(0)AIS数据输出(01)"
        u"导航到达距离(0011)目标靠近显示(0)报警16频(1)AIS发射(0)灯光提示(1)自动量程(0)自动关闭VHF(1)]"_s,
        u"转10进制 [ 提示音量(5)报警音量(1)按键亮度(3)LCD显示方式(1)VHF通话(0)AIS数据输出(1)"
        u"导航到达距离(3)目标靠近显示(0)报警16频(1)AIS发射(0)灯光提示(1)自动量程(0)GPS数据输出(1)"
        u"自定义信息发送(1)自动关闭VHF(1)]"_s,
        values,
        cuts,
        values,
    };
    EXPECT_EQ(f.form.sentCommands(), trace);
    EXPECT_EQ(catalogue::text(f.form.shipSize()), u"船长:120米   船宽:12米"_s);
    EXPECT_EQ(catalogue::text(f.form.transactionStatus()), u"拆分状态"_s);
    EXPECT_TRUE(f.form.isEnabled());
}

TEST_F(Decode, FieldCodesShowTheirEntriesAndValues)
{
    struct Case {
        int slot;
        QString cut;
        QString shows;
    };
    const Case cases[] = {
        {slot::shipType, u"31"_s, u"31(拖带船)"_s},
        {slot::shipType, u"20"_s, u"20(飞翼船)"_s},
        {slot::draught, u"000"_s, u"00.0米"_s},
        {slot::draught, u"255"_s, u"25.5米"_s},
        {slot::draught, u"050"_s, u"05.0米"_s},
        {slot::draught, u"120"_s, u"12.0米"_s},
        {slot::draught, u"999"_s, u"99.9米"_s},
        {slot::epfdType, u"6"_s, u"6(导航系统"_s},
        {slot::epfdType, u"0"_s, u"0(未定义)"_s},
        {slot::channel1, u"2087"_s, u"2087(161.9750)MHz"_s},
        {slot::channel2, u"9999"_s, QString()}, // no such channel: blank, not checked
        {slot::alarmRange, u"00"_s, u"关闭"_s},
        {slot::alarmRange, u"05"_s, u"0.5海里"_s},
        {slot::soundPromptRange, u"15"_s, u"6.0海里"_s},
        {slot::callSign, u"ABp````"_s, u"AB0    "_s},
        {slot::mmsi, u"00001234x"_s, u"_________"_s}, // not digits: the mask refuses it
        {slot::antennaC, u"5 "_s, u"__米"_s},
    };
    for (const Case &c : cases) {
        test::StartForm fresh;
        test::ScriptedHost h;
        test::ReplyLine l;
        EXPECT_EQ(FP(fresh.form, h, l.with(c.slot, c.cut).text()), DecodeResult::Decoded) << c.cut.toStdString();
        const QString text =
            field(c.slot).kind == FieldKind::Choice ? fresh.form.choiceText(c.slot) : fresh.form.editText(c.slot);
        EXPECT_EQ(text, c.shows) << str(field(c.slot).name).toStdString() << " " << c.cut.toStdString();
    }
}

TEST_F(Decode, CrewCountIsFollowedByTheCallSignWithoutAComma)
{
    ASSERT_EQ(decode(line.with(slot::crewCount, u"0012"_s).text()), DecodeResult::Decoded);
    EXPECT_EQ(f.form.editText(slot::crewCount), u"0012"_s);
    const QStringList &trace = f.form.sentCommands();
    ASSERT_EQ(trace.size(), 11);
    EXPECT_TRUE(trace[8].startsWith(u"09,08,17,123456789,0150,ZL01   ,0012BXYZ9  ,70,"_s)) << trace[8].toStdString();
    EXPECT_TRUE(trace[9].startsWith(u"090817,123456789,0150,ZL01   ,0012BXYZ9  ,70,"_s)) << trace[9].toStdString();
}

// A checked choice field without an entry ends the decoding at once: earlier fields
// keep their values, later ones stay blank, no trace line is written.
TEST_F(Decode, UnmatchedCheckedFieldEndsWithOneAndLeavesTheRestBlank)
{
    struct Case {
        int slot;
        QString cut;
        QString progress;
    };
    const Case cases[] = {
        {slot::shipType, kNoShipType.toString(), u"拆分船型"_s},
        {slot::epfdType, u"8"_s, u"拆分定位装置"_s},
        {slot::alarmRange, u"16"_s, u"拆分靠近报警距离"_s},
        {slot::soundPromptRange, u"-1"_s, u"拆分声音提示距离"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(str(field(c.slot).name).toStdString());
        test::StartForm fresh;
        test::ScriptedHost h;
        test::ReplyLine l;
        Form &form = fresh.form;
        EXPECT_EQ(FP(form, h, l.with(c.slot, c.cut).text()), DecodeResult::Failed);
        EXPECT_TRUE(form.isEnabled());
        EXPECT_TRUE(form.sentCommands().isEmpty());
        EXPECT_EQ(catalogue::text(form.transactionStatus()), c.progress);
        EXPECT_EQ(form.editText(slot::crewCount), u"0025"_s);
        const int *failed = std::find(std::begin(kReplyOrder), std::end(kReplyOrder), c.slot);
        for (const int *later = failed + 1; later != std::end(kReplyOrder); ++later)
            EXPECT_TRUE(isBlank(form, *later)) << str(field(*later).name).toStdString();
    }
}

TEST_F(Decode, FiftyCharacterLineEndsAtThePositionDeviceAtTheLatest)
{
    EXPECT_EQ(decode(line.text().left(50)), DecodeResult::Failed);
    EXPECT_TRUE(f.form.isEnabled());
    EXPECT_EQ(catalogue::text(f.form.transactionStatus()), u"拆分定位装置"_s);
    EXPECT_EQ(f.form.editText(slot::factoryDate), u"09年08月17日"_s);
    EXPECT_EQ(f.form.editText(slot::vendorNumber), u"ZL01   "_s);
    EXPECT_EQ(f.form.editText(slot::callSign), u"BXYZ9  "_s);
    EXPECT_EQ(f.form.choiceText(slot::shipType), u"70(货船)"_s);
    EXPECT_EQ(f.form.editText(slot::draught), u"08.5米"_s);
    // The MMSI is cut to its first digit, which does not fill the mask.
    for (int s : {slot::mmsi, slot::imoNumber, slot::shipName, slot::antennaA, slot::antennaD, slot::epfdType,
                  slot::channel1, slot::alarmRange, slot::promptVolume, slot::autoVhfOff})
        EXPECT_TRUE(isBlank(f.form, s)) << str(field(s).name).toStdString();
    EXPECT_TRUE(f.form.sentCommands().isEmpty());
}

TEST_F(Decode, SecondDecodingGivesTheSameFormAndTrace)
{
    const QString text = line.text();
    ASSERT_EQ(decode(text), DecodeResult::Decoded);
    const std::string first = snapshot(f.form);
    ASSERT_EQ(decode(text), DecodeResult::Decoded);
    EXPECT_EQ(snapshot(f.form), first);
    EXPECT_EQ(catalogue::text(f.form.shipSize()), u"船长:120米   船宽:12米"_s);
}

TEST_F(Decode, ShortLineAfterAFullOneLeavesNothingOfTheFirst)
{
    const QString shortLine = line.text().left(50);
    test::StartForm fresh;
    test::ScriptedHost h;
    ASSERT_EQ(FP(fresh.form, h, shortLine), DecodeResult::Failed);

    ASSERT_EQ(decode(line.text()), DecodeResult::Decoded);
    ASSERT_EQ(decode(shortLine), DecodeResult::Failed);
    EXPECT_EQ(snapshot(f.form), snapshot(fresh.form));
    // The failed decoding does not reach the ship-size display, which keeps the first size.
    EXPECT_EQ(catalogue::text(f.form.shipSize()), u"船长:120米   船宽:12米"_s);
}

TEST_F(Decode, EventsRunWhileTheWindowIsDisabledDuringTheChoiceScans)
{
    f.form.appendSentCommand(u"old"_s);
    QStringList seen;
    host.onProcessEvents = [&] {
        EXPECT_FALSE(f.form.isEnabled());
        EXPECT_TRUE(f.form.sentCommands().isEmpty());
        seen.append(catalogue::text(f.form.transactionStatus()));
    };
    ASSERT_EQ(decode(line.text()), DecodeResult::Decoded);
    // Ship type "70" is entry 21 of its list, device "3" entry 4: one pass per comparison.
    EXPECT_EQ(seen.count(u"拆分船型"_s), 21);
    EXPECT_EQ(seen.count(u"拆分定位装置"_s), 4);
    EXPECT_EQ(seen.size(), 25);
}

TEST_F(Decode, StatusBitsSelectTheirEntries)
{
    struct Case {
        QString status;
        std::map<int, QString> shows;
    };
    const Case cases[] = {
        {u"0000"_s,
         {{slot::promptVolume, u"关闭"_s},
          {slot::alarmVolume, u"关闭"_s},
          {slot::keyBrightness, u"关闭"_s},
          {slot::arrivalRange, u"关闭"_s},
          {slot::approachDisplay, u"开"_s},
          {slot::alarm16, u"开"_s},
          {slot::aisTransmit, u"开"_s},
          {slot::autoRange, u"开"_s},
          {slot::lcdMode, u"正显"_s},
          {slot::vhfTalk, u"开"_s},
          {slot::lightPrompt, u"开"_s},
          {slot::autoVhfOff, u"开"_s},
          {slot::dataOutput, u"关"_s},
          {slot::gpsOutput, u"RMC,GSV,GSA"_s},
          {slot::customMessage, u"关"_s}}},
        // Bits 5-8 set: arrival distance 15.
        {u"3h00"_s, {{slot::arrivalRange, u"15海里"_s}, {slot::dataOutput, u"关"_s}}},
        // All 24 bits set.
        {u"wwww"_s,
         {{slot::promptVolume, u"7"_s},
          {slot::alarmVolume, u"7"_s},
          {slot::keyBrightness, u"3"_s},
          {slot::dataOutput, u"全部"_s},
          {slot::approachDisplay, u"关"_s},
          {slot::lcdMode, u"负显"_s}}},
        // "x" is 64: seven digits, so the last character's runs move one place right.
        {u"x00w"_s,
         {{slot::customMessage, u"开"_s},
          {slot::keyBrightness, u"1"_s},
          {slot::lcdMode, u"负显"_s},
          {slot::promptVolume, u"7"_s}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.status.toStdString());
        test::StartForm fresh;
        test::ScriptedHost h;
        test::ReplyLine l;
        ASSERT_EQ(FP(fresh.form, h, l.withStatus(c.status).text()), DecodeResult::Decoded);
        for (const auto &[s, text] : c.shows)
            EXPECT_EQ(fresh.form.choiceText(s), text) << str(field(s).name).toStdString();
    }
}

TEST_F(Decode, MissingStatusCharactersCountAsZero)
{
    ASSERT_EQ(decode(line.text().left(112)), DecodeResult::Decoded); // "hn" of "hnVu"
    const QStringList &trace = f.form.sentCommands();
    ASSERT_EQ(trace.size(), 11);
    EXPECT_EQ(trace[1], u"16进制: 68,6E,,"_s);
    EXPECT_EQ(trace[4], u"24位: 110000110110000000000000"_s);
    EXPECT_EQ(f.form.choiceText(slot::arrivalRange), u"3海里"_s);
    EXPECT_EQ(f.form.choiceText(slot::lightPrompt), u"开"_s);
    EXPECT_EQ(f.form.choiceText(slot::promptVolume), u"关闭"_s);
    EXPECT_EQ(f.form.choiceText(slot::keyBrightness), u"关闭"_s);
    EXPECT_EQ(f.form.choiceText(slot::gpsOutput), u"RMC,GSV,GSA"_s);
}

} // namespace
