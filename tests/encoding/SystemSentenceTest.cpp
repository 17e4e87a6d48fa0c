#include "encoding/SystemSentence.h"
#include "FormFixture.h"
#include "ScriptedHost.h"
#include "SentenceTesting.h"
#include "encoding/Primitives.h"
#include "model/FieldInput.h"

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

using Choices = std::map<int, QString>;

// The packed field of the start selections, bit 1 first.
const QString kStartField = u"001101011011001101100010"_s;

// The four characters of a 24-bit field, read straight from the six-bit table.
QString sixBitText(const QString &bits)
{
    QString out;
    for (int g = 0; g < 4; ++g)
        out += sixBitChar(bits.mid(g * 6, 6).toInt(nullptr, 2));
    return out;
}

// The exclusive or of the characters' codes (the sentence text is ASCII here).
QString xorOf(const QString &text)
{
    unsigned sum = 0;
    for (QChar c : text)
        sum ^= c.unicode();
    return QString::number(sum, 16).toUpper().rightJustified(2, u'0');
}

// The packed field as the trace shows it.
QString tracedField(const Form &form)
{
    for (const QString &line : form.sentCommands())
        if (line.startsWith(u"24位:"_s))
            return line.mid(4);
    return {};
}

class SystemSentence : public testing::Test {
protected:
    void select(const Choices &choices)
    {
        for (const auto &[s, v] : choices)
            ASSERT_TRUE(selectChoiceValue(f.form, s, v)) << s << " " << v.toStdString();
    }
    BuildResult build() { return getcode1(f.form, host, &sink); }

    test::StartForm f;
    test::ScriptedHost host;
    test::CountingSink sink;
};

TEST_F(SystemSentence, StartSelectionsGiveTheWorkedExampleWithItsTrace)
{
    f.form.setEnabled(false);
    const BuildResult r = build();
    EXPECT_EQ(r.sentence, u"$CVSYS,208720880505M[M\"*16\r\n"_s);
    const QStringList expectedTrace{
        u"字符串:2,3,2,正显,关,GPS,00,5,0,0,0,1,0,0,0,0"_s,
        u"分割后: 提示音量2,报警音量3,按键亮度2,LCD显示正显,VHF通话 关,AIS数据输出 GPS,导航到达距离5,"
        u"目标靠近显示0,报警16频0,AIS发射0,灯光提示1,自动量程0,GPS数据输出:0,自定义信息发送:0,自动关闭VHF:0"_s,
        u"2,3,2,正显,关,GPS,5,0,0,0,1,0,0,0,0"_s,
        u"010,011,10,0,1,10,0101,1,1,1,0,1,0,0,0"_s,
        u"24位:001101011011001101100010"_s,
        u"化成四个6进制数:001101,011011,001101,100010"_s,
        u"化成四个8进制数:01001101,01011011,01001101,00100010"_s,
        u"转16进制:4D,5B,4D,22"_s,
        u"转字符:M,[,M,\""_s,
        u"$CVSYS,208720880505M[M\"*16Chr(13)Chr(10)"_s,
    };
    EXPECT_EQ(f.form.sentCommands(), expectedTrace);
    EXPECT_EQ(sink.system, 1);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_FALSE(f.form.isEnabled());    // the caller enables the window after sending
    EXPECT_GE(host.eventPasses, 14 + 2); // once per checked field and per channel
}

TEST_F(SystemSentence, ChannelsAndDistanceStepsAreWrittenAsDigits)
{
    select({{slot::channel1, u"1001"_s},
            {slot::channel2, u"2288"_s},
            {slot::soundPromptRange, u"关闭"_s},
            {slot::alarmRange, u"6.0海里"_s}});
    EXPECT_TRUE(build().sentence.startsWith(u"$CVSYS,100122880015M[M\"*"_s));
}

// One setting changed from the start selections: its bits, at their place in the
// packed field, and nothing else moves.
struct PackCase {
    int slot;
    const char16_t *choice;
    int firstBit; // 1-based
    const char16_t *bits;
};

class SystemPacking : public SystemSentence, public testing::WithParamInterface<PackCase> {};

TEST_P(SystemPacking, PutsEachSettingsBitsInItsPlace)
{
    const PackCase &c = GetParam();
    select({{c.slot, QString::fromUtf16(c.choice)}});
    const BuildResult r = build();
    ASSERT_TRUE(r.ok());
    const QString bits = QString::fromUtf16(c.bits);
    const QString expected = QString(kStartField).replace(c.firstBit - 1, bits.size(), bits);
    EXPECT_EQ(tracedField(f.form), expected);
    EXPECT_EQ(r.sentence.mid(19, 4), sixBitText(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SystemPacking,
    testing::Values(PackCase{slot::promptVolume, u"关闭", 22, u"000"}, PackCase{slot::promptVolume, u"1", 22, u"001"},
                    PackCase{slot::promptVolume, u"3", 22, u"011"}, PackCase{slot::promptVolume, u"4", 22, u"100"},
                    PackCase{slot::promptVolume, u"5", 22, u"101"}, PackCase{slot::promptVolume, u"6", 22, u"110"},
                    PackCase{slot::promptVolume, u"7", 22, u"111"}, PackCase{slot::alarmVolume, u"关闭", 14, u"000"},
                    PackCase{slot::alarmVolume, u"7", 14, u"111"}, PackCase{slot::keyBrightness, u"关闭", 19, u"00"},
                    PackCase{slot::keyBrightness, u"1", 19, u"01"}, PackCase{slot::keyBrightness, u"3", 19, u"11"},
                    PackCase{slot::lcdMode, u"负显", 21, u"1"}, PackCase{slot::vhfTalk, u"开", 18, u"0"},
                    PackCase{slot::dataOutput, u"关", 9, u"00"}, PackCase{slot::dataOutput, u"AIS", 9, u"01"},
                    PackCase{slot::dataOutput, u"全部", 9, u"11"}, PackCase{slot::arrivalRange, u"关闭", 5, u"0000"},
                    PackCase{slot::arrivalRange, u"1海里", 5, u"0001"},
                    PackCase{slot::arrivalRange, u"15海里", 5, u"1111"},
                    PackCase{slot::approachDisplay, u"开", 12, u"0"}, PackCase{slot::alarm16, u"开", 11, u"0"},
                    PackCase{slot::aisTransmit, u"开", 4, u"0"}, PackCase{slot::lightPrompt, u"关", 13, u"1"},
                    PackCase{slot::autoRange, u"开", 3, u"0"}, PackCase{slot::gpsOutput, u"RMC", 17, u"1"},
                    PackCase{slot::customMessage, u"开", 1, u"1"}, PackCase{slot::autoVhfOff, u"关", 2, u"1"}),
    [](const testing::TestParamInfo<PackCase> &caseInfo) {
        return QString::fromUtf16(field(caseInfo.param.slot).name).toStdString() + '_' + std::to_string(caseInfo.index);
    });

// Packed characters that mean something elsewhere in a sentence are sent as they
// are, inside the body, and the checksum covers them.
struct FramingCase {
    const char *what;
    Choices choices;
    const char16_t *packed;
};

class SystemFramingCharacters : public SystemSentence, public testing::WithParamInterface<FramingCase> {};

TEST_P(SystemFramingCharacters, TravelInsideTheBodyUnderTheChecksum)
{
    select(GetParam().choices);
    const QString checked = u"CVSYS,208720880505"_s + QString::fromUtf16(GetParam().packed);
    EXPECT_EQ(build().sentence, u'$' + checked + u'*' + xorOf(checked) + u"\r\n"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, SystemFramingCharacters,
    testing::Values(
        FramingCase{"comma", {{slot::customMessage, u"开"_s}, {slot::arrivalRange, u"3海里"_s}}, u",;M\""},
        FramingCase{"asterisk",
                    {{slot::customMessage, u"开"_s}, {slot::aisTransmit, u"开"_s}, {slot::arrivalRange, u"8海里"_s}},
                    u"*KM\""},
        FramingCase{"dollar",
                    {{slot::customMessage, u"开"_s}, {slot::autoRange, u"开"_s}, {slot::arrivalRange, u"关闭"_s}},
                    u"$KM\""},
        FramingCase{"exclamation",
                    {{slot::customMessage, u"开"_s}, {slot::autoRange, u"开"_s}, {slot::aisTransmit, u"开"_s}},
                    u"![M\""}),
    test::ByWhat());

struct MissingCase {
    const char *what;
    std::vector<int> unselected;
    int failedSlot;
};

class SystemChecks : public SystemSentence, public testing::WithParamInterface<MissingCase> {};

TEST_P(SystemChecks, AFieldWithoutEntryRefusesTheBuildOnce)
{
    for (int s : GetParam().unselected)
        ASSERT_TRUE(f.form.selectChoice(s, -1));
    f.form.setEnabled(false);
    test::expectRefused(build(), f.form, host, GetParam().failedSlot, FieldKind::Choice);
    EXPECT_EQ(sink.system, 0);
}

// The switches from aisTransmit on travel by list position: one without an entry
// is refused too, rather than shifting the later bits.
INSTANTIATE_TEST_SUITE_P(
    Fields, SystemChecks,
    testing::Values(MissingCase{"channel1", {slot::channel1}, slot::channel1},
                    MissingCase{"dataOutput", {slot::dataOutput}, slot::dataOutput},
                    MissingCase{"alarmRange", {slot::alarmRange}, slot::alarmRange},
                    MissingCase{"alarm16", {slot::alarm16}, slot::alarm16},
                    MissingCase{"channel1 and alarm16", {slot::channel1, slot::alarm16}, slot::alarm16},
                    MissingCase{"lcdMode and arrivalRange", {slot::lcdMode, slot::arrivalRange}, slot::arrivalRange},
                    MissingCase{"autoVhfOff", {slot::autoVhfOff}, slot::autoVhfOff},
                    MissingCase{"aisTransmit and channel2", {slot::channel2, slot::aisTransmit}, slot::aisTransmit}),
    test::ByWhat());

TEST_F(SystemSentence, ASwitchBeyondItsTwoPositionsLeavesNoItemInTheSettingsList)
{
    f.form.setChoiceEntries(slot::approachDisplay, {u"关"_s, u"开"_s, u"自动"_s});
    ASSERT_TRUE(f.form.selectChoice(slot::approachDisplay, 2));
    ASSERT_TRUE(build().ok());
    EXPECT_EQ(f.form.sentCommands().value(0), u"字符串:2,3,2,正显,关,GPS,00,5,0,0,1,0,0,0,0"_s);
}

// Settings lists that the page never produces, packed directly.
struct ListCase {
    const char *what;
    const char16_t *list;
    const char16_t *field;
    const char16_t *characters;
};

class SystemPackingRules : public testing::TestWithParam<ListCase> {};

TEST_P(SystemPackingRules, PadShortFieldsAndDropBitsBeyondThe24th)
{
    Form form;
    EXPECT_EQ(A8TO6(form, QString::fromUtf16(GetParam().list)), QString::fromUtf16(GetParam().characters));
    ASSERT_EQ(form.sentCommands().size(), 9);
    EXPECT_EQ(form.sentCommands()[4], u"24位:"_s + QString::fromUtf16(GetParam().field));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SystemPackingRules,
    testing::Values(
        // An unknown data output packs to no bits: the field is two bits short.
        ListCase{"unmatched text", u"2,3,2,正显,关,xyz,00,5,0,0,0,1,0,0,0,0", u"000011010111001101100010", u"CWM\""},
        // A prompt volume of 9 keeps its four digits; the 25th bit is not sent.
        ListCase{"too wide number", u"9,3,2,正显,关,GPS,00,5,0,0,0,1,0,0,0,0", u"0011010110110011011001001", u"M[M$"},
        // Only the number items give bits for an empty list.
        ListCase{"empty list", u"", u"000000000000000000000000", u"@@@@"}),
    test::ByWhat());

} // namespace
