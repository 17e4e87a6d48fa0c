// The unit hangs up, or stays silent and wakes up later, in the middle of a
// transaction. The tool says so in its status, keeps running, works again once
// the port is chosen again, and keeps every record it had.
#include "Tool.h"
#include "ui/text/Catalogue.h"
#include "UnitOnPty.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;
using test::Tool;
using test::UnitOnPty;

namespace {

class LineFaults : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(unit.started());
        tool.start(unit.device());
        ASSERT_EQ(catalogue::text(tool.form().connectionStatus()), u"通讯口1  连接"_s);
    }
    // The device goes away once the tool has sent something: right after the
    // chunk, outside the pseudo-terminal's own notification.
    void hangUpOnFirstChunk()
    {
        unit.onReceived = [this](const QByteArray &) {
            QTimer::singleShot(0, &tool.form(), [this] { unit.hangUp(); });
            return true;
        };
    }
    // A new unit on the port chosen again: the tool works and the ship saved
    // before the fault is still listed, ahead of the new one.
    void expectWorksAgainOnANewUnit(const QStringList &namesBefore)
    {
        UnitOnPty next;
        ASSERT_TRUE(next.started());
        tool.choosePortAgain(next.device());
        EXPECT_EQ(catalogue::text(tool.form().connectionStatus()), u"通讯口1 连接"_s);
        tool.expectResponsive(u"413000000"_s);
        EXPECT_EQ(tool.recordNames(), namesBefore + QStringList{u"413000000"_s});
    }

    QTemporaryDir dir;
    Tool tool{dir.path()};
    UnitOnPty unit;
};

TEST_F(LineFaults, UnitGoneWhileAWriteWaitsForItsAcknowledgement)
{
    hangUpOnFirstChunk();
    tool.fillOwnShip(u"412345678"_s);
    tool.link().transactions().setNoRepeat(false);
    tool.host.answers = {true, false}; // start the write; no retry
    tool.core.buttonClicked(Button::OwnShipWrite);

    EXPECT_EQ(tool.host.questions, (QStringList{u"是否开始设置数据"_s, u"设置失败,是否重试"_s}));
    EXPECT_TRUE(tool.host.messages.isEmpty());
    EXPECT_EQ(catalogue::text(tool.form().connectionStatus()), u"通讯口1 断开"_s);
    EXPECT_FALSE(tool.link().line().isOpen());
    EXPECT_TRUE(tool.form().isEnabled());
    // The page was saved when its sentence was built.
    EXPECT_EQ(tool.recordNames(), QStringList{u"412345678"_s});
    expectWorksAgainOnANewUnit({u"412345678"_s});
}

TEST_F(LineFaults, UnitGoneInTheMiddleOfItsReply)
{
    // The unit dies halfway through its parameter line, sent two bytes at a time.
    sim::Faults faults;
    faults.hangupAfter = 0;
    faults.chunk = 2;
    faults.chunkPauseMs = 2;
    UnitOnPty dying(faults);
    ASSERT_TRUE(dying.started());
    tool.choosePortAgain(dying.device());
    EventWait lost;
    lost.finishOn(&tool.link().line(), &SerialLine::connectionLost);
    tool.core.buttonClicked(Button::Read);
    ASSERT_TRUE(lost.run(3000));

    EXPECT_EQ(catalogue::text(tool.form().connectionStatus()), u"通讯口1 断开"_s);
    EXPECT_TRUE(tool.form().receiveLog().startsWith(u"!CVSET,"_s));
    EXPECT_TRUE(tool.form().replyLog().isEmpty()); // half a line is no reply
    EXPECT_TRUE(tool.form().isEnabled());
    // Choosing the port at once: the half line must not spoil the next reply,
    // which is decoded at the first attempt.
    expectWorksAgainOnANewUnit({});
    EXPECT_TRUE(tool.form().replyLog().endsWith(u" 次数:1\r\n"_s)) << tool.form().replyLog().toStdString();
}

TEST_F(LineFaults, SilentUnitGetsTheRetryPromptThenAnswersTheRetry)
{
    // The unit takes no notice of the first attempt's two sentences and wakes up
    // for the retry.
    unit.onReceived = [this](const QByteArray &) {
        const bool asleep = !unit.poweredOn;
        if (unit.received.count("\r\n") >= 2)
            unit.poweredOn = true;
        return asleep;
    };
    unit.poweredOn = false;
    tool.fillOwnShip(u"412345678"_s);
    tool.link().transactions().setNoRepeat(false);
    tool.core.buttonClicked(Button::OwnShipWrite);

    EXPECT_EQ(tool.host.questions, (QStringList{u"是否开始设置数据"_s, u"设置失败,是否重试"_s}));
    EXPECT_EQ(tool.host.messages, QStringList{u"本船资料设置成功"_s});
    EXPECT_EQ(unit.received.count("$CVUIS,"), 3);
    EXPECT_EQ(catalogue::text(tool.form().transactionStatus()), u"设置成功"_s);
    EXPECT_TRUE(tool.form().isEnabled());
    // A retry builds and saves again; the ship is listed once.
    EXPECT_EQ(tool.recordNames(), QStringList{u"412345678"_s});
    tool.expectResponsive(u"412345678"_s);
}

} // namespace
