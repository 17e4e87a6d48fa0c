// A local history of the first schema is upgraded in place: its entries kept,
// each of them still to be pushed.
#include "history/HistoryDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace aisset {
namespace {

HistoryEntry readEntry()
{
    HistoryEntry e;
    e.transaction.id = QUuid::createUuid();
    e.transaction.startedUtc = QDateTime::currentDateTimeUtc();
    e.transaction.mmsi = QStringLiteral("412345678");
    e.session.program = QStringLiteral("aisset");
    return e;
}

// Turns a file back into the first schema: no mark of what was pushed.
void downgradeToTheFirstSchema(const QString &path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("downgrade"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char *sql : {"DROP INDEX entries_to_push", "ALTER TABLE entries DROP COLUMN pushed",
                                "UPDATE schema_version SET version = 1"})
            ASSERT_TRUE(q.exec(QString::fromLatin1(sql))) << sql;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("downgrade"));
}

TEST(LocalHistoryUpgrade, EntriesOfTheFirstSchemaAreKeptAndStillToPush)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    const HistoryEntry old = readEntry();
    {
        HistoryDatabase first(path);
        ASSERT_EQ(first.append(old), SaveResult::Saved);
    }
    downgradeToTheFirstSchema(path);

    HistoryDatabase upgraded(path);
    const std::optional<QList<HistoryEntry>> pending = upgraded.unpushed(10);
    ASSERT_TRUE(pending) << upgraded.errorText().toStdString();
    ASSERT_EQ(pending->size(), 1);
    EXPECT_EQ(pending->at(0).transaction.id, old.transaction.id);
    ASSERT_EQ(upgraded.append(readEntry()), SaveResult::Saved);
    ASSERT_TRUE(upgraded.markPushed({old.transaction.id}));
    ASSERT_EQ(upgraded.unpushed(10)->size(), 1); // the new one
    EXPECT_EQ(upgraded.entries({})->size(), 2);
}

} // namespace
} // namespace aisset
