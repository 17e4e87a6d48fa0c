#include "store/RecordsDialog.h"
#include "FormFixture.h"
#include "ScriptedHost.h"
#include "StoreFixture.h"
#include "model/FieldInput.h"
#include "store/ProfileRecords.h"
#include "store/RecordSaver.h"

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

class RecordsDialogTest : public test::StoreFixture {
protected:
    // Saves one ship's own-ship page (and optionally its system page) as a write would.
    void saveShip(const QString &mmsi, const QString &draught, bool system = false)
    {
        test::StartForm page;
        ASSERT_TRUE(enterValue(page.form, slot::mmsi, mmsi));
        ASSERT_TRUE(enterValue(page.form, slot::draught, draught));
        ASSERT_TRUE(selectChoiceValue(page.form, slot::shipType, u"30"_s));
        expectSaved(saver.saveOwnShipRecord(page.form));
        if (system)
            expectSaved(saver.saveSystemRecord(page.form));
    }

    ProfileRecords records{store_};
    RecordSaver saver{store_};
    RecordsDialog dialog{records, u"/data"_s};
    test::StartForm main;
    test::ScriptedHost host;
};

TEST_F(RecordsDialogTest, EmptyStoreListsNothingAndAsksForASelection)
{
    dialog.open();
    EXPECT_TRUE(dialog.entries().toStringList().isEmpty());
    dialog.loadSelected(main.form, host);
    EXPECT_EQ(host.messages, QStringList{u"请选择一个MMSI"_s});
    EXPECT_TRUE(dialog.isVisible());
    dialog.doubleClick(main.form, host);
    EXPECT_EQ(host.messages.size(), 1); // a double click without selection does nothing
}

TEST_F(RecordsDialogTest, LoadingAShipResetsTheFormAndFillsItsStoredValues)
{
    saveShip(u"412345678"_s, u"8.5"_s);
    ASSERT_TRUE(enterValue(main.form, slot::shipName, u"OTHER"_s));
    dialog.open();
    ASSERT_EQ(dialog.entries().toStringList(), QStringList{u"412345678"_s});
    dialog.select(0);
    dialog.loadSelected(main.form, host);
    EXPECT_EQ(main.form.editText(slot::draught), u"_8.5米"_s);
    EXPECT_EQ(main.form.editText(slot::mmsi), u"412345678"_s);
    EXPECT_EQ(main.form.editText(slot::shipName), QString(20, u'_'));
    EXPECT_EQ(main.form.choiceText(slot::shipType), u"30(渔船)"_s);
    // Only own-ship keys were stored: every system choice stays without entry.
    for (int s : {int(slot::channel1), int(slot::lightPrompt), int(slot::autoVhfOff)})
        EXPECT_EQ(main.form.choice(s).position(), -1) << s;
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.isLoaded());
}

TEST_F(RecordsDialogTest, AHiddenDialogKeepsItsListUntilUnloaded)
{
    saveShip(u"412345678"_s, u"8.5"_s);
    dialog.open();
    dialog.select(0);
    dialog.loadSelected(main.form, host);
    saveShip(u"413000000"_s, u"5"_s);
    dialog.open();
    EXPECT_EQ(dialog.entries().toStringList(), QStringList{u"412345678"_s});
    dialog.close();
    dialog.open();
    EXPECT_EQ(dialog.entries().toStringList(), (QStringList{u"412345678"_s, u"413000000"_s}));
}

TEST_F(RecordsDialogTest, EmptyingTheListKeepsTheShipsSections)
{
    saveShip(u"412345678"_s, u"8.5"_s, true);
    dialog.open();
    expectSaved(dialog.clearList());
    EXPECT_FALSE(dialog.isLoaded());
    dialog.open();
    EXPECT_TRUE(dialog.entries().toStringList().isEmpty());

    // Saved again after the clearing, the ship is the only entry and brings back
    // the system keys stored before.
    test::StartForm page;
    ASSERT_TRUE(enterValue(page.form, slot::mmsi, u"412345678"_s));
    ASSERT_TRUE(enterValue(page.form, slot::draught, u"3"_s));
    expectSaved(saver.saveOwnShipRecord(page.form));
    dialog.close();
    dialog.open();
    ASSERT_EQ(dialog.entries().toStringList(), QStringList{u"412345678"_s});
    dialog.select(0);
    dialog.loadSelected(main.form, host);
    EXPECT_EQ(main.form.choiceText(slot::channel1), u"2087(161.9750)MHz"_s);
    EXPECT_EQ(main.form.editText(slot::draught), u"3_._米"_s);
}

TEST_F(RecordsDialogTest, SkinComesFromTheStoredChoice)
{
    const std::pair<QString, QString> cases[] = {
        {QString(), QString()}, // nothing stored: "0" loads nothing
        {u"no"_s, QString()},  // no skin chosen
        {u"/skins/Mac.skn"_s, u"/skins/Mac.skn"_s},
    };
    for (const auto &[stored, expected] : cases) {
        if (!stored.isEmpty())
            expectSaved(records.saveSkin(stored));
        RecordsDialog fresh(records, u"/data"_s);
        fresh.open();
        EXPECT_EQ(fresh.skinPath(), expected) << stored.toStdString();
    }
}

} // namespace
