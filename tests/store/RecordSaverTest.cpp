#include "store/RecordSaver.h"
#include "StoreFixture.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "store/ProfileRecords.h"

#include <gtest/gtest.h>

#include <functional>

namespace aisset::test {
namespace {

using namespace Qt::StringLiterals;

const QString kFirst = u"412345678"_s;
const QString kSecond = u"413000001"_s;

class RecordSaverTest : public StoreFixture {
protected:
    RecordSaverTest() { applyStartState(form_); }

    void enter(int slot, const QString &text) { ASSERT_TRUE(form_.setEditText(slot, text)); }
    void choose(int slot, const QString &text) { ASSERT_TRUE(form_.selectChoiceText(slot, text)); }

    void fillOwnShip(const QString &mmsi)
    {
        enter(slot::crewCount, u"12__"_s);
        enter(slot::callSign, u"BXYZ9__"_s);
        choose(slot::shipType, u"70(货船)"_s);
        enter(slot::draught, u"_8.5米"_s);
        enter(slot::mmsi, mmsi);
        enter(slot::imoNumber, u"009123456"_s);
        enter(slot::shipName, u"HAI XING 7__________"_s);
        enter(slot::antennaA, u"100米"_s);
        enter(slot::antennaB, u"_20米"_s);
        enter(slot::antennaC, u"_5米"_s);
        enter(slot::antennaD, u"_5米"_s);
        choose(slot::epfdType, u"1(GPS)"_s);
    }

    QString record(const QString &section, int slot) { return records_.readRecord(section)[slot]; }

    Form form_;
    ProfileRecords records_{store_};
    RecordSaver saver_{store_};
};

TEST_F(RecordSaverTest, FirstOwnShipSaveRegistersTheShipAndFilesItsTwelveKeys)
{
    fillOwnShip(kFirst);
    expectSaved(saver_.saveOwnShipRecord(form_));

    ProfileRecords disk(reopenedCopy());
    const RecordList list = disk.readRecordList();
    EXPECT_EQ(list.names, kFirst);
    EXPECT_EQ(list.count, 1);
    const QStringList saved = disk.readRecord(kFirst);
    const QStringList expected = {
        u"12__"_s,   u""_s,      u"BXYZ9__"_s,   u"70(货船)"_s,
        u"_8.5米"_s, kFirst,     u"009123456"_s, u"HAI XING 7__________"_s,
        u"100米"_s,  u"_20米"_s, u"_5米"_s,      u"_5米"_s,
        u"1(GPS)"_s,
    };
    EXPECT_EQ(saved.mid(0, 13), expected);
    // Nothing of the other pages.
    EXPECT_EQ(saved.mid(13), QStringList(kSlotCount - 13, QString()));
}

TEST_F(RecordSaverTest, MmsiIsStoredAsItsCleanCopy)
{
    fillOwnShip(kFirst);
    form_.setMirror(slot::mmsi, u"stale"_s);
    expectSaved(saver_.saveOwnShipRecord(form_));
    EXPECT_EQ(form_.mirror(slot::mmsi), kFirst);
    EXPECT_EQ(record(kFirst, slot::mmsi), kFirst);
}

TEST_F(RecordSaverTest, OtherPagesOfTheSameShipJoinItsSection)
{
    fillOwnShip(kFirst);
    expectSaved(saver_.saveOwnShipRecord(form_));
    choose(slot::channel1, form_.choice(slot::channel1).entries().at(3));
    choose(slot::autoVhfOff, u"开"_s);
    expectSaved(saver_.saveSystemRecord(form_));
    enter(slot::factoryDate, u"09年08月17日"_s);
    enter(slot::machineNumber, u"123456789"_s);
    enter(slot::powerOnTime, u"0100"_s);
    enter(slot::vendorNumber, u"厂商A"_s);
    expectSaved(saver_.saveFactoryRecord(form_));

    ProfileRecords disk(reopenedCopy());
    EXPECT_EQ(disk.readRecordList().names, kFirst);
    EXPECT_EQ(disk.readRecordList().count, 1);
    const QStringList saved = disk.readRecord(kFirst);
    for (const FieldInfo &f : fieldTable()) {
        SCOPED_TRACE(f.slot);
        const QString shown = f.kind == FieldKind::Edit ? form_.editText(f.slot) : form_.choiceText(f.slot);
        EXPECT_FALSE(saved[f.slot].isEmpty());
        EXPECT_EQ(saved[f.slot], shown);
    }
    EXPECT_EQ(saved[slot::channel1], form_.choice(slot::channel1).entries().at(3));
    EXPECT_EQ(saved[slot::factoryDate], u"09年08月17日");
}

TEST_F(RecordSaverTest, SavingOnePageLeavesTheOthersKeys)
{
    fillOwnShip(kFirst);
    expectSaved(saver_.saveOwnShipRecord(form_));
    expectSaved(saver_.saveSystemRecord(form_));
    const QString systemBefore = record(kFirst, slot::lcdMode);

    enter(slot::crewCount, u"30__"_s);
    choose(slot::lcdMode, form_.choice(slot::lcdMode).entries().constLast());
    expectSaved(saver_.saveOwnShipRecord(form_));

    EXPECT_EQ(record(kFirst, slot::crewCount), u"30__");
    EXPECT_EQ(record(kFirst, slot::lcdMode), systemBefore);
}

TEST_F(RecordSaverTest, ShipsAreListedOnceInOrderOfFirstSave)
{
    fillOwnShip(kFirst);
    expectSaved(saver_.saveOwnShipRecord(form_));
    enter(slot::mmsi, kSecond);
    expectSaved(saver_.saveOwnShipRecord(form_));
    enter(slot::mmsi, kFirst);
    expectSaved(saver_.saveSystemRecord(form_));
    expectSaved(saver_.saveOwnShipRecord(form_));

    const RecordList list = ProfileRecords(reopenedCopy()).readRecordList();
    EXPECT_EQ(list.names, kFirst + u',' + kSecond);
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(record(kSecond, slot::mmsi), kSecond);
}

using Saving = SaveResult (RecordSaver::*)(Form &);

TEST_F(RecordSaverTest, UntouchedMmsiSavesNothing)
{
    const std::pair<const char *, Saving> savings[] = {
        {"own ship", &RecordSaver::saveOwnShipRecord},
        {"system", &RecordSaver::saveSystemRecord},
        {"factory", &RecordSaver::saveFactoryRecord},
    };
    fillOwnShip(u"_________"_s);
    for (const auto &[page, saving] : savings) {
        SCOPED_TRACE(page);
        form_.setMirror(slot::mmsi, u"stale"_s);
        expectSaved((saver_.*saving)(form_)); // nothing to save is no failure
        EXPECT_EQ(form_.mirror(slot::mmsi), u"");
        EXPECT_EQ(storedFiles(), QStringList());
    }
}

// A count smaller than the names stands for the names' count: every name is
// listed, and a ship saved again is not registered twice.
TEST_F(RecordSaverTest, NamesBeyondTheCountAreListedAndNotRegisteredAgain)
{
    expectSaved(store_.save(u"VARID"_s, u"CONTENT"_s, u"FNAME"_s, u"111111111,222222222,333333333"_s));
    expectSaved(store_.save(u"VARID"_s, u"CONTENT"_s, u"NN"_s, u"2"_s));
    EXPECT_EQ(records_.recordNames(), (QStringList{u"111111111"_s, u"222222222"_s, u"333333333"_s}));

    fillOwnShip(u"222222222"_s);
    expectSaved(saver_.saveSystemRecord(form_));
    EXPECT_EQ(records_.readRecordList().names, u"111111111,222222222,333333333");
    EXPECT_EQ(records_.readRecordList().count, 2);

    enter(slot::mmsi, u"333333333"_s);
    expectSaved(saver_.saveOwnShipRecord(form_));
    EXPECT_EQ(records_.readRecordList().names, u"111111111,222222222,333333333");

    enter(slot::mmsi, u"444444444"_s);
    expectSaved(saver_.saveOwnShipRecord(form_));
    const RecordList list = records_.readRecordList();
    EXPECT_EQ(list.names, u"111111111,222222222,333333333,444444444");
    EXPECT_EQ(list.count, 4); // the names' count, written anew
}

TEST_F(RecordSaverTest, ListWrittenInOtherCaseIsFound)
{
    expectSaved(store_.save(u"varid"_s, u"CONTENT"_s, u"FNAME"_s, kFirst));
    expectSaved(store_.save(u"Varid"_s, u"Content"_s, u"Nn"_s, u"1"_s));
    fillOwnShip(kFirst);
    expectSaved(saver_.saveOwnShipRecord(form_));
    const RecordList list = records_.readRecordList();
    EXPECT_EQ(list.names, kFirst);
    EXPECT_EQ(list.count, 1);
}

// A system or factory page takes an incomplete MMSI: its values are filed under
// the clean copy the list offers, so that the listed ship loads.
TEST_F(RecordSaverTest, AnIncompleteMmsiFilesItsSectionUnderTheListedName)
{
    fillOwnShip(u"41234567_"_s);
    enter(slot::vendorNumber, u"AB12"_s);
    expectSaved(saver_.saveFactoryRecord(form_));
    EXPECT_EQ(records_.recordNames(), QStringList{u"41234567"_s});
    EXPECT_EQ(storedFiles(), (QStringList{u"varid/41234567.ini"_s, u"varid/content.ini"_s}));
    EXPECT_EQ(record(u"41234567"_s, slot::vendorNumber), u"AB12");
}

struct TopCase {
    int stored;         // names in the list
    QString count;      // "nn" as stored
    QString countAfter; // "nn" after a new ship
};

// The count is 16-bit. It stops at 32,767, and from there on every name in the
// list is offered, so a ship saved later is never lost from the list.
TEST_F(RecordSaverTest, ACountAtItsTopListsEveryName)
{
    const TopCase cases[] = {
        {32766, u"32766"_s, u"32767"_s},
        {32767, u"32767"_s, u"32767"_s},
        {32768, u"32767"_s, u"32767"_s},
        {100000, u"32767"_s, u"32767"_s},
    };
    for (const TopCase &c : cases) {
        SCOPED_TRACE(c.stored);
        ProfileStore store(root() + u"/%1"_s.arg(c.stored));
        QStringList names;
        for (int i = 0; i < c.stored; ++i)
            names.append(QString::number(200000000 + i));
        const QString full = names.join(u',');
        expectSaved(store.saveMany(u"VARID"_s, u"content"_s, {{u"fname"_s, full}, {u"nn"_s, c.count}}));
        ProfileRecords records(store);
        EXPECT_TRUE(records.recordNames() == names) << records.recordNames().size();

        RecordSaver saver(store);
        fillOwnShip(kSecond);
        expectSaved(saver.saveFactoryRecord(form_));
        // A name listed only thanks to the rule is found, not appended again.
        enter(slot::mmsi, names.constLast());
        expectSaved(saver.saveOwnShipRecord(form_));

        const RecordList list = records.readRecordList();
        EXPECT_TRUE(list.names == full + u',' + kSecond) << list.names.right(30).toStdString();
        EXPECT_EQ(QString::number(list.count), c.countAfter);
        EXPECT_TRUE(records.recordNames() == names + QStringList{kSecond}) << records.recordNames().size();
        EXPECT_EQ(records.readRecord(kSecond)[slot::factoryDate], form_.editText(slot::factoryDate));
    }
}

} // namespace
} // namespace aisset::test
