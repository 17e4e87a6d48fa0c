#include "validation/FieldLimits.h"
#include "encoding/BuildSupport.h"
#include "model/FieldTable.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

TEST(FieldLimits, TheFirstCharacterAFieldCannotHold)
{
    const struct {
        int slot;
        QString value;
        std::optional<char32_t> refused;
    } cases[] = {
        {slot::shipName, u"HAI XING 7"_s, std::nullopt},
        {slot::shipName, u"hai xing 7"_s, std::nullopt}, // upper-cased by the builder
        {slot::shipName, u"X\r\n$CVUIS,ZZ"_s, U'\r'},
        {slot::shipName, u"海星七号"_s, U'海'},
        {slot::shipName, u"AB"_s + QChar(u'\0') + u"C"_s, U'\0'},
        {slot::shipName, u"A\U0001F6A2"_s, U'\U0001F6A2'},
        {slot::callSign, u"bxyz9"_s, std::nullopt},
        {slot::callSign, u"BX`Z"_s, U'`'},
        {slot::callSign, u"BX~Z"_s, U'~'},
        {slot::callSign, u"\uff22X"_s, U'\uff22'}, // full-width B
        {slot::callSign, u"caf\u00e9"_s, U'\u00e9'},
        {slot::vendorNumber, u"ab12"_s, std::nullopt},
        {slot::vendorNumber, u"AB{1"_s, U'{'},
        {slot::vendorNumber, u"编号"_s, U'编'},
        {slot::mmsi, u"4123\t45678"_s, U'\t'},
        {slot::draught, u"8.5\u0085"_s, U'\u0085'}, // a C1 control
        {slot::shipType, u"70\u001b[2J"_s, U'\u001b'},
        {slot::shipType, u"70(货船)"_s, std::nullopt}, // only six-bit fields keep to the set
        {slot::factoryDate, u"090817"_s, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(firstCharacterFieldCannotHold(c.slot, c.value), c.refused) << c.value.toStdString();
}

// Every field that goes out as a zero-filled number takes digits only: a sign or
// a point would go out inside the number ("0000000-1"), another character be
// dropped by the tidying ("1_2" as 12). The command line refuses them with this.
TEST(FieldLimits, DigitFieldsOfAllThreeGroupsTakeDigitsOnly)
{
    const int digitFields[] = {slot::crewCount, slot::mmsi,        slot::imoNumber,     slot::antennaA,
                               slot::antennaB,  slot::antennaC,    slot::antennaD,      slot::factoryDate,
                               slot::machineNumber, slot::powerOnTime};
    const struct {
        QString value;
        char32_t refused;
    } bad[] = {{u"-1"_s, U'-'}, {u"+1"_s, U'+'}, {u"1.5"_s, U'.'}, {u"1 2"_s, U' '},
               {u"12a"_s, U'a'}, {u"1e3"_s, U'e'}, {u"１"_s, U'１'}}; // a full-width 1
    for (const int s : digitFields) {
        SCOPED_TRACE(str(field(s).name).toStdString());
        EXPECT_TRUE(isDigitField(s));
        EXPECT_EQ(firstCharacterFieldCannotHold(s, u"0123"_s), std::nullopt);
        EXPECT_EQ(firstCharacterFieldCannotHold(s, u" 12 "_s), std::nullopt); // blanks around are trimmed
        for (const auto &b : bad)
            EXPECT_EQ(firstCharacterFieldCannotHold(s, b.value), b.refused) << b.value.toStdString();
    }
    // "_" is a mask's prompt, never a digit field's own character.
    EXPECT_EQ(firstCharacterFieldCannotHold(slot::machineNumber, u"1_2"_s), U'_');
    EXPECT_EQ(firstCharacterFieldCannotHold(slot::powerOnTime, u"1_2"_s), U'_');
    EXPECT_EQ(firstCharacterFieldCannotHold(slot::crewCount, u"25__"_s), std::nullopt);
    EXPECT_EQ(firstCharacterFieldCannotHold(slot::antennaA, u"100米"_s), std::nullopt);
    EXPECT_EQ(firstCharacterFieldCannotHold(slot::factoryDate, u"09年08月17日"_s), std::nullopt);
    // The draught is a decimal, not a digit field.
    EXPECT_FALSE(isDigitField(slot::draught));
    EXPECT_EQ(firstCharacterFieldCannotHold(slot::draught, u"8.5"_s), std::nullopt);
}

TEST(FieldLimits, ACharacterIsNamedReadably)
{
    EXPECT_EQ(describeCharacter(U'海'), u"\"海\" (U+6D77)"_s);
    EXPECT_EQ(describeCharacter(U'`'), u"\"`\" (U+0060)"_s);
    EXPECT_EQ(describeCharacter(U'\r'), u"U+000D"_s);
    EXPECT_EQ(describeCharacter(U'\U0001F6A2'), u"\"\U0001F6A2\" (U+1F6A2)"_s);
}

} // namespace
