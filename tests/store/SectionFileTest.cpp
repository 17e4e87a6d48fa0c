#include "store/SectionFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace aisset::test {
namespace {

using namespace Qt::StringLiterals;

struct RewriteCase {
    const char *what;
    QByteArray before;
    std::function<void(SectionFile &)> change;
    QByteArray after;
};

// A change rewrites the line of its key only: everything else in the file stays
// byte for byte, whatever the store makes of it.
TEST(SectionFileTest, AChangeKeepsEveryOtherByte)
{
    const QByteArray foreign = "\xff\xfe\x00 not UTF-8\n"_ba;
    const RewriteCase cases[] = {
        {"unchanged file", foreign + "no separator\n=no key\nnn=2", [](SectionFile &) {},
         foreign + "no separator\n=no key\nnn=2"},
        {"bytes that are not UTF-8 and lines without a key", foreign + "no separator\nnn=2\n=x\n",
         [](SectionFile &f) { f.setValue(u"NN"_s, u"3"_s); }, foreign + "no separator\nnn=3\n=x\n"},
        {"a value that is not UTF-8 in another key", "mmsi=41\nimo=\x81\x82\n"_ba,
         [](SectionFile &f) { f.setValue(u"mmsi"_s, u"42"_s); }, "mmsi=42\nimo=\x81\x82\n"_ba},
        {"new key after a last line without line end", "a=1\r\nb=2", [](SectionFile &f) { f.setValue(u"c"_s, u"3"_s); },
         "a=1\r\nb=2\nc=3\n"},
        {"new key in an empty file", "", [](SectionFile &f) { f.setValue(u"船名"_s, u"海星"_s); }, "船名=海星\n"},
        {"removing the last line keeps the line end before it", "a=1\nb=2", [](SectionFile &f) { f.remove(u"B"_s); },
         "a=1\n"},
        {"removing a key removes every line of it", "k=1\nx\nK=2\nm=3\n", [](SectionFile &f) { f.remove(u"k"_s); },
         "x\nm=3\n"},
        {"appending keeps the bytes before", "fname=1,\x81\n"_ba,
         [](SectionFile &f) { f.appendToValue(u"FNAME"_s, u",2"_s); }, "fname=1,\x81,2\n"_ba},
        {"appending to a line of another editor", "fname=1\r\n",
         [](SectionFile &f) { f.appendToValue(u"fname"_s, u",2"_s); }, "fname=1,2\n"},
        {"appending after an open escape", "fname=1\\", [](SectionFile &f) { f.appendToValue(u"fname"_s, u"=2"_s); },
         "fname=1\\\\\\=2"},
        {"appending to an absent key", "nn=1\n", [](SectionFile &f) { f.appendToValue(u"fname"_s, u"9"_s); },
         "nn=1\nfname=9\n"},
        {"escaped names and values", "", [](SectionFile &f) { f.setValue(u"a=b"_s, u"x\\n\r\n="_s); },
         "a\\=b=x\\\\n\\r\\n\\=\n"},
    };
    for (const RewriteCase &c : cases) {
        SCOPED_TRACE(c.what);
        SectionFile file = SectionFile::fromBytes(c.before);
        c.change(file);
        EXPECT_EQ(file.toBytes(), c.after);
    }
}

TEST(SectionFileTest, ValuesAreReadFromWhatever)
{
    const SectionFile file = SectionFile::fromBytes(
        "\x00\xff garbage\n=no key\nMMSI=412345678\r\nk=first\nk=last\nesc\\=aped=a\\\\b\\nc\ntrailing=\\"_ba);
    const std::pair<const char16_t *, std::optional<QString>> reads[] = {
        {u"mmsi", u"412345678"_s}, {u"K", u"last"_s},   {u"esc=aped", u"a\\b\nc"_s},
        {u"trailing", u"\\"_s},    {u"", std::nullopt}, {u"absent", std::nullopt},
    };
    for (const auto &[key, value] : reads)
        EXPECT_EQ(file.value(QString::fromUtf16(key)), value) << QString::fromUtf16(key).toStdString();
}

// Peeking gives the bytes value() decodes for plain values, and declines, for
// the decoded read to answer, where a value holds an escape or a byte beyond ASCII.
TEST(SectionFileTest, PeekingGivesPlainValuesAsValueReadsThemAndDeclinesTheRest)
{
    struct Case {
        const char *what;
        QByteArray bytes;
        bool answered;
    };
    const Case cases[] = {
        {"plain values, keys in other cases", "FName=1,2,3\r\nnn=3\nother=\\\\x\n"_ba, true},
        {"the last line of a key counts", "fname=1\nfname=2,3\nnn=2"_ba, true},
        {"a key written with an escape", "f\\name=1\nnn=1\n"_ba, true},
        {"absent keys, lines without a key", "=x\n\xff\nk=v\n"_ba, true},
        {"an escape in a value", "fname=1,\\=2\nnn=2\n"_ba, false},
        {"a byte beyond ASCII", "fname=1,\xe6\xb5\xb7\nnn=2\n"_ba, false},
    };
    const QStringList keys = {u"fname"_s, u"nn"_s};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QList<std::optional<QByteArrayView>> peeked;
        ASSERT_EQ(SectionFile::peek(c.bytes, keys, peeked), c.answered);
        if (!c.answered)
            continue;
        const SectionFile file = SectionFile::fromBytes(c.bytes);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const std::optional<QString> value = file.value(keys[i]);
            ASSERT_EQ(peeked[i].has_value(), value.has_value()) << keys[i].toStdString();
            if (value) {
                EXPECT_EQ(QString::fromUtf8(*peeked[i]), *value);
            }
        }
    }
}

} // namespace
} // namespace aisset::test
