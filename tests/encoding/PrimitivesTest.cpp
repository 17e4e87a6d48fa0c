#include "encoding/Primitives.h"
#include "encoding/Gbk.h"
#include "encoding/ReplyChecksum.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

QString s(const char16_t *text) { return QString::fromUtf16(text); }

TEST(Padding, NeverCutsAndFillsToWidth)
{
    EXPECT_EQ(Allc(s(u"5"), 4), s(u"0005"));
    EXPECT_EQ(Allc(s(u"123456"), 4), s(u"123456"));
    EXPECT_EQ(Allc(QString(), 9), s(u"000000000"));
    EXPECT_EQ(AllBB(s(u"BXYZ"), 7), s(u"BXYZ   "));
    EXPECT_EQ(AllBB(QString(), 7), s(u"       "));
    EXPECT_EQ(AllBB(s(u"ABCDEFGH"), 7), s(u"ABCDEFGH"));
}

TEST(NumberBases, ConvertDigitStrings)
{
    EXPECT_EQ(A10TO2(0), s(u"0"));
    EXPECT_EQ(A10TO2(5), s(u"101"));
    EXPECT_EQ(A10to16(255), s(u"FF"));
    EXPECT_EQ(A10to16(16), s(u"10"));
    EXPECT_EQ(A10to16(0), QString());
    EXPECT_EQ(A16to10(s(u"ff")), 255);
    EXPECT_EQ(A16to10(QString()), 0);
    EXPECT_EQ(A16to10(s(u"1x")), 16); // a stray character still takes its position
    EXPECT_EQ(A2TO16(s(u"101")), s(u"5"));
    EXPECT_EQ(A2TO16(s(u"100000")), s(u"20"));
    EXPECT_EQ(A2TO16(s(u"00001010")), s(u"0A"));
    EXPECT_EQ(A2TO16(QString()), QString());
    EXPECT_EQ(A16TO2(s(u"2c")), s(u"00101100"));
    EXPECT_EQ(A16TO2(s(u"2-c")), s(u"00101100"));
    EXPECT_EQ(A2TO10(s(u"1011")), 11);
    EXPECT_EQ(A2TO10(s(u"1x1")), 5); // a non-digit reads as 0
    EXPECT_EQ(A2TO10(QString()), 0);
}

TEST(SixBit, CodesAndCharacters)
{
    EXPECT_EQ(A8T6(s(u"000000")), s(u"01000000"));
    EXPECT_EQ(A8T6(s(u"101100")), s(u"00101100"));
    const std::pair<int, char16_t> rows[] = {{0, u'@'},  {1, u'A'},  {26, u'Z'}, {31, u'_'}, {32, u' '},
                                             {36, u'$'}, {42, u'*'}, {44, u','}, {48, u'0'}, {63, u'?'}};
    for (const auto &[v, c] : rows)
        EXPECT_EQ(sixBitChar(v), QChar(c)) << v;
}

TEST(Text, HexFormRoundTrips)
{
    EXPECT_EQ(btoascT(s(u"000")), s(u"303030"));
    EXPECT_EQ(asctobT(s(u"303030")), s(u"000"));
    EXPECT_EQ(btoascT(s(u"海")), s(u"BAA3")); // a double-byte character: lead byte first
    EXPECT_EQ(asctobT(s(u"BAA3")), s(u"海"));
}

TEST(Checksum, IsTheExclusiveOrOfTheBytes)
{
    const std::pair<const char16_t *, const char16_t *> rows[] = {
        {u"abc", u"60"},    {u"CVUIS,", u"76"}, {u"CVSYS,", u"60"}, {u"CVEFS,", u"69"},
        {u"CVRSE,", u"7D"}, {u"A", u"41"},      {u"", u""}};
    for (const auto &[text, sum] : rows) {
        EXPECT_EQ(checksum(s(text)), s(sum)) << s(text).toStdString();
        EXPECT_EQ(a16All(btoascT(s(text))), s(sum));
    }
    // A Chinese character counts with both of its GBK bytes.
    EXPECT_EQ(checksum(s(u"海")), s(u"19"));
}

TEST(Framing, ReadRequestAndDisplayLine)
{
    const QString request = frameCode(s(u"CVRSE"), QString());
    EXPECT_EQ(request, s(u"$CVRSE,*7D\r\n"));
    EXPECT_EQ(displayLine(request), s(u"$CVRSE,*7DChr(13)Chr(10)"));
}

TEST(Numbers, NumValIsNumNumStr)
{
    EXPECT_DOUBLE_EQ(NumVal(s(u"12.5米")), 12.5);
    EXPECT_DOUBLE_EQ(NumVal(QString()), 0);
    EXPECT_DOUBLE_EQ(NumVal(s(u"_12")), 0);
    EXPECT_DOUBLE_EQ(NumVal(s(u" -7.5x")), -7.5);
    EXPECT_DOUBLE_EQ(NumVal(s(u"1.2.3")), 1.2);
    EXPECT_TRUE(IsNum(s(u"007")));
    EXPECT_TRUE(IsNum(s(u" 2.5 ")));
    EXPECT_FALSE(IsNum(QString()));
    EXPECT_FALSE(IsNum(s(u".")));
    EXPECT_FALSE(IsNum(s(u"1.2.3")));
    EXPECT_EQ(NumStr(125), s(u"125"));
    EXPECT_EQ(NumStr(0.5), s(u"0.5"));
    EXPECT_EQ(NumStr(2.3 * 10), s(u"23"));
    EXPECT_EQ(NumStr(8.5 * 10), s(u"85"));
    EXPECT_EQ(NumStr(-3), s(u"-3"));
    EXPECT_EQ(NumStr(0), s(u"0"));
}

TEST(Gbk, StreamDecoderJoinsSplitPairsAndSurvivesBadBytes)
{
    GbkStreamDecoder decoder;
    QString text = decoder.decode(QByteArray("A\xba", 2));
    text += decoder.decode(QByteArray("\xa3"
                                      "B",
                                      2));
    EXPECT_EQ(text, s(u"A海B"));
    const QString bad = decoder.decode(QByteArray("\xff\xff\x80"
                                                  "C",
                                                  4));
    EXPECT_TRUE(bad.endsWith(u'C'));
    EXPECT_EQ(toGbk(s(u"A海")), QByteArray("A\xba\xa3"));
}

// What cannot be converted, both ways, as the header says.
TEST(Gbk, UnconvertibleTextAndBytesBecomeWhatTheHeaderSays)
{
    EXPECT_EQ(toGbk(s(u"A\U0001F600B")), QByteArray("A?B"));
    const struct {
        const char *bytes;
        const char16_t *text;
    } cases[] = {
        {"A\x81\x7f", u"A\uFFFD\x7f"},                  // a lead byte whose second byte cannot end a pair
        {"A\xa1 B", u"A\uFFFD B"},     {"A\x81", u"A"}, // a lead byte at the very end
        {"A\xff", u"A\uF8F5"},                          // a byte no pair starts with
        {"\x80", u"\u20AC"},                            // code page 936's euro sign
    };
    for (const auto &c : cases)
        EXPECT_EQ(fromGbk(QByteArray(c.bytes)), s(c.text)) << c.bytes;
}

// A code page Qt cannot convert stops the program with a message naming it,
// instead of carrying every text as empty bytes.
TEST(GbkDeathTest, AnUnknownCodePageStopsWithItsName)
{
    const QStringEncoder unknown("NO-SUCH-CODE-PAGE");
    EXPECT_DEATH(requireCodePage(unknown, "NO-SUCH-CODE-PAGE"), "cannot convert the code page NO-SUCH-CODE-PAGE");
    requireCodePage(QStringEncoder("GBK"), "GBK"); // and a known one passes
}

// The reply's checksum covers the text between its first character and the "*"
// three characters before the line end, whatever "*" the body holds itself.
TEST(ReplyChecksum, MatchesOnlyTheChecksumOfTheLinesOwnText)
{
    const QString body = u"CVSET,0908*,AB"_s;
    const QString sum = checksum(body);
    const QString lower = checksum(u"CVSET,1"_s).toLower();
    ASSERT_NE(lower, lower.toUpper()); // the case below has a letter in it
    const std::pair<QString, bool> rows[] = {
        {u'!' + body + u'*' + sum + u"\r\n"_s, true},
        {u'!' + body + u'*' + sum, true},                   // without its line end
        {u"!CVSET,1*"_s + lower + u"\r\n"_s, true},       // hex digits of either case
        {u"!CVSET,0908*,AC*"_s + sum + u"\r\n"_s, false}, // one character changed
        {u'!' + body + u"\r\n"_s, false},                  // no checksum at all
        {u'!' + body + u"*5\r\n"_s, false},                // one digit of it
        {u'!' + body + u"*XY\r\n"_s, false},               // no hex digits
        {u'!' + body + u'*' + sum + u"  \r\n"_s, false},   // the "*" not where it belongs
        {u"*00\r\n"_s, false},                             // nothing checked
        {QString(), false},
    };
    for (const auto &[line, matches] : rows)
        EXPECT_EQ(replyChecksumMatches(line), matches) << line.toStdString();
}

} // namespace
