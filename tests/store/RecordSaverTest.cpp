#include "FieldTable.h"
#include "Form.h"
#include "Normalise.h"
#include "ProfileRecords.h"
#include "RecordSaver.h"
#include "StoreFixture.h"

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
    saver_.saveOwnShipRecord(form_);

    ProfileRecords disk(reopenedCopy());
    const RecordList list = disk.readRecordList();
    EXPECT_EQ(list.names, kFirst);
    EXPECT_EQ(list.count, 1);
    const QStringList saved = disk.readRecord(kFirst);
    const QStringList expected = {
        u"12__"_s, u""_s, u"BXYZ9__"_s, u"70(货船)"_s, u"_8.5米"_s, kFirst, u"009123456"_s,
        u"HAI XING 7__________"_s, u"100米"_s, u"_20米"_s, u"_5米"_s, u"_5米"_s, u"1(GPS)"_s,
    };
    EXPECT_EQ(saved.mid(0, 13), expected);
    // Nothing of the other pages.
    EXPECT_EQ(saved.mid(13), QStringList(kSlotCount - 13, QString()));
}

TEST_F(RecordSaverTest, MmsiIsStoredAsItsCleanCopy)
{
    fillOwnShip(kFirst);
    form_.setMirror(slot::mmsi, u"stale"_s);
    saver_.saveOwnShipRecord(form_);
    EXPECT_EQ(form_.mirror(slot::mmsi), kFirst);
    EXPECT_EQ(record(kFirst, slot::mmsi), kFirst);
}

TEST_F(RecordSaverTest, OtherPagesOfTheSameShipJoinItsSection)
{
    fillOwnShip(kFirst);
    saver_.saveOwnShipRecord(form_);
    choose(slot::channel1, form_.choice(slot::channel1).entries().at(3));
    choose(slot::autoVhfOff, u"开"_s);
    saver_.saveSystemRecord(form_);
    enter(slot::factoryDate, u"09年08月17日"_s);
    enter(slot::machineNumber, u"123456789"_s);
    enter(slot::powerOnTime, u"0100"_s);
    enter(slot::vendorNumber, u"厂商A"_s);
    saver_.saveFactoryRecord(form_);

    ProfileRecords disk(reopenedCopy());
    EXPECT_EQ(disk.readRecordList().names, kFirst);
    EXPECT_EQ(disk.readRecordList().count, 1);
    const QStringList saved = disk.readRecord(kFirst);
    for (const FieldInfo &f : fieldTable()) {
        SCOPED_TRACE(f.slot);
        const QString shown = f.kind == FieldKind::Edit ? form_.editText(f.slot)
                                                        : form_.choiceText(f.slot);
        EXPECT_FALSE(saved[f.slot].isEmpty());
        EXPECT_EQ(saved[f.slot], shown);
    }
    EXPECT_EQ(saved[slot::channel1], form_.choice(slot::channel1).entries().at(3));
    EXPECT_EQ(saved[slot::factoryDate], u"09年08月17日");
}

TEST_F(RecordSaverTest, SavingOnePageLeavesTheOthersKeys)
{
    fillOwnShip(kFirst);
    saver_.saveOwnShipRecord(form_);
    saver_.saveSystemRecord(form_);
    const QString systemBefore = record(kFirst, slot::lcdMode);

    enter(slot::crewCount, u"30__"_s);
    choose(slot::lcdMode, form_.choice(slot::lcdMode).entries().constLast());
    saver_.saveOwnShipRecord(form_);

    EXPECT_EQ(record(kFirst, slot::crewCount), u"30__");
    EXPECT_EQ(record(kFirst, slot::lcdMode), systemBefore);
}

TEST_F(RecordSaverTest, ShipsAreListedOnceInOrderOfFirstSave)
{
    fillOwnShip(kFirst);
    saver_.saveOwnShipRecord(form_);
    enter(slot::mmsi, kSecond);
    saver_.saveOwnShipRecord(form_);
    enter(slot::mmsi, kFirst);
    saver_.saveSystemRecord(form_);
    saver_.saveOwnShipRecord(form_);

    const RecordList list = ProfileRecords(reopenedCopy()).readRecordList();
    EXPECT_EQ(list.names, kFirst + u',' + kSecond);
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(record(kSecond, slot::mmsi), kSecond);
}

using Saving = void (RecordSaver::*)(Form &);

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
        (saver_.*saving)(form_);
        EXPECT_EQ(form_.mirror(slot::mmsi), u"");
        EXPECT_EQ(storedFiles(), QStringList());
    }
}

TEST_F(RecordSaverTest, NamesBeyondTheCountAreRegisteredAgain)
{
    store_.save(u"VARID"_s, u"CONTENT"_s, u"FNAME"_s, u"111111111,222222222,333333333"_s);
    store_.save(u"VARID"_s, u"CONTENT"_s, u"NN"_s, u"2"_s);
    EXPECT_EQ(records_.recordNames(), (QStringList{u"111111111"_s, u"222222222"_s}));

    fillOwnShip(u"222222222"_s);
    saver_.saveSystemRecord(form_);
    EXPECT_EQ(records_.readRecordList().names, u"111111111,222222222,333333333");
    EXPECT_EQ(records_.readRecordList().count, 2);

    enter(slot::mmsi, u"333333333"_s);
    saver_.saveOwnShipRecord(form_);
    const RecordList list = records_.readRecordList();
    EXPECT_EQ(list.names, u"111111111,222222222,333333333,333333333");
    EXPECT_EQ(list.count, 3);
}

TEST_F(RecordSaverTest, ListWrittenInOtherCaseIsFound)
{
    store_.save(u"varid"_s, u"CONTENT"_s, u"FNAME"_s, kFirst);
    store_.save(u"Varid"_s, u"Content"_s, u"Nn"_s, u"1"_s);
    fillOwnShip(kFirst);
    saver_.saveOwnShipRecord(form_);
    const RecordList list = records_.readRecordList();
    EXPECT_EQ(list.names, kFirst);
    EXPECT_EQ(list.count, 1);
}

TEST_F(RecordSaverTest, CountStopsAt32767ButTheNameIsStillAppended)
{
    QStringList names;
    for (int i = 0; i < 32767; ++i)
        names.append(QString::number(100000000 + i));
    const QString full = names.join(u',');
    store_.saveMany(u"VARID"_s, u"content"_s, {{u"fname"_s, full}, {u"nn"_s, u"32767"_s}});

    fillOwnShip(kSecond);
    saver_.saveFactoryRecord(form_);

    const RecordList list = ProfileRecords(reopenedCopy()).readRecordList();
    EXPECT_EQ(list.names, full + u',' + kSecond);
    EXPECT_EQ(list.count, 32767);
    EXPECT_FALSE(records_.recordNames().contains(kSecond));
    // The page's keys are saved all the same.
    EXPECT_EQ(record(kSecond, slot::factoryDate), form_.editText(slot::factoryDate));
    EXPECT_EQ(storedFiles(), (QStringList{u"varid/413000001.ini"_s, u"varid/content.ini"_s}));
}

} // namespace
} // namespace aisset::test
