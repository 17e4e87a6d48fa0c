#include "ui/text/Language.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace aisset::text {
namespace {

TEST(Language, TheLocaleChoosesALanguageWithATranslationElseChinese)
{
    EXPECT_EQ(availableLanguages(), (QStringList{u"zh"_s, u"en"_s}));
    const struct {
        const char *locale;
        const char16_t *language;
    } cases[] = {
        {"en_US", u"en"}, {"en_GB", u"en"}, {"zh_CN", u"zh"}, {"zh_TW", u"zh"}, {"de_DE", u"zh"}, {"C", u"zh"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(languageFor(QLocale(QString::fromLatin1(c.locale))), QString::fromUtf16(c.language)) << c.locale;
}

// One process: the language is chosen once, as the programs do.
TEST(Language, AChosenTranslationTranslatesExceptForTheSourceLanguageGuard)
{
    EXPECT_FALSE(useLanguage(*QCoreApplication::instance(), u"xx"_s));
    EXPECT_EQ(currentLanguage(), u"zh"_s);
    ASSERT_TRUE(useLanguage(*QCoreApplication::instance(), u"en"_s));
    EXPECT_EQ(currentLanguage(), u"en"_s);
    EXPECT_EQ(QLocale().language(), QLocale::English);

    EXPECT_EQ(translate("Catalogue", "校验通过"), u"Verified"_s);
    EXPECT_EQ(translate("Field", QStringView(u"船名:")), u"Name:"_s);
    EXPECT_EQ(translate("Catalogue", "找到%n台设备,请选择通讯口", nullptr, 2), u"Found 2 units; please choose the port"_s);
    // A text without a translation shows as it is written.
    EXPECT_EQ(translate("Catalogue", "没有翻译的文字"), u"没有翻译的文字"_s);
    {
        const SourceLanguage source;
        EXPECT_EQ(translate("Catalogue", "校验通过"), u"校验通过"_s);
        EXPECT_EQ(translate("Field", QStringView(u"船名:")), u"船名:"_s);
        EXPECT_EQ(translate("Catalogue", "找到%n台设备,请选择通讯口", nullptr, 2), u"找到2台设备,请选择通讯口"_s);
    }
    EXPECT_EQ(translate("Catalogue", "校验通过"), u"Verified"_s);
}

} // namespace
} // namespace aisset::text
