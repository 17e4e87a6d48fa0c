#include "FormFixture.h"
#include "ReplyLineBuilder.h"
#include "ScriptedHost.h"
#include "decoding/ReplyDecoding.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// Characters that have tripped decoders before: controls, the replacement
// character, Chinese, lone and paired surrogates, the armouring limits.
const char16_t kAwkward[] = {0x0000, 0x0001, 0x000D, 0x000A, 0x001F, 0x007F, 0x0080, 0x00FF, 0xFFFD, 0xFFFF, 0xD800,
                             0xDC00, 0xD83D, 0xDE00, u'海',  u'米',  u'年',  u'_',   u'`',   u'w',   u'x',   u'X'};

QChar randomChar(std::mt19937 &rng)
{
    switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
    case 0: return QChar(char16_t(std::uniform_int_distribution<int>(0x20, 0x7E)(rng)));
    case 1: return QChar(kAwkward[std::uniform_int_distribution<std::size_t>(0, std::size(kAwkward) - 1)(rng)]);
    case 2: return QChar(char16_t(std::uniform_int_distribution<int>(0, 0xFFFF)(rng)));
    default: return QChar(char16_t(std::uniform_int_distribution<int>(0, 0xFF)(rng)));
    }
}

// Either wholly random text or a valid line with a few characters replaced, so
// that decodings also get past the checked fields.
QString randomLine(std::mt19937 &rng)
{
    if (std::bernoulli_distribution(0.5)(rng)) {
        QString line = test::ReplyLine().text();
        const int changes = std::uniform_int_distribution<int>(1, 6)(rng);
        for (int i = 0; i < changes; ++i)
            line[std::uniform_int_distribution<int>(7, int(line.size()) - 1)(rng)] = randomChar(rng);
        return line.left(std::uniform_int_distribution<int>(0, int(line.size()))(rng));
    }
    QString line = std::bernoulli_distribution(0.5)(rng) ? u"!CVSET,"_s : QString();
    const int length = std::uniform_int_distribution<int>(0, 2000)(rng);
    while (line.size() < length)
        line.append(randomChar(rng));
    return line;
}

TEST(ReplyRobustness, AnyLineDecodesToZeroOrOneWithTheWindowEnabled)
{
    std::mt19937 rng(20090817);
    test::StartForm f;
    test::ScriptedHost host;
    int succeeded = 0;
    for (int i = 0; i < 3000; ++i) {
        const QString line = randomLine(rng);
        const bool decoded = FP(f.form, host, line) == DecodeResult::Decoded;
        ASSERT_TRUE(f.form.isEnabled()) << i;
        // A success writes all eleven trace lines; a failure none, or the eight of
        // the status characters when a packed setting fails.
        const qsizetype lines = f.form.sentCommands().size();
        ASSERT_TRUE(decoded ? lines == 11 : lines == 0 || lines == 8) << i << " " << lines;
        succeeded += decoded;
    }
    EXPECT_GT(succeeded, 100); // the mutated valid lines do reach the end
}

} // namespace
