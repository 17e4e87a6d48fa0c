#include "ProfileRecords.h"
#include "ProfileStore.h"
#include "StoreFixture.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

namespace aisset::test {
namespace {

using namespace Qt::StringLiterals;

using InterruptedSaveTest = StoreFixture;

// The generation of the last round the helper reported complete.
int lastReported(const QByteArray &output)
{
    const QList<QByteArray> lines = output.split('\n');
    // The last element is the unfinished line (usually empty).
    return lines.size() < 2 ? 0 : lines[lines.size() - 2].toInt();
}

// A helper process saving in a loop is killed at random moments. Every time the
// store must hold one whole generation: all values of the ship's section from the
// same round, the record list consistent, and nothing older than the last round
// the helper finished.
TEST_F(InterruptedSaveTest, KilledSaveLeavesTheOldOrTheNewStore)
{
    constexpr int kRounds = 20;
    int inFlightSeen = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        QProcess helper;
        helper.start(QStringLiteral(STORE_SAVE_LOOP), {root()});
        ASSERT_TRUE(helper.waitForStarted(5000));
        // At least one round done, which also shows that whatever the previous
        // kill left behind does not stop the next run's saves.
        ASSERT_TRUE(helper.waitForReadyRead(10000));
        QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
        helper.kill();
        ASSERT_TRUE(helper.waitForFinished(5000));
        const int last = lastReported(helper.readAllStandardOutput());
        ASSERT_GT(last, 0);

        ProfileStore &disk = reopenedCopy();
        QStringList keys;
        for (int key = 0; key < 35; ++key)
            keys.append(u"键%1"_s.arg(key));
        const QStringList values = disk.readMany(u"varid"_s, u"412345678"_s, keys, {});
        const int generation = values[0].section(u':', 0, 0).toInt();
        EXPECT_TRUE(generation == last || generation == last + 1) << generation << " " << last;
        for (const QString &value : values) {
            EXPECT_EQ(value.section(u':', 0, 0).toInt(), generation);
            EXPECT_EQ(value.size(), values[0].size());
        }
        const RecordList list = ProfileRecords(disk).readRecordList();
        EXPECT_TRUE(list.count == last || list.count == last + 1) << list.count << " " << last;
        EXPECT_EQ(list.names, u"gen"_s + QString::number(list.count));
        inFlightSeen += generation > last || list.count > last;
    }
    RecordProperty("rounds_cut_inside_a_save", inFlightSeen);

    // And the store still takes saves.
    store_.save(u"VARID"_s, u"412345678"_s, u"MMSI"_s, u"412345678"_s);
    EXPECT_EQ(reopenedCopy().read(u"varid"_s, u"412345678"_s, u"mmsi"_s, {}), u"412345678");
}

} // namespace
} // namespace aisset::test
