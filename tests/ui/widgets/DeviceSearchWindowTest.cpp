// "查找设备" in the installer's edition on screen, against two virtual units and
// a silent pseudo-terminal named as port numbers through AISSET_PORT_<n>: the
// search runs while the window takes keys, shows its progress and can be
// cancelled.
#include "Modal.h"
#include "ui/text/Catalogue.h"
#include "VirtualUnit.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <map>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

class DeviceSearchWindow : public test::WindowTest {
protected:
    void SetUp() override {}
    void TearDown() override
    {
        window.reset();
        for (int n = 1; n <= 16; ++n)
            qunsetenv(variable(n).constData());
    }

    static QByteArray variable(int n) { return "AISSET_PORT_" + QByteArray::number(n); }

    // The installer's edition on the system's port mapping, with only these
    // port numbers naming a device.
    void startOn(const std::map<int, QString> &devices)
    {
        for (int n = 1; n <= 16; ++n)
            qputenv(variable(n).constData(), devices.count(n) ? devices.at(n).toLocal8Bit() : QByteArray());
        window = std::make_unique<ui::MainWindow>(store, sysDir, LinkSession::Options{}, Edition::Full);
        window->load();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !catalogue::text(form().connectionStatus()).isEmpty(); }));
    }

    bool searching() const { return window->core().deviceSearch().isRunning(); }
    QProgressBar *progress() const { return find<QProgressBar>(u"SearchProgress"_s); }
};

TEST_F(DeviceSearchWindow, FindsBothUnitsWhileTheWindowTakesKeys)
{
    test::VirtualUnit silent({u"--silent"_s});
    test::VirtualUnit first({});
    test::VirtualUnit second({});
    ASSERT_FALSE(silent.path().isEmpty() || first.path().isEmpty() || second.path().isEmpty());
    startOn({{1, silent.path()}, {2, first.path()}, {3, second.path()}});
    enter(edit(slot::mmsi));

    find<QAction>(u"finddev"_s)->trigger();
    ASSERT_TRUE(searching());
    EXPECT_TRUE(progress()->isVisible());
    EXPECT_TRUE(find<QPushButton>(u"SearchCancel"_s)->isVisible());
    // A key typed a moment later, from the event loop, while the silent port
    // is being tried: the field takes it.
    bool searchingAtKey = false;
    QTimer::singleShot(300, window.get(), [&] {
        searchingAtKey = searching();
        QTest::keyClick(edit(slot::mmsi), Qt::Key_7);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit(slot::mmsi)->text().startsWith(u'7'); }, 3000))
        << edit(slot::mmsi)->text().toStdString();
    EXPECT_TRUE(searchingAtKey);

    QString said;
    test::answerNextBox(QMessageBox::Ok, [&](QMessageBox &box) { said = box.text(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !said.isEmpty(); }, 8000));
    EXPECT_TRUE(said.startsWith(u"找到2台设备"_s)) << said.toStdString();
    for (const QString &port : {u"通讯口2 (%1): 设备"_s.arg(first.path()), u"通讯口3 (%1): 设备"_s.arg(second.path()),
                                u"通讯口1 (%1): 无应答"_s.arg(silent.path())})
        EXPECT_TRUE(said.contains(port)) << said.toStdString();
    EXPECT_FALSE(searching());
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_TRUE(find<QCheckBox>(u"Check1"_s)->isVisible()); // the status bar as before
    EXPECT_EQ(find<QComboBox>(u"Combo2"_s)->currentIndex(), 0);
    EXPECT_EQ(catalogue::text(form().connectionStatus()), u"通讯口1 连接"_s);
}

TEST_F(DeviceSearchWindow, OneUnitBecomesThePortChoiceAndCancelKeepsThePortOfBefore)
{
    test::VirtualUnit silent({u"--silent"_s});
    test::VirtualUnit unit({});
    ASSERT_FALSE(silent.path().isEmpty() || unit.path().isEmpty());
    startOn({{1, silent.path()}, {2, unit.path()}});

    // Cancelled while the silent port is tried: nothing said, port 1 again.
    find<QAction>(u"finddev"_s)->trigger();
    ASSERT_TRUE(searching());
    QTest::mouseClick(find<QPushButton>(u"SearchCancel"_s), Qt::LeftButton);
    EXPECT_FALSE(searching());
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_EQ(catalogue::text(form().connectionStatus()), u"通讯口1 连接"_s);

    find<QAction>(u"finddev"_s)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !searching(); }, 8000));
    EXPECT_EQ(find<QComboBox>(u"Combo2"_s)->currentIndex(), 1);
    EXPECT_EQ(catalogue::text(form().connectionStatus()), u"通讯口2 连接"_s);
    EXPECT_EQ(find<QLabel>(u"SBar1_Panel2"_s)->text(), u"找到设备 通讯口2 (%1)"_s.arg(unit.path()));
    EXPECT_EQ(store.read(u"VARID"_s, u"content"_s, u"Commport"_s, QString()), u"2"_s);
}

} // namespace
