#include "store/ProfileRecords.h"
#include "StoreFixture.h"
#include "model/FieldTable.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace aisset::test {
namespace {

using namespace Qt::StringLiterals;

class ProfileRecordsTest : public StoreFixture {
protected:
    void storeList(const std::optional<QString> &names, const std::optional<QString> &count)
    {
        if (names)
            expectSaved(store_.save(u"VARID"_s, u"CONTENT"_s, u"FNAME"_s, *names));
        if (count)
            expectSaved(store_.save(u"VARID"_s, u"CONTENT"_s, u"NN"_s, *count));
    }

    ProfileRecords records_{store_};
};

struct ListCase {
    std::optional<QString> names, count;
    QStringList listed;
};

// A count out of step with the names (another tool's, a hand edit, a saving of
// an older version cut short) must not hide ships that were saved: the names
// count, whatever "nn" says.
TEST_F(ProfileRecordsTest, ListsEveryNameWhateverTheCountSays)
{
    const QStringList three{u"111111111"_s, u"222222222"_s, u"333333333"_s};
    const ListCase cases[] = {
        {std::nullopt, std::nullopt, {}},
        {u"412345678"_s, u"1"_s, {u"412345678"_s}},
        {u"111111111,222222222,333333333"_s, u"3"_s, three},
        {u"111111111,222222222,333333333"_s, u"2"_s, three}, // smaller than the names
        {u"111111111"_s, u"3"_s, {u"111111111"_s}},
        {u"111111111,"_s, u"2"_s, {u"111111111"_s, u""_s}},
        {u"0"_s, u"1"_s, {}}, // "0" stands for the empty list
        {u"111111111"_s, std::nullopt, {u"111111111"_s}},
        {u"111111111"_s, u"0"_s, {u"111111111"_s}},
        {u"111111111"_s, u"-1"_s, {u"111111111"_s}},
        {u"111111111"_s, u"40000"_s, {u"111111111"_s}}, // no 16-bit number
        {u"111111111"_s, u"abc"_s, {u"111111111"_s}},
    };
    int row = 0;
    for (const ListCase &c : cases) {
        SCOPED_TRACE(row++);
        ProfileStore fresh(root() + u"/case%1"_s.arg(row));
        if (c.names)
            expectSaved(fresh.save(u"VARID"_s, u"CONTENT"_s, u"FNAME"_s, *c.names));
        if (c.count)
            expectSaved(fresh.save(u"VARID"_s, u"CONTENT"_s, u"NN"_s, *c.count));
        EXPECT_EQ(ProfileRecords(fresh).recordNames(), c.listed);
    }
}

TEST_F(ProfileRecordsTest, RecordReadsEveryKeyInSlotOrder)
{
    expectSaved(store_.saveMany(u"varid"_s, u"412345678"_s,
                                {{u"mmsi"_s, u"412345678"_s},
                                 {u"编号"_s, u"AB12"_s},
                                 {u"自动关闭VHF"_s, u"开"_s},
                                 {u"not a field"_s, u"x"_s}}));
    const QStringList record = records_.readRecord(u"412345678"_s);
    ASSERT_EQ(record.size(), kSlotCount);
    for (int s = 0; s < kSlotCount; ++s) {
        SCOPED_TRACE(s);
        switch (s) {
        case slot::mmsi: EXPECT_EQ(record[s], u"412345678"); break;
        case slot::vendorNumber: EXPECT_EQ(record[s], u"AB12"); break;
        case slot::autoVhfOff: EXPECT_EQ(record[s], u"开"); break;
        default: EXPECT_EQ(record[s], u"");
        }
    }
    EXPECT_EQ(records_.readRecord(u"999999999"_s), QStringList(kSlotCount, QString()));
}

TEST_F(ProfileRecordsTest, ClearingForgetsTheListOnly)
{
    storeList(u"412345678"_s, u"1"_s);
    expectSaved(store_.save(u"VARID"_s, u"412345678"_s, u"MMSI"_s, u"412345678"_s));
    expectSaved(records_.saveCommPort(3));
    expectSaved(records_.saveSkin(u"no"_s));

    expectSaved(records_.clearRecordList());

    ProfileRecords copy(reopenedCopy());
    EXPECT_EQ(copy.recordNames(), QStringList());
    const RecordList list = copy.readRecordList();
    EXPECT_EQ(list.names, u"");
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(copy.readRecord(u"412345678"_s)[slot::mmsi], u"412345678");
    EXPECT_EQ(copy.commPort(), u"3");
    EXPECT_EQ(copy.skin(), u"no");
}

TEST_F(ProfileRecordsTest, PortAndSkinChoices)
{
    EXPECT_EQ(records_.commPort(), u"0");
    EXPECT_EQ(records_.skin(), u"0");
    expectSaved(records_.saveCommPort(5));
    expectSaved(records_.saveSkin(u"/usr/share/aisset/skins/蓝色.skn"_s));
    EXPECT_EQ(store_.read(u"varid"_s, u"content"_s, u"commport"_s, u"0"_s), u"5");
    EXPECT_EQ(store_.read(u"Varid"_s, u"CONTENT"_s, u"SKIN"_s, u"0"_s), u"/usr/share/aisset/skins/蓝色.skn");
}

// An older version filed a page saved with an incomplete MMSI under the entered
// text ("41234567_") but listed the clean copy: the listed name loads it.
TEST_F(ProfileRecordsTest, AListedNameWithoutASectionLoadsTheSectionThatNormalisesToIt)
{
    storeList(u"41234567,412345678"_s, u"2"_s);
    expectSaved(store_.saveMany(u"VARID"_s, u"41234567_"_s, {{u"编号"_s, u"AB12"_s}}));
    expectSaved(store_.saveMany(u"VARID"_s, u"412345678"_s, {{u"编号"_s, u"OWN"_s}}));
    expectSaved(store_.saveMany(u"VARID"_s, u"4123456__"_s, {{u"编号"_s, u"OTHER"_s}}));
    EXPECT_EQ(records_.readRecord(u"41234567"_s)[slot::vendorNumber], u"AB12");
    // A name with a section of its own reads only that one.
    EXPECT_EQ(records_.readRecord(u"412345678"_s)[slot::vendorNumber], u"OWN");
    EXPECT_EQ(records_.readRecord(u"999"_s), QStringList(kSlotCount, QString()));
}

struct BatchCase {
    const char *what;
    std::optional<QString> names, count;
    QStringList registered;
    QString namesAfter, countAfter;
};

TEST_F(ProfileRecordsTest, ManyNamesAreRegisteredInOneChange)
{
    const BatchCase cases[] = {
        {"into an empty store", std::nullopt, std::nullopt, {u"1"_s, u"2"_s, u"1"_s, u""_s}, u"1,2"_s, u"2"_s},
        {"listed names stay once", u"1,2"_s, u"2"_s, {u"2"_s, u"3"_s, u"1"_s}, u"1,2,3"_s, u"3"_s},
        {"a name beyond the count is listed", u"1,2,3"_s, u"2"_s, {u"3"_s, u"4"_s}, u"1,2,3,4"_s, u"4"_s},
        {"a count without a number", u"1,2"_s, u"abc"_s, {u"3"_s}, u"1,2,3"_s, u"3"_s},
        {"nothing new writes nothing", u"1,2"_s, u"2"_s, {u"1"_s}, u"1,2"_s, u"2"_s},
        {"the count follows the names", u"1,2"_s, u"32766"_s, {u"3"_s, u"4"_s}, u"1,2,3,4"_s, u"4"_s},
    };
    int row = 0;
    for (const BatchCase &c : cases) {
        SCOPED_TRACE(c.what);
        ProfileStore fresh(root() + u"/case%1"_s.arg(row++));
        if (c.names)
            expectSaved(fresh.save(u"VARID"_s, u"content"_s, u"fname"_s, *c.names));
        if (c.count)
            expectSaved(fresh.save(u"VARID"_s, u"content"_s, u"nn"_s, *c.count));
        ProfileRecords records(fresh);
        expectSaved(records.registerRecordNames(c.registered));
        EXPECT_EQ(fresh.read(u"VARID"_s, u"content"_s, u"fname"_s, u"absent"_s), c.namesAfter);
        EXPECT_EQ(fresh.read(u"VARID"_s, u"content"_s, u"nn"_s, u"absent"_s), c.countAfter);
    }
}

// One ship's saving looks its name up in the file's bytes; whatever a file holds,
// the outcome is the one the decoded list gives: a listed name is not added
// again, and a name that is not listed is appended once.
TEST_F(ProfileRecordsTest, OneNameIsLookedUpInTheFilesBytesAsInItsText)
{
    struct Case {
        const char *what;
        QByteArray file; // the bookkeeping section's bytes
        QString name;
        bool listed;
    };
    const Case cases[] = {
        {"listed in the middle", "fname=1,22,333\nnn=3\n", u"22"_s, true},
        {"a part of a listed name", "fname=1,222,3\nnn=3\n", u"22"_s, false},
        {"beyond the count", "fname=1,2,3\nnn=2\n", u"3"_s, true},
        {"every name at the top count", "fname=1,2,3\nnn=32767\n", u"3"_s, true},
        {"no count", "fname=1,2\n", u"1"_s, true},
        {"a count of garbage", "fname=1,2\nnn=-1\n", u"3"_s, false},
        {"the empty list", "fname=0\nnn=1\n", u"5"_s, false},
        {"keys in another case, CR LF", "FName=1,2\r\nNN=2\r\n", u"2"_s, true},
        {"the last line of a key counts", "fname=9\nfname=1,2\nnn=2\n", u"9"_s, false},
        {"a key written with an escape", "f\\name=1\nnn=1\n", u"1"_s, false},
        {"an escaped value is decoded", "fname=1,\\=2\nnn=2\n", u"=2"_s, true},
        {"bytes that are not ASCII", "fname=1,\xe6\xb5\xb7,\xff\nnn=3\n", u"海"_s, true},
        {"no line end at the end", "nn=2\nfname=1,2", u"2"_s, true},
        {"no file", {}, u"1"_s, false},
    };
    int row = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString storeRoot = root() + u"/case%1"_s.arg(row++);
        if (!c.file.isNull()) {
            QDir().mkpath(storeRoot + u"/varid"_s);
            QFile file(storeRoot + u"/varid/content.ini"_s);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.file);
        }
        ProfileStore fresh(storeRoot);
        const RecordList before = ProfileRecords(fresh).readRecordList();
        ASSERT_EQ(before.lists(c.name), c.listed) << "the case itself";
        expectSaved(ProfileRecords(fresh).registerRecordNames({c.name}));
        const RecordList after = ProfileRecords(fresh).readRecordList();
        if (c.listed) {
            EXPECT_EQ(after.names, before.names);
            EXPECT_EQ(after.count, before.count);
        } else {
            EXPECT_EQ(after.names, before.names.isEmpty() ? c.name : before.names + u',' + c.name);
            EXPECT_TRUE(after.lists(c.name));
        }
    }
}

// A ship is listed only once its values are written: a saving whose section
// cannot be written (here its file's place is taken by a folder) leaves the
// ship unlisted, never listed without values.
TEST_F(ProfileRecordsTest, AShipWhoseValuesCannotBeWrittenIsNotListed)
{
    ASSERT_TRUE(QDir().mkpath(root() + u"/varid/412000002.ini"_s));
    expectSaved(records_.saveRecord(u"412000001"_s, {{u"MMSI"_s, u"412000001"_s}}));
    EXPECT_EQ(records_.saveRecord(u"412000002"_s, {{u"MMSI"_s, u"412000002"_s}}), SaveResult::Failed);
    EXPECT_EQ(records_.recordNames(), QStringList{u"412000001"_s});
}

// A saving killed between writing its temporary file and renaming it leaves
// "<section>.ini.XXXXXX" behind. The first change of a run removes those of
// the store's own sections that are a minute old; a younger one may be a saving
// under way, and files of other names are not the store's.
TEST_F(ProfileRecordsTest, StaleTemporariesOfTheStoreAreRemovedAtTheFirstChange)
{
    const struct {
        QString name;
        int ageSeconds;
        bool removed;
    } files[] = {
        {u"content.ini.AbC123"_s, 120, true},
        {u"412345678.ini.x9Y8z7"_s, 3600, true},
        {u"content.ini.Fresh1"_s, 5, false},
        {u"notes.txt.AbC123"_s, 3600, false},
        {u"content.ini.toolongname"_s, 3600, false},
        {u"412000003.ini"_s, 3600, false},
    };
    const QString folder = root() + u"/varid/"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const auto &f : files) {
        QFile file(folder + f.name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("fname=1\n");
        file.flush(); // written before the time is set, not when it closes
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-f.ageSeconds),
                                     QFileDevice::FileModificationTime));
    }
    ProfileStore later(root());
    expectSaved(later.save(u"VARID"_s, u"content"_s, u"skin"_s, u"no"_s));
    for (const auto &f : files)
        EXPECT_EQ(QFile::exists(folder + f.name), !f.removed) << f.name.toStdString();
}

} // namespace
} // namespace aisset::test
