#include "validation/EntryRules.h"
#include "ScriptedHost.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "ui/core/Pages.h"
#include "ui/core/WindowLayout.h"
#include "validation/FieldLimits.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// The window right after start: page 1 on screen, every list on its start entry.
class EntryRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        applyStartState(form);
        ShowPage(form, layout, host, Page::OwnShip);
        form.setVisible(true);
        host.focus = {FieldKind::Edit, -1};
    }

    // Enters a field and types, as the user does: the first key replaces the
    // selected content.
    void type(int slot, const QString &keys)
    {
        rules.text1_GotFocus(slot);
        for (QChar c : keys)
            form.typeIntoEdit(slot, c);
    }
    // The keypad decimal key: the handler runs, then the field gets the key.
    void decimalKey(int slot)
    {
        rules.text1_KeyDown(slot, kKeyDecimal);
        form.typeIntoEdit(slot, u'.');
    }
    QString typeAndLeave(int slot, const QString &keys)
    {
        type(slot, keys);
        rules.text1_LostFocus(slot);
        return form.editText(slot);
    }

    Form form;
    WindowLayout layout;
    test::ScriptedHost host;
    std::vector<Group> writes;
    QStringList antennaAtShipSize; // antenna A and D texts each time the ship size is shown
    EntryRules rules{
        form,
        layout,
        host,
        {[this](Group group) { writes.push_back(group); },
         [this] { antennaAtShipSize << form.editText(slot::antennaA) + u'|' + form.editText(slot::antennaD); }}};
};

TEST_F(EntryRulesTest, DecimalKeyPutsAOneDigitDraughtBeforeThePoint)
{
    rules.text1_GotFocus(slot::draught);
    decimalKey(slot::draught);
    EXPECT_EQ(form.editText(slot::draught), QStringLiteral("_0._米"));
    EXPECT_EQ(form.edit(slot::draught).caret(), 3); // on the tenths digit
    EXPECT_EQ(form.mirror(slot::draught), QStringLiteral("0"));

    type(slot::draught, QStringLiteral("7"));
    decimalKey(slot::draught);
    form.typeIntoEdit(slot::draught, u'5');
    EXPECT_EQ(form.editText(slot::draught), QStringLiteral("_7.5米"));
}

TEST_F(EntryRulesTest, DecimalKeyBetweenTwoDigitsMakesThemMetresAndTenths)
{
    type(slot::draught, QStringLiteral("12"));
    form.setEditCaret(slot::draught, 1);
    decimalKey(slot::draught);
    EXPECT_EQ(form.editText(slot::draught), QStringLiteral("_1.2米"));
    EXPECT_EQ(form.edit(slot::draught).caret(), 5);

    // Two digits with the caret behind them are left alone.
    type(slot::draught, QStringLiteral("12"));
    rules.text1_KeyDown(slot::draught, kKeyDecimal);
    EXPECT_EQ(form.editText(slot::draught), QStringLiteral("12._米"));
}

TEST_F(EntryRulesTest, DecimalKeyOutsideTheDraughtDoesNothing)
{
    type(slot::antennaC, QStringLiteral("7"));
    rules.text1_KeyDown(slot::antennaC, kKeyDecimal);
    EXPECT_EQ(form.editText(slot::antennaC), QStringLiteral("7_米"));
    EXPECT_EQ(form.mirror(slot::antennaC), QString());
}

struct LeaveCase {
    int slot;
    const char16_t *typed;
    const char16_t *left; // the field's text after leaving it
};

TEST_F(EntryRulesTest, LeavingAFieldTidiesAndLimitsItsText)
{
    const LeaveCase cases[] = {
        {slot::draught, u"260", u"25.5米"},  // 26.0 is above the limit
        {slot::draught, u"255", u"25.5米"},  // the limit itself stays
        {slot::draught, u"085", u"_8.5米"},  // leading zero dropped
        {slot::crewCount, u"0012", u"12__"}, // whole number, placed as typed
        {slot::antennaA, u"600", u"511米"},
        {slot::antennaB, u"511", u"511米"},
        {slot::antennaB, u"020", u"20_米"}, // whole metres stand at the left
        {slot::antennaC, u"5", u"5_米"},
        {slot::antennaC, u"63", u"63米"},
        {slot::antennaD, u"64", u"63米"},
        {slot::mmsi, u"012345678", u"012345678"}, // never rewritten
        {slot::imoNumber, u"0001", u"0001_____"},
        {slot::callSign, u"bz4ab", u"BZ4AB__"},
        {slot::shipName, u"hai xing", u"HAI XING____________"},
    };
    for (const LeaveCase &c : cases)
        EXPECT_EQ(typeAndLeave(c.slot, QString::fromUtf16(c.typed)), QString::fromUtf16(c.left))
            << "slot " << c.slot << " typed " << QString::fromUtf16(c.typed).toStdString();
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(EntryRulesTest, AnUntouchedDraughtIsLeftUntouched)
{
    EXPECT_EQ(typeAndLeave(slot::draught, {}), QStringLiteral("__._米"));
    EXPECT_EQ(form.mirror(slot::draught), QStringLiteral(".")); // which the write refuses
}

TEST_F(EntryRulesTest, LeavingStoresTheCleanValueOfTheUpperCaseText)
{
    typeAndLeave(slot::shipName, QStringLiteral("a_b"));
    EXPECT_EQ(form.mirror(slot::shipName), QStringLiteral("AB"));
    typeAndLeave(slot::draught, QStringLiteral("26"));
    EXPECT_EQ(form.mirror(slot::draught), QStringLiteral("26.")); // before the limit
}

TEST_F(EntryRulesTest, ACharacterOutsideTheSixBitSetIsRemovedWithAMessage)
{
    EXPECT_EQ(typeAndLeave(slot::callSign, QStringLiteral("ab中c")), QStringLiteral("ABC____"));
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0], QStringLiteral("录入的数据不对,应仔细查询 只能为字母数字"));
    EXPECT_EQ(host.titles[0], QStringLiteral("Ais设置"));
    EXPECT_TRUE(form.isEnabled());

    EXPECT_EQ(typeAndLeave(slot::shipName, QStringLiteral("海A")), QStringLiteral("A") + QString(19, u'_'));
    EXPECT_EQ(host.messages.size(), 2);
}

// The limits the command-line tool refuses values by are the ones the leaving
// rule applies: a character stays in the call sign or ship name exactly when
// the field limits let it through.
TEST_F(EntryRulesTest, TheFieldLimitsAgreeWithTheLeavingRule)
{
    QList<char32_t> characters;
    for (char32_t c = 32; c < 127; ++c)
        characters << c;
    characters << U'\u00e9' << U'\u00df' << U'\u0131' << U'\u017f' << U'\uff21' << U'\u6d77' << U'\u00a0';
    for (const int s : {int(slot::callSign), int(slot::shipName)}) {
        for (const char32_t c : characters) {
            host.messages.clear();
            typeAndLeave(s, QStringLiteral("A") + QString::fromUcs4(&c, 1));
            const bool kept = host.messages.isEmpty();
            EXPECT_EQ(kept, !firstCharacterFieldCannotHold(s, QString::fromUcs4(&c, 1)).has_value())
                << "slot " << s << " U+" << std::hex << uint(c);
        }
    }
}

TEST_F(EntryRulesTest, TheSixBitFilterHoldsTheWindowDisabledWhileItRewrites)
{
    std::vector<bool> enabledStates;
    QObject::connect(&form, &Form::enabledChanged, [&](bool on) { enabledStates.push_back(on); });
    typeAndLeave(slot::callSign, QStringLiteral("中"));
    EXPECT_EQ(enabledStates, (std::vector<bool>{false, true}));
    // A leave event that arrives while it is disabled is ignored.
    QObject::disconnect(&form, &Form::enabledChanged, nullptr, nullptr);
    QObject::connect(&form, &Form::editChanged, [&](int s) {
        if (s == slot::callSign && !form.isEnabled())
            rules.text1_LostFocus(slot::shipName);
    });
    type(slot::shipName, QStringLiteral("low"));
    typeAndLeave(slot::callSign, QStringLiteral("x"));
    EXPECT_EQ(form.editText(slot::shipName).left(3), QStringLiteral("low"));
}

TEST_F(EntryRulesTest, TheShipSizeIsShownWithTheLimitedAntennaValues)
{
    typeAndLeave(slot::antennaA, QStringLiteral("600"));
    typeAndLeave(slot::antennaD, QStringLiteral("64"));
    rules.text1_GotFocus(slot::antennaB);
    rules.text1_LostFocus(slot::antennaB); // untouched: shown all the same
    EXPECT_EQ(antennaAtShipSize,
              (QStringList{QStringLiteral("511米|__米"), QStringLiteral("511米|63米"), QStringLiteral("511米|63米")}));
}

TEST_F(EntryRulesTest, NothingChangesWhileTheWindowIsDisabledOrHidden)
{
    type(slot::callSign, QStringLiteral("ab"));
    type(slot::draught, QStringLiteral("26"));
    form.setEnabled(false);
    rules.text1_LostFocus(slot::callSign);
    rules.text1_LostFocus(slot::draught);
    form.setEnabled(true);
    form.setVisible(false);
    rules.text1_LostFocus(slot::callSign);
    rules.text1_LostFocus(slot::draught);
    EXPECT_EQ(form.editText(slot::callSign), QStringLiteral("ab_____"));
    EXPECT_EQ(form.editText(slot::draught), QStringLiteral("26._米"));
    EXPECT_EQ(form.mirror(slot::draught), QString());
}

TEST_F(EntryRulesTest, OffThePageOneRulesOnlyUpperCaseAndCopy)
{
    type(slot::draught, QStringLiteral("26"));
    type(slot::callSign, QStringLiteral("a中"));
    Tab1_Click(form, layout, host, Page::System);
    rules.text1_LostFocus(slot::draught);
    rules.text1_LostFocus(slot::callSign);
    EXPECT_EQ(form.editText(slot::draught), QStringLiteral("26._米"));
    EXPECT_EQ(form.editText(slot::callSign), QStringLiteral("A中_____"));
    EXPECT_EQ(form.mirror(slot::callSign), QStringLiteral("A中"));
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(EntryRulesTest, EnteringAFieldSelectsItsContent)
{
    type(slot::mmsi, QStringLiteral("123"));
    rules.text1_GotFocus(slot::mmsi);
    EXPECT_EQ(form.edit(slot::mmsi).selectionStart(), 0);
    EXPECT_EQ(form.edit(slot::mmsi).selectionLength(), 9);
    EXPECT_EQ(form.edit(slot::mmsi).caret(), 0);
}

// Follows the Enter key from a page's first field until it reaches a field
// without a next one; returns the fields it went through.
std::vector<int> enterWalk(EntryRules &rules, test::ScriptedHost &host, FieldKind kind, int from)
{
    std::vector<int> seen{from};
    host.focus = {kind, from};
    for (int guard = 0; guard < 40; ++guard) {
        const auto [k, s] = host.focus;
        if (k == FieldKind::Edit)
            rules.text1_KeyDown(s, kKeyEnter);
        else
            rules.Combo1_KeyDown(s, kKeyEnter);
        if (host.focus == std::pair{k, s})
            break;
        seen.push_back(host.focus.second);
    }
    return seen;
}

TEST_F(EntryRulesTest, EnterWalksThroughTheOwnShipPageAndStartsItsWrite)
{
    using namespace slot;
    EXPECT_EQ(enterWalk(rules, host, FieldKind::Edit, mmsi),
              (std::vector<int>{mmsi, shipName, callSign, imoNumber, shipType, draught, crewCount, antennaA, antennaB,
                                antennaC, antennaD, epfdType}));
    EXPECT_EQ(host.focus.first, FieldKind::Choice); // ship type and EPFD are choice lists
    EXPECT_EQ(writes, std::vector<Group>{Group::OwnShip});
}

TEST_F(EntryRulesTest, EnterWalksThroughTheSystemPageAndStartsItsWrite)
{
    using namespace slot;
    Tab1_Click(form, layout, host, Page::System);
    EXPECT_EQ(
        enterWalk(rules, host, FieldKind::Choice, channel1),
        (std::vector<int>{channel1, channel2, soundPromptRange, lightPrompt, promptVolume, alarmVolume, alarmRange,
                          keyBrightness, lcdMode, vhfTalk, dataOutput, arrivalRange, approachDisplay, alarm16}));
    EXPECT_EQ(writes, std::vector<Group>{Group::System});
}

TEST_F(EntryRulesTest, EnterStartsAWriteOnlyWhenThePagesButtonIsShown)
{
    rules.Combo1_KeyDown(slot::alarm16, kKeyEnter); // the own-ship page: the system button is hidden
    Tab1_Click(form, layout, host, Page::System);
    rules.Combo1_KeyDown(slot::epfdType, kKeyEnter);
    EXPECT_TRUE(writes.empty());
}

TEST_F(EntryRulesTest, FieldsOffTheWalkIgnoreEnterAndOtherKeysMoveNothing)
{
    for (int s : {slot::aisTransmit, slot::autoRange, slot::gpsOutput, slot::customMessage, slot::autoVhfOff})
        rules.Combo1_KeyDown(s, kKeyEnter);
    rules.text1_KeyDown(slot::vendorNumber, kKeyEnter);
    rules.text1_KeyDown(slot::mmsi, 'A');
    rules.Combo1_KeyDown(slot::channel1, 9);
    EXPECT_EQ(host.focus.second, -1);
    EXPECT_TRUE(writes.empty());
}

} // namespace

namespace {

// The factory page of the installer's edition, on screen.
TEST(FactoryPageRules, EnterWalksToTheWriteAndTheVendorNumberKeepsSixBitCharacters)
{
    Form form;
    WindowLayout layout(Edition::Full);
    test::ScriptedHost host;
    std::vector<Group> writes;
    EntryRules rules{form, layout, host, {[&writes](Group group) { writes.push_back(group); }, {}}};
    applyStartState(form);
    ShowPage(form, layout, host, Page::OwnShip);
    form.setVisible(true);
    Tab1_Click(form, layout, host, Page::Factory);

    const std::pair<int, int> steps[] = {{slot::vendorNumber, slot::factoryDate},
                                         {slot::factoryDate, slot::machineNumber},
                                         {slot::machineNumber, slot::powerOnTime}};
    for (const auto &[from, to] : steps) {
        rules.text1_KeyDown(from, kKeyEnter);
        EXPECT_EQ(host.focus, std::make_pair(FieldKind::Edit, to)) << from;
    }
    EXPECT_TRUE(writes.empty());
    rules.text1_KeyDown(slot::powerOnTime, kKeyEnter);
    EXPECT_EQ(writes, std::vector<Group>{Group::Factory});

    // Upper case, then only the unit's six-bit characters, with the six-bit message.
    ASSERT_TRUE(form.setEditText(slot::vendorNumber, u"ab中1"_s));
    rules.text1_LostFocus(slot::vendorNumber);
    EXPECT_EQ(form.editText(slot::vendorNumber), u"AB1"_s);
    EXPECT_EQ(host.messages, QStringList{u"录入的数据不对,应仔细查询 只能为字母数字"_s});
    ASSERT_TRUE(form.setEditText(slot::vendorNumber, u"zl-01"_s));
    rules.text1_LostFocus(slot::vendorNumber);
    EXPECT_EQ(form.editText(slot::vendorNumber), u"ZL-01"_s);
    EXPECT_EQ(host.messages.size(), 1);
}

} // namespace
