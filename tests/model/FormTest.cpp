#include "FormFixture.h"
#include "StartSelections.h"
#include "model/ChoiceTables.h"
#include "model/FieldTable.h"
#include "model/Normalise.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

TEST(Normalise, CcgDropsPromptsAndUnitLiterals)
{
    EXPECT_EQ(ccg(QStringLiteral("_8.5米")), QStringLiteral("8.5"));
    EXPECT_EQ(ccg(QStringLiteral("__._米")), QStringLiteral("."));
    EXPECT_EQ(ccg(QStringLiteral("___米")), QString());
    EXPECT_EQ(ccg(QStringLiteral("09年08月17日")), QStringLiteral("090817"));
    EXPECT_EQ(ccg(QStringLiteral("HAI_XING")), QStringLiteral("HAIXING"));
}

TEST(StartState, ChoiceListsStartOnTheirStartEntries)
{
    test::StartForm f;
    for (const auto &[s, text] : test::kStartSelections)
        EXPECT_EQ(f.form.choiceText(s), QString::fromUtf16(text)) << "slot " << s;
}

TEST(StartState, ListsHaveTheirEntryCountsAndTheChannelRuns)
{
    const std::pair<int, int> counts[] = {
        {slot::shipType, 25},         {slot::epfdType, 8},     {slot::channel1, 180},
        {slot::soundPromptRange, 16}, {slot::promptVolume, 8}, {slot::keyBrightness, 4},
        {slot::arrivalRange, 16},     {slot::dataOutput, 4},   {slot::crewCount, 0}};
    for (const auto &[s, n] : counts)
        EXPECT_EQ(choiceEntries(s).size(), n) << "slot " << s;
    const QStringList &ch = channelEntries();
    EXPECT_EQ(ch[0], QStringLiteral("1001(156.0500)MHz"));
    EXPECT_EQ(ch[42], QStringLiteral("1088(157.4250)MHz"));
    EXPECT_EQ(ch[98], QStringLiteral("1288(157.4125)MHz"));
    EXPECT_EQ(ch[145], QStringLiteral("2201(160.6625)MHz"));
    EXPECT_EQ(ch[178], QStringLiteral("2287(161.9675)MHz"));
    QStringList unique = ch;
    EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(StartState, MasksLeaveEveryEditFieldBlank)
{
    test::StartForm f;
    EXPECT_EQ(f.form.editText(slot::draught), QStringLiteral("__._米"));
    EXPECT_EQ(f.form.editText(slot::antennaA), QStringLiteral("___米"));
    EXPECT_EQ(f.form.editText(slot::shipName), QString(20, u'_'));
    EXPECT_EQ(f.form.editText(slot::factoryDate), QString());
}

TEST(BlankForm, GivesEveryFieldItsBlankForm)
{
    test::StartForm f;
    ASSERT_TRUE(enterValue(f.form, slot::antennaA, QStringLiteral("100")));
    ASSERT_TRUE(enterValue(f.form, slot::machineNumber, QStringLiteral("12345")));
    blankForm(f.form);
    EXPECT_EQ(f.form.editText(slot::antennaA), QStringLiteral("___米"));
    EXPECT_EQ(f.form.editText(slot::crewCount), QStringLiteral("____"));
    EXPECT_EQ(f.form.editText(slot::draught), QStringLiteral("__._米"));
    EXPECT_EQ(f.form.editText(slot::factoryDate), QStringLiteral("__年__月__日"));
    EXPECT_EQ(f.form.editText(slot::machineNumber), QStringLiteral("_____"));
    EXPECT_EQ(f.form.choice(slot::channel1).position(), -1);
    EXPECT_EQ(f.form.choice(slot::channel1).count(), 180);
}

TEST(FieldInput, EntersValuesAsTypingAndSelectsChoicesByCode)
{
    test::StartForm f;
    EXPECT_TRUE(enterValue(f.form, slot::draught, QStringLiteral("8.5")));
    EXPECT_EQ(f.form.editText(slot::draught), QStringLiteral("_8.5米"));
    EXPECT_FALSE(enterValue(f.form, slot::mmsi, QStringLiteral("12AB")));
    EXPECT_FALSE(enterValue(f.form, slot::callSign, QStringLiteral("ABCDEFGH")));
    EXPECT_TRUE(selectChoiceValue(f.form, slot::shipType, QStringLiteral("70")));
    EXPECT_EQ(f.form.choiceText(slot::shipType), QStringLiteral("70(货船)"));
    EXPECT_TRUE(selectChoiceValue(f.form, slot::channel1, QStringLiteral("1088")));
    EXPECT_FALSE(selectChoiceValue(f.form, slot::lightPrompt, QStringLiteral("关闭")));
    EXPECT_TRUE(selectChoiceValue(f.form, slot::shipType, QString()));
    EXPECT_EQ(f.form.choice(slot::shipType).position(), -1);
}

} // namespace

namespace {

TEST(ReceiveLog, GrowsByAppendingAndKeepsTheNewestTextPastItsLimit)
{
    aisset::Form form;
    form.appendReceiveLog(u"!CVACK\r\n"_s);
    form.appendReceiveLog(u"abc"_s);
    EXPECT_EQ(form.receiveLog(), u"!CVACK\r\nabc"_s);
    const QString noise(aisset::Form::kReceiveLogLimit, u'x');
    form.appendReceiveLog(noise);
    form.appendReceiveLog(u"END"_s);
    EXPECT_LE(form.receiveLog().size(), aisset::Form::kReceiveLogLimit);
    EXPECT_TRUE(form.receiveLog().endsWith(u"xEND"_s));
}

} // namespace
