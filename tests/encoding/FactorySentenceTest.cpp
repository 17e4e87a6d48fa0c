#include "encoding/FactorySentence.h"
#include "FormFixture.h"
#include "ScriptedHost.h"
#include "SentenceTesting.h"
#include "model/FieldInput.h"

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

using Values = std::map<int, QString>;

// The worked example: 17 August 2009 as the reply decoding writes it.
Values workedExample()
{
    return {{slot::factoryDate, u"09年08月17日"_s},
            {slot::machineNumber, u"12345"_s},
            {slot::powerOnTime, u"120"_s},
            {slot::vendorNumber, u"AB12"_s}};
}

class FactorySentence : public testing::Test {
protected:
    void fill(const Values &changes)
    {
        Values v = workedExample();
        for (const auto &[s, text] : changes)
            v[s] = text;
        for (const auto &[s, text] : v)
            ASSERT_TRUE(enterValue(f.form, s, text)) << s << " " << text.toStdString();
    }
    BuildResult build() { return getcode2(f.form, host, &sink); }

    test::StartForm f;
    test::ScriptedHost host;
    test::CountingSink sink;
};

TEST_F(FactorySentence, WorkedExampleGivesTheSentenceWithChecksum7C)
{
    fill({});
    f.form.setEnabled(false);
    const BuildResult r = build();
    const QString body = u"090817000012345"
                         u"0120"
                         u"AB12   "_s;
    ASSERT_EQ(body.size(), 26);
    EXPECT_EQ(r.sentence, u"$CVEFS,"_s + body + u"*7C\r\n"_s);
    EXPECT_EQ(f.form.sentCommands(), QStringList{u"$CVEFS,"_s + body + u"*7CChr(13)Chr(10)"_s});
    EXPECT_EQ(sink.factory, 1);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_FALSE(f.form.isEnabled()); // the caller enables the window after sending
    EXPECT_GE(host.eventPasses, 3);   // once per date, number and time field
}

struct PassCase {
    const char *what;
    Values changes;
    const char16_t *body;
};

class FactoryValues : public FactorySentence, public testing::WithParamInterface<PassCase> {};

TEST_P(FactoryValues, AreWrittenAtTheirWidths)
{
    fill(GetParam().changes);
    EXPECT_EQ(build().sentence.mid(7, 26), QString::fromUtf16(GetParam().body));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FactoryValues,
    testing::Values(
        PassCase{"leap day 2008", {{slot::factoryDate, u"08年02月29日"_s}}, u"0802290000123450120AB12   "},
        PassCase{"leap day 2000", {{slot::factoryDate, u"000229"_s}}, u"0002290000123450120AB12   "},
        PassCase{"digits only date", {{slot::factoryDate, u"991231"_s}}, u"9912310000123450120AB12   "},
        PassCase{"nine digit machine number", {{slot::machineNumber, u"123456789"_s}}, u"0908171234567890120AB12   "},
        PassCase{"seven character vendor", {{slot::vendorNumber, u"ABCDEFG"_s}}, u"0908170000123450120ABCDEFG"},
        PassCase{"lower case vendor", {{slot::vendorNumber, u"ab12"_s}}, u"0908170000123450120AB12   "},
        PassCase{"empty time and vendor",
                 {{slot::powerOnTime, u""_s}, {slot::vendorNumber, u""_s}},
                 u"0908170000123450000       "},
        PassCase{"surrounding blanks", {{slot::machineNumber, u" 12345 "_s}}, u"0908170000123450120AB12   "}),
    test::ByWhat());

struct FailCase {
    const char *what;
    Values changes;
    int failedSlot;
};

class FactoryChecks : public FactorySentence, public testing::WithParamInterface<FailCase> {};

TEST_P(FactoryChecks, RefuseOnceWithFocusOnTheLastFailingField)
{
    fill(GetParam().changes);
    f.form.setEnabled(false);
    test::expectRefused(build(), f.form, host, GetParam().failedSlot, FieldKind::Edit);
    EXPECT_EQ(sink.factory, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FactoryChecks,
    testing::Values(
        FailCase{"29 February 2009", {{slot::factoryDate, u"09年02月29日"_s}}, slot::factoryDate},
        FailCase{"month 13", {{slot::factoryDate, u"091317"_s}}, slot::factoryDate},
        FailCase{"day 0", {{slot::factoryDate, u"090800"_s}}, slot::factoryDate},
        FailCase{"prompt left in date", {{slot::factoryDate, u"09年08月1_日"_s}}, slot::factoryDate},
        FailCase{"untouched date", {{slot::factoryDate, u"__年__月__日"_s}}, slot::factoryDate},
        FailCase{"seven digit date", {{slot::factoryDate, u"0908170"_s}}, slot::factoryDate},
        FailCase{"date with a sign", {{slot::factoryDate, u"+90817"_s}}, slot::factoryDate},
        FailCase{"empty machine number", {{slot::machineNumber, u""_s}}, slot::machineNumber},
        FailCase{"ten digit machine number", {{slot::machineNumber, u"1234567890"_s}}, slot::machineNumber},
        FailCase{"letters in machine number", {{slot::machineNumber, u"12A45"_s}}, slot::machineNumber},
        FailCase{"five digit power on time", {{slot::powerOnTime, u"12345"_s}}, slot::powerOnTime},
        FailCase{"letters in power on time", {{slot::powerOnTime, u"12h"_s}}, slot::powerOnTime},
        FailCase{"machine number with a sign", {{slot::machineNumber, u"-1"_s}}, slot::machineNumber},
        FailCase{"machine number with a plus", {{slot::machineNumber, u"+12"_s}}, slot::machineNumber},
        FailCase{"machine number with a point", {{slot::machineNumber, u"1.5"_s}}, slot::machineNumber},
        FailCase{"machine number with a prompt sign", {{slot::machineNumber, u"1_2"_s}}, slot::machineNumber},
        FailCase{"power on time with a sign", {{slot::powerOnTime, u"-1"_s}}, slot::powerOnTime},
        FailCase{"power on time with a point", {{slot::powerOnTime, u"1.5"_s}}, slot::powerOnTime},
        FailCase{"power on time with a prompt sign", {{slot::powerOnTime, u"1_2"_s}}, slot::powerOnTime},
        FailCase{"date with a prompt sign", {{slot::factoryDate, u"0_90817"_s}}, slot::factoryDate},
        FailCase{"line end in the vendor number", {{slot::vendorNumber, u"AB\r\n12"_s}}, slot::vendorNumber},
        FailCase{"eight character vendor", {{slot::vendorNumber, u"ABCDEFGH"_s}}, slot::vendorNumber},
        FailCase{
            "vendor and date", {{slot::vendorNumber, u"ABCDEFGH"_s}, {slot::factoryDate, u""_s}}, slot::factoryDate}),
    test::ByWhat());

} // namespace
