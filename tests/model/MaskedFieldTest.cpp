#include "model/MaskedField.h"
#include "model/ChoiceList.h"

#include <gtest/gtest.h>

using aisset::ChoiceList;
using aisset::MaskedField;

namespace {

MaskedField withMask(const char16_t *mask)
{
    MaskedField f;
    f.setMask(QString::fromUtf16(mask));
    return f;
}

struct WriteCase {
    const char16_t *mask;
    const char16_t *text;
    bool taken;
    const char16_t *result; // the field's text afterwards
};

class MaskedWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(MaskedWrite, TakesOrRefusesByTheMaskRule)
{
    const WriteCase &c = GetParam();
    MaskedField f = withMask(c.mask);
    EXPECT_EQ(f.setText(QString::fromUtf16(c.text)), c.taken);
    EXPECT_EQ(f.text(), QString::fromUtf16(c.result));
}

INSTANTIATE_TEST_SUITE_P(Texts, MaskedWrite,
                         testing::Values(
                             // Full-length texts: literals in place, input positions "_" or taken characters.
                             WriteCase{u"##.#米", u"__._米", true, u"__._米"},
                             WriteCase{u"##.#米", u"25.5米", true, u"25.5米"},
                             WriteCase{u"##.#米", u"0012米", false, u"__._米"}, // a digit in the "." position
                             WriteCase{u"#########", u"12345678A", false, u"_________"},
                             WriteCase{u"CCCCCCC", u"B 中_x!*", true, u"B 中_x!*"},
                             WriteCase{u"###米", u"____", false, u"___米"}, // "_" where the literal stands
                             WriteCase{u"####", u"", false, u"____"},       // the empty text is refused
                             WriteCase{u"####", u"12345", false, u"____"},  // longer than the mask
                             // Shorter texts are placed as if typed; digits before a typed literal right-align.
                             WriteCase{u"####", u"12", true, u"12__"}, WriteCase{u"##.#米", u"8.5米", true, u"_8.5米"},
                             WriteCase{u"###米", u"20米", true, u"_20米"},
                             WriteCase{u"###米", u"2x", false, u"___米"}));

TEST(MaskedField, WithoutMaskTakesAnyTextUpToItsMaximumLength)
{
    MaskedField f;
    EXPECT_TRUE(f.setText(QStringLiteral("09年08月17日")));
    EXPECT_TRUE(f.setText(QString()));
    f.setMaxLength(3);
    EXPECT_FALSE(f.setText(QStringLiteral("1234")));
    EXPECT_EQ(f.text(), QString());
}

TEST(MaskedField, TypingFillsInputPositionsAndSkipsLiterals)
{
    MaskedField f = withMask(u"##.#米");
    for (QChar c : QStringLiteral("255"))
        EXPECT_TRUE(f.typeChar(c));
    EXPECT_EQ(f.text(), QStringLiteral("25.5米"));
    EXPECT_FALSE(f.typeChar(u'1')); // no input position left
    f.setCaret(1);
    EXPECT_FALSE(f.typeChar(u'x'));
    f.backspace();
    EXPECT_EQ(f.text(), QStringLiteral("_5.5米"));
    f.setSelection(0, 5);
    f.deleteForward();
    EXPECT_EQ(f.text(), QStringLiteral("__._米"));
}

TEST(MaskedField, TypingOverASelectionReplacesIt)
{
    MaskedField f = withMask(u"#########");
    ASSERT_TRUE(f.setText(QStringLiteral("412345678")));
    f.setSelection(0, 9);
    EXPECT_TRUE(f.typeChar(u'9'));
    EXPECT_EQ(f.text(), QStringLiteral("9________"));
    EXPECT_EQ(f.caret(), 1);
}

TEST(ChoiceList, SelectsByPositionAndExactText)
{
    ChoiceList list;
    list.setEntries({QStringLiteral("开"), QStringLiteral("关")});
    EXPECT_TRUE(list.selectText(QStringLiteral("关")));
    EXPECT_EQ(list.position(), 1);
    EXPECT_FALSE(list.selectText(QStringLiteral("关闭")));
    EXPECT_FALSE(list.selectText(QString()));
    EXPECT_EQ(list.position(), 1);
    EXPECT_FALSE(list.select(2));
    EXPECT_TRUE(list.select(-1));
    EXPECT_EQ(list.text(), QString());
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

TEST(ChoiceList, ValueTextIsThePartBeforeTheBracket)
{
    EXPECT_EQ(aisset::valueText(QStringLiteral("2087(161.9750)MHz")), QStringLiteral("2087"));
    EXPECT_EQ(aisset::valueText(QStringLiteral("6(导航系统")), QStringLiteral("6"));
    EXPECT_EQ(aisset::valueText(QStringLiteral("关闭")), QStringLiteral("关闭"));
}

} // namespace
