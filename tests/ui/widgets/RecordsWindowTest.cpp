// The records dialog on screen: opened from the menu, modal over the main
// window, loading a ship into the window's fields, and its life cycle.
#include "ui/widgets/RecordsWindow.h"
#include "FormFixture.h"
#include "Modal.h"
#include "SaveTesting.h"
#include "WindowFixture.h"
#include "model/FieldTable.h"
#include "store/ProfileRecords.h"
#include "store/RecordSaver.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

class RecordsWindowTest : public test::WindowTest {
protected:
    // Saves a ship's own-ship page as a write does.
    void saveShip(const QString &mmsi, const QString &draught, const QString &shipType,
                  const QStringList &antennas = {})
    {
        test::StartForm page;
        ASSERT_TRUE(enterValue(page.form, slot::mmsi, mmsi));
        ASSERT_TRUE(enterValue(page.form, slot::draught, draught));
        ASSERT_TRUE(selectChoiceValue(page.form, slot::shipType, shipType));
        const int antennaSlots[] = {slot::antennaA, slot::antennaB, slot::antennaC, slot::antennaD};
        for (int i = 0; i < antennas.size(); ++i)
            ASSERT_TRUE(enterValue(page.form, antennaSlots[i], antennas[i]));
        expectSaved(RecordSaver(store).saveOwnShipRecord(page.form));
    }

    // Chooses "调入船资料" and acts in the dialog it shows; returns once the
    // dialog's modal display has ended.
    void openRecords(std::function<void(ui::RecordsWindow &)> act)
    {
        bool shown = false;
        test::whenModal<ui::RecordsWindow>([&](ui::RecordsWindow &dialog) {
            shown = true;
            act(dialog);
        });
        find<QAction>(u"t1"_s)->trigger();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(window->recordsWindow().isVisible());
    }

    static QStringList listed(ui::RecordsWindow &dialog)
    {
        QStringList entries;
        const QAbstractItemModel *model = dialog.findChild<QListView *>(u"List1"_s)->model();
        for (int i = 0; i < model->rowCount(); ++i)
            entries.append(model->index(i, 0).data().toString());
        return entries;
    }
    static QPushButton *button(ui::RecordsWindow &dialog, const char16_t *name)
    {
        return dialog.findChild<QPushButton *>(QString::fromUtf16(name));
    }
    static void clickEntry(ui::RecordsWindow &dialog, int row, bool twice = false)
    {
        auto *list = dialog.findChild<QListView *>(u"List1"_s);
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
};

// The start makes no records dialog: "调入船资料" makes it when first chosen,
// and keeps it for the next time.
TEST_F(RecordsWindowTest, IsMadeWhenFirstOpened)
{
    const auto dialogs = [] {
        qsizetype count = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            count += qobject_cast<ui::RecordsWindow *>(w) != nullptr;
        return count;
    };
    EXPECT_EQ(dialogs(), 0);
    ui::RecordsWindow *first = nullptr;
    openRecords([&](ui::RecordsWindow &dialog) {
        first = &dialog;
        dialog.reject();
    });
    EXPECT_EQ(dialogs(), 1);
    openRecords([&](ui::RecordsWindow &dialog) {
        EXPECT_EQ(&dialog, first);
        dialog.reject();
    });
}

TEST_F(RecordsWindowTest, OpensModallyOverTheWindowAndLoadsTheChosenShip)
{
    saveShip(u"412345678"_s, u"8.5"_s, u"30"_s);
    saveShip(u"413000001"_s, u"12.5"_s, u"70"_s);
    ASSERT_TRUE(enterValue(form(), slot::shipName, u"OTHER"_s));
    const ui::Twips twips = ui::Twips::forScreen();

    openRecords([&](ui::RecordsWindow &dialog) {
        EXPECT_EQ(dialog.objectName(), u"dunote"_s);
        EXPECT_EQ(dialog.windowTitle(), u"读取以往录入数据"_s);
        EXPECT_EQ(dialog.size(), QSize(twips.px(3285), twips.px(3990)));
        EXPECT_LE((dialog.geometry().center() - window->geometry().center()).manhattanLength(), 2);
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal); // the main window takes no input
        EXPECT_EQ(dialog.findChild<QLabel *>(u"SkinLabel1"_s)->text(), u"MMSI:"_s);
        EXPECT_EQ(listed(dialog), (QStringList{u"412345678"_s, u"413000001"_s}));
        const std::pair<const char16_t *, const char16_t *> buttons[] = {{u"Command2", u"清空注册数据"},
                                                                         {u"Command1", u"开始载入数据"}};
        for (const auto &[name, caption] : buttons) {
            QPushButton *b = button(dialog, name);
            EXPECT_EQ(b->text(), QString::fromUtf16(caption));
            EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << "caption cut";
        }
        clickEntry(dialog, 1);
        QTest::mouseClick(button(dialog, u"Command1"), Qt::LeftButton);
    });

    EXPECT_EQ(edit(slot::mmsi)->text(), u"413000001"_s);
    EXPECT_EQ(edit(slot::draught)->text(), u"12.5米"_s);
    EXPECT_EQ(edit(slot::shipName)->text(), QString(20, u'_')); // reset before loading
    EXPECT_EQ(choice(slot::shipType)->currentText(), u"70(货船)"_s);
    window->core().tabClicked(Page::System);
    EXPECT_EQ(choice(slot::channel1)->currentIndex(), -1);  // no system keys stored
    EXPECT_TRUE(window->core().recordsDialog().isLoaded()); // hidden, not unloaded
}

TEST_F(RecordsWindowTest, LoadingWithoutASelectionAsksForAnMmsiAndStaysOpen)
{
    saveShip(u"412345678"_s, u"8.5"_s, u"30"_s);
    QString message, title;
    bool stayedOpen = false;
    openRecords([&](ui::RecordsWindow &dialog) {
        // The list taking the focus makes an entry current, but selects none.
        dialog.findChild<QListView *>(u"List1"_s)->setFocus();
        QApplication::processEvents();
        test::answerNextBox(QMessageBox::Ok, [&](QMessageBox &box) {
            message = box.text();
            title = box.windowTitle();
        });
        QTest::mouseClick(button(dialog, u"Command1"), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        dialog.close(); // the dialog's window is closed: it unloads
    });
    EXPECT_EQ(message, u"请选择一个MMSI"_s);
    EXPECT_EQ(title, u"Ais设置"_s);
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(window->core().recordsDialog().isLoaded());
}

TEST_F(RecordsWindowTest, ADoubleClickOnAnEntryLoadsIt)
{
    saveShip(u"412345678"_s, u"8.5"_s, u"30"_s);
    openRecords([&](ui::RecordsWindow &dialog) { clickEntry(dialog, 0, true); });
    EXPECT_EQ(edit(slot::draught)->text(), u"_8.5米"_s);
    EXPECT_EQ(choice(slot::shipType)->currentText(), u"30(渔船)"_s);
}

TEST_F(RecordsWindowTest, AShipSavedWithAnIncompleteMmsiIsListedCleanAndLoads)
{
    saveShip(u"41234567"_s, u"8.5"_s, u"30"_s);
    openRecords([&](ui::RecordsWindow &dialog) {
        EXPECT_EQ(listed(dialog), QStringList{u"41234567"_s});
        clickEntry(dialog, 0);
        QTest::mouseClick(button(dialog, u"Command1"), Qt::LeftButton);
    });
    EXPECT_EQ(edit(slot::mmsi)->text(), u"41234567_"_s);
    EXPECT_EQ(edit(slot::draught)->text(), u"_8.5米"_s);
    EXPECT_EQ(choice(slot::shipType)->currentText(), u"30(渔船)"_s);
}

TEST_F(RecordsWindowTest, ALoadedShipShowsItsOwnSize)
{
    saveShip(u"412345678"_s, u"8.5"_s, u"30"_s, {u"50"_s, u"10"_s, u"3"_s, u"4"_s});
    const std::pair<const char *, std::function<void(ui::RecordsWindow &)>> loads[] = {
        {"button",
         [this](ui::RecordsWindow &dialog) {
             clickEntry(dialog, 0);
             QTest::mouseClick(button(dialog, u"Command1"), Qt::LeftButton);
         }},
        {"double click", [this](ui::RecordsWindow &dialog) { clickEntry(dialog, 0, true); }},
    };
    for (const auto &[name, load] : loads) {
        window->activateWindow(); // back from the dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The ship on the page before: 120 m long, 10 m wide.
        for (const auto &[s, typed] : {std::pair{slot::antennaA, u"100"},
                                       {slot::antennaB, u"20"},
                                       {slot::antennaC, u"5"},
                                       {slot::antennaD, u"5"}}) {
            enter(edit(s));
            QTest::keyClicks(edit(s), QString::fromUtf16(typed));
        }
        enter(edit(slot::mmsi));
        ASSERT_EQ(find<QLabel>(u"Label2_3"_s)->text(), u"船长:120米   船宽:10米"_s);
        openRecords(load);
        EXPECT_EQ(find<QLabel>(u"Label2_3"_s)->text(), u"船长:60米   船宽:7米"_s) << name;
    }
}

TEST_F(RecordsWindowTest, AHiddenDialogKeepsItsListAnUnloadedOneReadsTheStoreAgain)
{
    saveShip(u"412345678"_s, u"8.5"_s, u"30"_s);
    openRecords([&](ui::RecordsWindow &dialog) {
        clickEntry(dialog, 0);
        QTest::mouseClick(button(dialog, u"Command1"), Qt::LeftButton);
    });
    saveShip(u"413000001"_s, u"12.5"_s, u"70"_s);
    openRecords([&](ui::RecordsWindow &dialog) {
        EXPECT_EQ(listed(dialog), QStringList{u"412345678"_s}); // hidden: the same list
        dialog.close();
    });
    openRecords([&](ui::RecordsWindow &dialog) {
        EXPECT_EQ(listed(dialog), (QStringList{u"412345678"_s, u"413000001"_s}));
        QTest::mouseClick(button(dialog, u"Command2"), Qt::LeftButton); // "清空注册数据"
    });
    EXPECT_FALSE(window->core().recordsDialog().isLoaded());
    openRecords([&](ui::RecordsWindow &dialog) {
        EXPECT_TRUE(listed(dialog).isEmpty());
        dialog.close();
    });
}

TEST_F(RecordsWindowTest, TheDialogWearsTheStoredSkinChoiceNotTheMainWindows)
{
    const struct {
        const char *stored; // nullptr: nothing stored
        bool skinned;
    } cases[] = {{nullptr, false}, {"", true}, {"no", false}};
    for (const auto &c : cases) {
        if (c.stored)
            expectSaved(ProfileRecords(store).saveSkin(QString::fromLatin1(c.stored)));
        bool skinned = false;
        openRecords([&](ui::RecordsWindow &dialog) {
            skinned = !dialog.styleSheet().isEmpty();
            dialog.close();
        });
        EXPECT_EQ(skinned, c.skinned) << (c.stored ? c.stored : "nothing stored");
    }
    EXPECT_FALSE(window->styleSheet().isEmpty()); // the main window keeps its start skin
}

} // namespace
