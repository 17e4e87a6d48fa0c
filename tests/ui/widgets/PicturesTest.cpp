// The window's drawings in the display language: each translated drawing is
// picked for its language, is drawn at the size of the source-language one and
// carries no Chinese word.
#include "ui/widgets/SvgPicture.h"

#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using aisset::ui::pictureInLanguage;

namespace {

const QString kTranslatedPictures[] = {u":/ship_antenna.svg"_s, u":/instructions.svg"_s, u":/connection.svg"_s};

// Every word a drawing shows, its title included.
QString wordsOf(const QString &resource)
{
    QFile file(resource);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
    QXmlStreamReader svg(&file);
    QString words;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::Characters)
            words += svg.text();
    EXPECT_FALSE(svg.hasError()) << resource.toStdString() << ": " << svg.errorString().toStdString();
    return words;
}

TEST(Pictures, EachLanguageGetsItsOwnDrawingOrTheChineseOne)
{
    const struct {
        QString resource, language, expected;
    } cases[] = {
        {u":/instructions.svg"_s, u"en"_s, u":/instructions_en.svg"_s},
        {u":/connection.svg"_s, u"en"_s, u":/connection_en.svg"_s},
        {u":/ship_antenna.svg"_s, u"en"_s, u":/ship_antenna_en.svg"_s},
        {u":/instructions.svg"_s, u"zh"_s, u":/instructions.svg"_s},
        {u":/instructions.svg"_s, u"fr"_s, u":/instructions.svg"_s}, // no French drawing
        {u":/aisset.svg"_s, u"en"_s, u":/aisset.svg"_s},             // the icon has no words
    };
    for (const auto &c : cases)
        EXPECT_EQ(pictureInLanguage(c.resource, c.language), c.expected)
            << c.resource.toStdString() << " " << c.language.toStdString();
}

TEST(Pictures, TheEnglishDrawingsHaveTheChineseOnesSizeAndNoChineseWord)
{
    const QRegularExpression chinese(u"[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"_s);
    for (const QString &resource : kTranslatedPictures) {
        const QString english = pictureInLanguage(resource, u"en"_s);
        ASSERT_NE(english, resource);
        const QSvgRenderer source(resource), translated(english);
        ASSERT_TRUE(translated.isValid()) << english.toStdString();
        EXPECT_EQ(translated.viewBoxF(), source.viewBoxF()) << english.toStdString();
        const QString words = wordsOf(english);
        EXPECT_FALSE(words.contains(chinese)) << english.toStdString() << ": " << words.toStdString();
        EXPECT_TRUE(wordsOf(resource).contains(chinese)) << resource.toStdString();
    }
    // The English instructions list every sign a call sign and ship name take
    // too (the six-bit set but the prompt "_").
    const QString instructions = wordsOf(u":/instructions_en.svg"_s);
    for (char16_t c = 32; c < 95; ++c) {
        if (!QChar(c).isLetterOrNumber() && c != u' ') {
            EXPECT_TRUE(instructions.contains(QChar(c))) << char(c);
        }
    }
}

} // namespace
