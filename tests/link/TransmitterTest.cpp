#include "LinkHarness.h"
#include "encoding/Gbk.h"
#include "link/Waiting.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

class Transmit : public testing::Test {
protected:
    void SetUp() override { h.openPort(); }
    test::LinkHarness h;
};

TEST_F(Transmit, DiscardsStaleInputSendsTheTextUnchangedAndReturnsOnceItHasLeftTheQueue)
{
    h.line.input = "stale";
    h.line.drainMs = 40;
    h.line.calls.clear();
    QElapsedTimer clock;
    clock.start();
    h.session.transmitter().sendCommand(u"$CVABC,船*00\r\n"_s);
    EXPECT_GE(clock.elapsed(), 35);
    EXPECT_EQ(h.line.pendingOutput(), 0);
    EXPECT_EQ(h.line.written, QList<QByteArray>{toGbk(u"$CVABC,船*00\r\n"_s)});
    EXPECT_EQ(h.line.calls, (QStringList{u"discard input"_s, u"discard output"_s}));
    EXPECT_TRUE(h.form().receiveLog().isEmpty()); // the stale bytes never reached the receive path
}

TEST_F(Transmit, OnAClosedLineNothingIsSentAndNothingWaits)
{
    h.line.close();
    h.line.drainMs = 500;
    QElapsedTimer clock;
    clock.start();
    h.session.transmitter().sendCommand(u"$CVRSE,*7D\r\n"_s);
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_TRUE(h.line.written.isEmpty());
}

// A unit that answers while the sentence is still draining, or just after:
// the answer reaches the receive path and the write is acknowledged.
TEST_F(Transmit, AnAnswerArrivingWhileTheSentenceDrainsIsKept)
{
    h.line.drainMs = 40;
    h.line.onWrite = [this](const QByteArray &) {
        QTimer::singleShot(5, &h.line, [this] { h.deliver("!CVA"); });
        QTimer::singleShot(20, &h.line, [this] { h.line.input += "CK\r\n"; }); // arrived, event not yet raised
    };
    h.state().awaitWrite(Group::OwnShip);
    h.session.transmitter().sendCommand(u"$CVUIS,x*00\r\n"_s);
    h.line.receive({}); // the receive event for the bytes that came last
    h.drain();
    EXPECT_EQ(h.host.messages, QStringList{u"本船资料设置成功"_s});
    EXPECT_TRUE(h.state().ackOwnShip);
}

TEST(WaitSeconds, EndsAtTheNextChangeOfTheWholeSecond)
{
    EXPECT_EQ(msUntilSecondsPassed(10'000, 1), 1000);
    EXPECT_EQ(msUntilSecondsPassed(10'001, 1), 999);
    EXPECT_EQ(msUntilSecondsPassed(10'999, 1), 1);
    EXPECT_EQ(msUntilSecondsPassed(10'999, 2), 1001);
}

TEST(WaitSeconds, LastsAtMostOneSecondAndRunsEventsMeanwhile)
{
    bool ranInside = false;
    QTimer::singleShot(10, [&] { ranInside = true; });
    QElapsedTimer clock;
    clock.start();
    waitSeconds(1);
    EXPECT_GT(clock.elapsed(), 0);
    EXPECT_LE(clock.elapsed(), 1050);
    EXPECT_TRUE(ranInside || clock.elapsed() < 10);
}

} // namespace
