// The installer's edition on screen beside the simplified one, and a verified
// write against the virtual unit.
#include "Modal.h"
#include "VirtualUnit.h"
#include "WindowFixture.h"
#include "model/FieldTable.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

class EditionTest : public test::WindowTest {
protected:
    void SetUp() override {} // each test starts the edition it needs

    QPushButton *button(int index) const { return find<QPushButton>(u"Command2_%1"_s.arg(index)); }
    QTabWidget *tabs() const { return find<QTabWidget>(u"Tab1"_s); }
    void clickTab(int page) const
    {
        QTabBar *bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page - 1).center());
    }
    QString panel2() const { return find<QLabel>(u"SBar1_Panel2"_s)->text(); }
};

TEST_F(EditionTest, OnlyTheInstallersEditionShowsTheReadButtonTheFactoryPageAndAllMenus)
{
    for (Edition edition : {Edition::Simplified, Edition::Full}) {
        const bool full = edition == Edition::Full;
        SCOPED_TRACE(full ? "full" : "simplified");
        startWindow(QString(), edition);
        EXPECT_EQ(window->windowTitle().endsWith(u"(简)"_s), !full);
        EXPECT_EQ(tabs()->count(), full ? 5 : 4);
        for (const char16_t *menu : {u"tools", u"showall"})
            EXPECT_EQ(find<QMenu>(QString::fromUtf16(menu))->menuAction()->isVisible(), full);
        // The read button on pages 1 and 2; the factory fields and their button nowhere else.
        for (int page : {1, 2}) {
            clickTab(page);
            EXPECT_EQ(button(3)->isVisible(), full) << page;
            EXPECT_FALSE(button(2)->isVisible()) << page;
            EXPECT_FALSE(shown(u"text1_%1"_s.arg(slot::vendorNumber))) << page;
        }
        if (!full)
            continue;
        EXPECT_EQ(tabs()->tabText(4), u"出厂资料设置"_s);
        clickTab(5);
        EXPECT_FALSE(button(3)->isVisible());
        EXPECT_TRUE(button(2)->isVisible());
        EXPECT_EQ(button(2)->text(), u"出厂资料写入"_s);
        for (int s : {slot::vendorNumber, slot::factoryDate, slot::machineNumber, slot::powerOnTime}) {
            EXPECT_TRUE(edit(s)->isVisible()) << s;
            EXPECT_EQ(find<QLabel>(u"SkinLabel1_%1"_s.arg(s))->text(), str(field(s).caption)) << s;
        }
        EXPECT_EQ(focused(), edit(slot::vendorNumber));
        // "Green.skn" finds the deployed green.skn; a skin without its file cannot be chosen.
        EXPECT_TRUE(find<QAction>(u"s1_3"_s)->isEnabled());
        EXPECT_FALSE(find<QAction>(u"s1_0"_s)->isEnabled());
        window->setStyleSheet({});
        find<QAction>(u"s1_3"_s)->trigger();
        EXPECT_FALSE(window->styleSheet().isEmpty());
    }
}

TEST_F(EditionTest, TheReadButtonFillsTheFormFromTheUnit)
{
    test::VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    startWindow(unit.path(), Edition::Full);
    QTest::mouseClick(button(3), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel2() == u"读取成功"_s; }, 5000)) << panel2().toStdString();
    window->core().tabClicked(Page::Factory);
    EXPECT_EQ(edit(slot::vendorNumber)->text(), u"AB12   "_s); // the unit's sample factory record
    EXPECT_EQ(choice(slot::shipType)->currentText(), u"90(其它类型船)"_s);
}

// Yes to the question, OK to the acknowledgement, then the outcome.
TEST_F(EditionTest, AVerifiedWriteSaysSoOrListsWhatTheUnitHolds)
{
    struct Case {
        QStringList faults;
        QString panel2;
        bool warns;
    };
    const Case cases[] = {
        {{}, u"校验通过"_s, false},
        {{u"--stale"_s, u"ownship"_s}, u"设备参数与写入不符"_s, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.faults.join(u' ').toStdString());
        test::VirtualUnit unit(c.faults);
        ASSERT_FALSE(unit.path().isEmpty());
        startWindow(unit.path(), Edition::Full);
        ASSERT_TRUE(form().setEditText(slot::mmsi, u"412345678"_s));
        ASSERT_TRUE(form().selectChoiceText(slot::shipType, u"70(货船)"_s));
        ASSERT_TRUE(form().setEditText(slot::draught, u"_8.5米"_s));

        QStringList boxes;
        QMessageBox::Icon warningIcon = QMessageBox::NoIcon;
        test::answerNextBox(QMessageBox::Yes, [&](QMessageBox &question) {
            boxes << question.text();
            test::answerNextBox(QMessageBox::Ok, [&](QMessageBox &acknowledgement) {
                boxes << acknowledgement.text();
                if (!c.warns)
                    return;
                test::answerNextBox(QMessageBox::Ok, [&](QMessageBox &warning) {
                    boxes << warning.text();
                    warningIcon = warning.icon();
                });
            });
        });
        QTest::mouseClick(button(0), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel2() == c.panel2; }, 5000)) << panel2().toStdString();
        ASSERT_EQ(boxes.size(), c.warns ? 3 : 2);
        EXPECT_EQ(boxes[1], u"本船资料设置成功"_s);
        if (c.warns) {
            EXPECT_EQ(warningIcon, QMessageBox::Warning);
            EXPECT_TRUE(boxes[2].startsWith(u"设备参数与写入不符\n"_s));
            EXPECT_TRUE(boxes[2].contains(u"MMSI  写入: 412345678  设备: 000000000"_s)) << boxes[2].toStdString();
            EXPECT_TRUE(boxes[2].contains(u"吃水深度  写入: 085  设备: 000"_s));
        }
        // What was typed stays for a retry.
        EXPECT_EQ(edit(slot::mmsi)->text(), u"412345678"_s);
        EXPECT_EQ(edit(slot::draught)->text(), u"_8.5米"_s);
        EXPECT_TRUE(window->isEnabled());
    }
}

} // namespace
