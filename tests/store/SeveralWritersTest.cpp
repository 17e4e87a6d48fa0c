// Processes that save into one profile store at the same time, and processes
// killed while they save: no ship may go missing from the list, no key from a
// ship's section, and no file may be left half written.
#include "StoreFixture.h"
#include "model/FieldTable.h"
#include "store/ProfileRecords.h"
#include "store/SectionFile.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace aisset::test {
namespace {

using namespace Qt::StringLiterals;

class SeveralWritersTest : public StoreFixture {
protected:
    std::unique_ptr<QProcess> startWriter(const QString &storeRoot, const QStringList &args)
    {
        auto writer = std::make_unique<QProcess>();
        writer->start(QStringLiteral(STORE_WRITER), QStringList{storeRoot} + args);
        EXPECT_TRUE(writer->waitForStarted(5000));
        return writer;
    }

    // The keys of the own-ship and system pages, which the writers save.
    static QStringList savedKeys()
    {
        QStringList keys;
        for (const FieldInfo &f : fieldTable())
            if (f.group != Group::Factory)
                keys.append(str(f.profileKey));
        return keys;
    }

    // The ship is listed once and its section holds every key of both pages.
    static void expectWholeShip(const ProfileStore &store, const QStringList &listed, const QString &mmsi)
    {
        EXPECT_EQ(listed.count(mmsi), 1) << mmsi.toStdString();
        const QList<std::optional<QString>> values = store.readPresent(u"VARID"_s, mmsi, savedKeys());
        const auto present = std::count_if(values.cbegin(), values.cend(), [](const auto &v) { return v.has_value(); });
        EXPECT_EQ(present, values.size()) << mmsi.toStdString();
        EXPECT_EQ(store.read(u"VARID"_s, mmsi, u"MMSI"_s, {}), mmsi);
    }
};

TEST_F(SeveralWritersTest, FourProcessesSavingAtOnceLoseNoShipAndNoKey)
{
    // Every saving flushes to disk under the lock, so rounds are few but dense.
    constexpr int kRounds = 2;
    constexpr int kShips = 10; // per pair of processes
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const QString storeRoot = root() + u"/round%1"_s.arg(round);
        // Two processes share their ships, one saving the own-ship page and one
        // the system page of each; the other two do the same with other ships.
        const QString firstShips[] = {u"412000000"_s, u"413000000"_s};
        std::vector<std::unique_ptr<QProcess>> writers;
        for (const QString &first : firstShips)
            for (const char16_t *page : {u"ownship", u"system"})
                writers.push_back(startWriter(storeRoot, {QString::fromUtf16(page), first, QString::number(kShips)}));
        for (const auto &writer : writers) {
            ASSERT_TRUE(writer->waitForFinished(60000));
            EXPECT_EQ(writer->exitCode(), 0) << "a saving failed";
        }

        ProfileStore store(storeRoot);
        const RecordList list = ProfileRecords(store).readRecordList();
        const QStringList listed = list.listedNames();
        EXPECT_EQ(listed.size(), 2 * kShips);
        EXPECT_EQ(list.count, 2 * kShips);
        for (const QString &first : firstShips)
            for (qint64 ship = 0; ship < kShips; ++ship)
                expectWholeShip(store, listed, QString::number(first.toLongLong() + ship));
    }
}

// The ships a killed writer reported as saved: one MMSI on each whole line.
QStringList reportedShips(const QByteArray &output)
{
    QStringList ships;
    const QList<QByteArray> lines = output.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) // the last is unfinished
        ships.append(QString::fromLatin1(lines[i]));
    return ships;
}

TEST_F(SeveralWritersTest, AKilledWriterLeavesWholeFilesAndLosesNoEarlierShip)
{
    constexpr int kRounds = 15;
    QStringList saved;
    int lockLeftBehind = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const auto writer = startWriter(root(), {u"endless"_s, QString::number(412000000 + round * 100000)});
        // One ship saved shows that whatever the previous kill left (its lock
        // file among it) does not stop the next writer's savings. The wait is
        // long because a saving syncs to disk, and right after a large build a
        // sync can take seconds while the disk catches up.
        ASSERT_TRUE(writer->waitForReadyRead(60000));
        QThread::msleep(QRandomGenerator::global()->bounded(1, 30));
        writer->kill();
        ASSERT_TRUE(writer->waitForFinished(5000));
        saved += reportedShips(writer->readAllStandardOutput());
        lockLeftBehind += QFileInfo::exists(root() + u"/store.lock"_s);

        // Every section file is whole: each line a key, the file ending in a line end.
        QDirIterator files(root(), {u"*.ini"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QList<QByteArray> lines = file.readAll().split('\n');
            EXPECT_TRUE(lines.constLast().isEmpty()) << path.toStdString();
            for (qsizetype i = 0; i + 1 < lines.size(); ++i)
                EXPECT_TRUE(lines[i].contains('=')) << path.toStdString() << ": " << lines[i].constData();
        }
        ProfileStore &disk = reopenedCopy();
        const RecordList list = ProfileRecords(disk).readRecordList();
        const QStringList listed = list.listedNames();
        EXPECT_EQ(list.count, listed.size());
        for (const QString &ship : saved)
            expectWholeShip(disk, listed, ship);
    }
    RecordProperty("kills_that_left_the_lock_held", lockLeftBehind);
}

} // namespace
} // namespace aisset::test
