#include "encoding/OwnShipSentence.h"
#include "FormFixture.h"
#include "ScriptedHost.h"
#include "SentenceTesting.h"
#include "encoding/Gbk.h"
#include "encoding/Primitives.h"

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

using Values = std::map<int, QString>;

// The worked example: a complete, valid own-ship page.
Values workedExample()
{
    return {{slot::crewCount, u"25"_s},        {slot::callSign, u"BXYZ9"_s}, {slot::shipType, u"70"_s},
            {slot::draught, u"8.5"_s},         {slot::mmsi, u"412345678"_s}, {slot::imoNumber, u"009123456"_s},
            {slot::shipName, u"HAI XING 7"_s}, {slot::antennaA, u"100"_s},   {slot::antennaB, u"20"_s},
            {slot::antennaC, u"5"_s},          {slot::antennaD, u"5"_s},     {slot::epfdType, u"1"_s}};
}

class OwnShip : public testing::Test {
protected:
    void fill(const Values &values)
    {
        for (const auto &[s, v] : values) {
            if (field(s).kind == FieldKind::Choice)
                ASSERT_TRUE(selectChoiceValue(f.form, s, v)) << s;
            else
                ASSERT_TRUE(enterValue(f.form, s, v)) << s << " " << v.toStdString();
        }
    }
    BuildResult build() { return getcode(f.form, host, &sink); }

    test::StartForm f;
    test::ScriptedHost host;
    test::CountingSink sink;
};

TEST_F(OwnShip, WorkedExampleGivesTheSentenceWithChecksum34)
{
    fill(workedExample());
    f.form.setEnabled(false);
    const BuildResult r = build();
    const QString body = u"0025BXYZ9  70085412345678009123456HAI XING 7          10002005051"_s;
    ASSERT_EQ(body.size(), 65);
    EXPECT_EQ(r.sentence, u"$CVUIS,"_s + body + u"*34\r\n"_s);
    EXPECT_EQ(f.form.sentCommands(), QStringList{u"$CVUIS,"_s + body + u"*34Chr(13)Chr(10)"_s});
    EXPECT_EQ(sink.ownShip, 1);
    EXPECT_FALSE(r.savingFailed());
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_FALSE(f.form.isEnabled()); // the caller enables the window after sending
}

TEST_F(OwnShip, ASavingThatFailedStillGivesTheSentenceAndSaysSo)
{
    fill(workedExample());
    sink.result = SaveResult::Failed;
    const BuildResult r = build();
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.savingFailed());
    EXPECT_TRUE(host.messages.isEmpty()); // the caller tells the user
}

TEST_F(OwnShip, ChineseShipNameTravelsAsGbkBytesAndIsCheckedInCharacters)
{
    Values v = workedExample();
    v[slot::shipName] = u"海星7号ABCDEFGHIJKLMNOP"_s; // 20 characters, 22 bytes
    fill(v);
    const BuildResult r = build();
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.sentence.contains(u"海星7号ABCDEFGHIJKLMNOP100"_s));
    const QByteArray wire = toGbk(r.sentence);
    const QByteArray checked = wire.mid(1, wire.indexOf('*') - 1);
    unsigned char sum = 0;
    for (char b : checked)
        sum ^= static_cast<unsigned char>(b);
    EXPECT_EQ(r.sentence.mid(r.sentence.indexOf(u'*') + 1, 2),
              QString::number(sum, 16).toUpper().rightJustified(2, u'0'));
    EXPECT_EQ(checked.size(), 6 + 65 + 3); // address and comma, body, a second byte for each Chinese character
}

TEST_F(OwnShip, UntouchedFieldsAreWrittenAsZerosAndBlanks)
{
    fill({{slot::draught, u"8.5"_s}, {slot::shipType, u"30"_s}});
    const BuildResult r = build();
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.sentence.startsWith(u"$CVUIS,0000       30085000000000000000000"_s));
    EXPECT_TRUE(r.sentence.contains(QString(20, u' ') + u"00000000001*"_s));
}

TEST_F(OwnShip, LowerCaseTextIsSentInUpperCase)
{
    Values v = workedExample();
    v[slot::shipName] = u"hai xing 7"_s;
    v[slot::callSign] = u"bxyz9"_s;
    fill(v);
    EXPECT_TRUE(build().sentence.contains(u"BXYZ9  70085412345678009123456HAI XING 7"_s));
}

// The vendor number belongs to the factory data: whatever its page holds, the
// own-ship write neither checks nor sends it.
TEST_F(OwnShip, TheVendorNumberIsNeitherCheckedNorSent)
{
    Values v = workedExample();
    v[slot::vendorNumber] = u"far too long for seven"_s;
    fill(v);
    const BuildResult r = build();
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.sentence.contains(u"FAR"_s));
}

struct FailCase {
    const char *what;
    Values changes;
    int failedSlot;
};

class OwnShipChecks : public OwnShip, public testing::WithParamInterface<FailCase> {};

TEST_P(OwnShipChecks, RefusesOnceWithFocusOnTheLastFailingField)
{
    Values v = workedExample();
    for (const auto &[s, text] : GetParam().changes)
        v[s] = text;
    fill(v);
    f.form.setEnabled(false);
    test::expectRefused(build(), f.form, host, GetParam().failedSlot, field(GetParam().failedSlot).kind);
    EXPECT_EQ(sink.ownShip, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OwnShipChecks,
    testing::Values(
        FailCase{"untouched draught", {{slot::draught, u""_s}}, slot::draught},
        FailCase{"draught 25.6", {{slot::draught, u"25.6"_s}}, slot::draught},
        FailCase{"8-digit MMSI", {{slot::mmsi, u"41234567"_s}}, slot::mmsi},
        FailCase{"8-digit IMO", {{slot::imoNumber, u"12345678"_s}}, slot::imoNumber},
        FailCase{"antenna A 512", {{slot::antennaA, u"512"_s}}, slot::antennaA},
        FailCase{"antenna C 64", {{slot::antennaC, u"64"_s}}, slot::antennaC},
        FailCase{"antenna D 99", {{slot::antennaD, u"99"_s}}, slot::antennaD},
        FailCase{"no ship type", {{slot::shipType, u""_s}}, slot::shipType},
        FailCase{"no device", {{slot::epfdType, u""_s}}, slot::epfdType},
        FailCase{"line end in the ship name", {{slot::shipName, u"X\r\n$CVUIS,ZZ"_s}}, slot::shipName},
        FailCase{"NUL in the call sign", {{slot::callSign, QString::fromUtf16(u"BX\0YZ", 5)}}, slot::callSign},
        FailCase{"lone LF in the ship name", {{slot::shipName, u"HAI\nXING"_s}}, slot::shipName},
        FailCase{"draught and MMSI", {{slot::draught, u""_s}, {slot::mmsi, u"1234"_s}}, slot::mmsi},
        FailCase{"ship type and device", {{slot::shipType, u""_s}, {slot::epfdType, u""_s}}, slot::epfdType}),
    test::ByWhat());

struct PassCase {
    int slot;
    const char16_t *value;
    const char16_t *written; // what the body carries for it
};

class OwnShipLimits : public OwnShip, public testing::WithParamInterface<PassCase> {};

TEST_P(OwnShipLimits, ValuesAtTheirLimitsPass)
{
    Values v = workedExample();
    v[GetParam().slot] = QString::fromUtf16(GetParam().value);
    fill(v);
    const BuildResult r = build();
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.sentence.contains(QString::fromUtf16(GetParam().written)));
}

INSTANTIATE_TEST_SUITE_P(Fields, OwnShipLimits,
                         testing::Values(PassCase{slot::draught, u"25.5", u"70255412"},
                                         PassCase{slot::draught, u"0", u"70000412"},
                                         PassCase{slot::antennaA, u"511", u"          511020"},
                                         PassCase{slot::antennaC, u"63", u"02063"},
                                         PassCase{slot::shipName, u"ABCDEFGHIJKLMNOPQRST", u"ABCDEFGHIJKLMNOPQRST100"},
                                         PassCase{slot::mmsi, u"", u"70085000000000009123456"},
                                         PassCase{slot::crewCount, u"9999", u"$CVUIS,9999BXYZ9"}));

TEST_F(OwnShip, ShipTypeCodesBelowTenNeedALeadingZero)
{
    fill(workedExample());
    f.form.setChoiceEntries(slot::shipType, {u"7(test)"_s, u"07(test)"_s});
    ASSERT_TRUE(f.form.selectChoice(slot::shipType, 0));
    EXPECT_EQ(build().failedSlot, slot::shipType);
    ASSERT_TRUE(f.form.selectChoice(slot::shipType, 1));
    EXPECT_TRUE(build().ok());
}

TEST_F(OwnShip, LetsPendingEventsRunBetweenFields)
{
    fill(workedExample());
    (void)build();
    EXPECT_GE(host.eventPasses, 12);
}

} // namespace
