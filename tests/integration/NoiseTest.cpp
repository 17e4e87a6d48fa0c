// Bytes no unit should send: a flood without a line end, lines just under and
// just over the receive limit, flow-control bytes inside lines, a reply holding
// every byte value. The tool takes or drops them by its receive rules and works
// on afterwards.
#include "PositionStream.h"
#include "ui/text/Catalogue.h"
#include "Tool.h"
#include "UnitOnPty.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;
using test::Tool;
using test::UnitOnPty;
using test::waitUntil;

namespace {

class Noise : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(unit.started());
        tool.start(unit.device());
        ASSERT_EQ(catalogue::text(tool.form().connectionStatus()), u"通讯口1  连接"_s);
    }
    // Sends bytes and waits until the tool has taken all of them but the
    // flow-control bytes, which the terminal keeps.
    void sendAndTake(const QByteArray &bytes)
    {
        const qsizetype expected =
            tool.form().receiveLog().size() + bytes.size() - bytes.count('\x11') - bytes.count('\x13');
        unit.send(bytes);
        ASSERT_TRUE(waitUntil([&] { return tool.form().receiveLog().size() >= expected; }, 5000));
        runEventLoopFor(3 * ReceivePath::kPollPeriodMs); // a few poll ticks
    }
    // Answers the tool's next sentence with the given bytes instead of the unit.
    void answerNextWith(const QByteArray &bytes)
    {
        unit.onReceived = [this, bytes](const QByteArray &) {
            unit.send(bytes);
            unit.onReceived = nullptr;
            return true;
        };
    }
    // The unit's parameter line, padded with blanks behind its checksum to the
    // given length (CR LF included).
    QByteArray paddedReply(qsizetype length) const
    {
        QByteArray line = unit.parameters().parameterLine().toLatin1();
        line.chop(2);
        return line + QByteArray(length - line.size() - 2, ' ') + "\r\n";
    }

    QTemporaryDir dir;
    Tool tool{dir.path()};
    UnitOnPty unit;
};

TEST_F(Noise, AFloodWithoutALineEndIsDroppedAndTheToolWorksOn)
{
    sendAndTake(QByteArray(100000, 'A'));
    // What is held stays under the limit; nothing was recognised.
    EXPECT_LT(tool.link().state().recvBuffer.size(), ReceivePath::kBufferLimit);
    EXPECT_TRUE(tool.host.messages.isEmpty());
    EXPECT_TRUE(tool.form().replyLog().isEmpty());
    // The rest is given up once the idle ticks run out (run here, not waited for).
    for (int i = 0; i < ReceivePath::kIdleTickLimit; ++i)
        tool.link().receivePath().pollTick();
    EXPECT_TRUE(tool.link().state().recvBuffer.isEmpty());
    EXPECT_FALSE(tool.link().receivePath().isPolling());
    tool.expectResponsive(u"412345678"_s);
}

TEST_F(Noise, ALineUnderTheReceiveLimitIsTakenAndOneOverItIsDroppedWhole)
{
    // 1,999 characters: a reply like any other, whatever follows its checksum.
    EventWait handled;
    handled.finishOn(&tool.link().receivePath(), &ReceivePath::replyHandled);
    unit.send(paddedReply(1999));
    ASSERT_TRUE(handled.run(3000));
    EXPECT_EQ(catalogue::text(tool.form().transactionStatus()), u"读取成功"_s);
    EXPECT_TRUE(tool.form().replyLog().endsWith(u"长度:1999 次数:1\r\n"_s));

    // 2,001 characters: dropped before its line end is seen.
    const QString replyLog = tool.form().replyLog();
    sendAndTake(paddedReply(2001));
    EXPECT_EQ(tool.form().replyLog(), replyLog);
    EXPECT_TRUE(tool.link().state().recvBuffer.isEmpty());
    tool.expectResponsive(u"412345678"_s);
}

// Far more than the receive limit in one burst, the acknowledgement inside it.
TEST_F(Noise, AnAcknowledgementInsideABurstOfPositionSentencesIsFound)
{
    tool.fillOwnShip(u"412345678"_s);
    QByteArray burst;
    for (int n = 0; n < 40; ++n)
        burst += sim::PositionStream::sentence(n);
    answerNextWith(burst + "!CVACK\r\n" + burst);
    ASSERT_TRUE(tool.write(Button::OwnShipWrite));
    EXPECT_EQ(tool.host.messages, QStringList{u"本船资料设置成功"_s});
}

TEST_F(Noise, FlowControlBytesInsideLinesAreTakenByTheTerminal)
{
    // XOFF and XON inside the acknowledgement: the terminal keeps both, the tool
    // sees the plain line.
    tool.fillOwnShip(u"412345678"_s);
    answerNextWith("!CV\x13"
                   "ACK\x11\r\n");
    ASSERT_TRUE(tool.write(Button::OwnShipWrite));
    EXPECT_EQ(tool.form().receiveLog(), u"!CVACK\r\n"_s);

    // An XOFF alone in a line holds the tool's output only until the next byte.
    sendAndTake("noise\x13tail\r\n");
    EXPECT_TRUE(tool.form().receiveLog().endsWith(u"noisetail\r\n"_s));
    tool.expectResponsive(u"412345678"_s);
}

TEST_F(Noise, AReplyWithEveryByteValueIsRefusedAndTheRepeatedRequestGetsTheRealOne)
{
    QByteArray everyByte = "!CVSET,";
    for (int b = 0; b < 256; ++b)
        everyByte += char(b);
    answerNextWith(everyByte + "\r\n");
    ASSERT_TRUE(tool.read());
    EXPECT_EQ(catalogue::text(tool.form().transactionStatus()), u"读取成功"_s);
    EXPECT_TRUE(tool.form().replyLog().contains(u" 次数:1\r\n"_s));
    EXPECT_TRUE(tool.form().replyLog().endsWith(u" 次数:2\r\n"_s));
    EXPECT_EQ(unit.received.count("$CVRSE,*7D\r\n"), 2);
    tool.expectResponsive(u"412345678"_s);
}

} // namespace
