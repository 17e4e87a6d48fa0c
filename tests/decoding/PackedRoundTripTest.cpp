#include "FormFixture.h"
#include "ReplyLineBuilder.h"
#include "ScriptedHost.h"
#include "decoding/ReplyDecoding.h"
#include "encoding/Primitives.h"
#include "encoding/SentenceLayout.h"
#include "encoding/SystemSentence.h"
#include "model/ChoiceTables.h"
#include "model/FieldTable.h"
#include "model/PackedSettings.h"

#include <gtest/gtest.h>

namespace aisset {
namespace {

// The unit keeps the written six-bit values and sends them back armoured:
// "0".."W" for 0-39, "`".."w" for 40-63.
QString armoured(const QString &written)
{
    QString out;
    for (QChar c : written) {
        const int v = sixBitValue(c);
        out += QChar(v < 40 ? 48 + v : 56 + v);
    }
    return out;
}

// Packing and unpacking read one table: every entry of every packed setting,
// written and read back as the unit answers, selects the entry written.
TEST(PackedSettings, EveryEntryOfEverySettingComesBackAsWritten)
{
    for (const PackedSetting &setting : packedSettings()) {
        const QStringList &entries = choiceEntries(setting.slot);
        ASSERT_FALSE(entries.isEmpty()) << setting.slot;
        for (int position = 0; position < entries.size(); ++position) {
            test::StartForm written;
            test::ScriptedHost host;
            ASSERT_TRUE(written.form.selectChoice(setting.slot, position));
            const BuildResult built = getcode1(written.form, host, nullptr);
            ASSERT_TRUE(built.ok()) << setting.slot;
            const QString packed = sentenceBody(built.sentence).right(4);

            test::StartForm read;
            const QString line = test::ReplyLine{}.withStatus(armoured(packed)).text();
            ASSERT_EQ(FP(read.form, host, line), DecodeResult::Decoded) << str(field(setting.slot).name).toStdString();
            EXPECT_EQ(read.form.choiceText(setting.slot), entries[position])
                << str(field(setting.slot).name).toStdString() << " entry " << position;
        }
    }
}

} // namespace
} // namespace aisset
