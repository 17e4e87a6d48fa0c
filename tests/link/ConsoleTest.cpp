#include "LinkHarness.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

class ConsoleActions : public testing::Test {
protected:
    void SetUp() override { h.openPort(); }
    Console &console() { return h.session.console(); }
    test::LinkHarness h;
};

TEST_F(ConsoleActions, CopyingCommandsAfterAReadLeavesTheRequestsOwnLineEndInPlace)
{
    h.session.transactions().startRead();
    h.form().appendSentCommand(u"$CVUIS,ABC*12Chr(13)Chr(10)"_s);
    console().click(Console::CopyCommands);
    EXPECT_EQ(h.form().replyLog(), u"$CVRSE,*7D\r\n\r\n$CVUIS,ABC*12Chr(13)Chr(10)\r\n"_s);
}

TEST_F(ConsoleActions, ASelectedCommandIsSentExactlyAsListedAndNeitherLoggedNorMadePending)
{
    h.form().appendSentCommand(u"$CVRSE,*7D\r\n"_s);
    h.form().appendSentCommand(u"$CVUIS,ABC*12Chr(13)Chr(10)"_s);
    h.state().awaitWrite(Group::System);
    console().selectSentCommand(1);
    EXPECT_EQ(h.form().replyLog(), u"$CVUIS,ABC*12Chr(13)Chr(10)"_s);
    console().click(Console::SendData);
    console().selectSentCommand(0);
    console().click(Console::SendData);
    EXPECT_EQ(h.writtenText(), (QStringList{u"$CVUIS,ABC*12Chr(13)Chr(10)"_s, u"$CVRSE,*7D\r\n"_s}));
    EXPECT_EQ(h.form().sentCommands().size(), 2);
    EXPECT_EQ(h.state().pendingGroup, Group::System);
    // A reply to the resent request is decoded though no read was started.
    h.deliver("!CVSET,1\r\n");
    h.tick();
    EXPECT_EQ(h.decodedLines, QStringList{u"!CVSET,1\r\n"_s});
}

// Line ends separate commands and go out as typed; any other control character
// (a Tab pasted in, an escape) refuses the whole text before a byte is sent.
TEST_F(ConsoleActions, ACommandHoldingAControlCharacterIsRefusedBeforeAnythingIsSent)
{
    struct Case {
        QString text;
        bool sent;
    };
    const Case cases[] = {{u"$CVRSE,*7D\r\n$CVRSE,*7D\r\n"_s, true}, {u"$CVRSE,\t*7D"_s, false},
                          {u"$CVRSE,*7D\x1b"_s, false},                 {QStringLiteral("\x7f$CVRSE"), false},
                          {u"$CVRSE,\x00*7D"_s, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        h.line.written.clear();
        h.host.messages.clear();
        h.form().setReplyLog(c.text);
        console().click(Console::SendData);
        EXPECT_EQ(h.writtenText(), c.sent ? QStringList{c.text} : QStringList{});
        EXPECT_EQ(h.host.messages, c.sent ? QStringList{} : QStringList{u"指令中含有控制字符,未发送"_s});
    }
}

TEST_F(ConsoleActions, AnEmptyCommandTextSendsNothing)
{
    console().click(Console::SendData);
    EXPECT_TRUE(h.line.written.isEmpty());
}

TEST_F(ConsoleActions, SplittingDecodesTheRawLogWithoutTouchingTheLink)
{
    h.form().setReceiveLog(u"!CVSET,1\r\n!CVACK\r\n"_s);
    h.state().awaitRead(LinkState::Read::Parameters);
    h.state().readRequest = u"$CVRSE,*7D\r\n"_s;
    h.decodeResults = {DecodeResult::Failed};
    console().click(Console::SplitData);
    EXPECT_EQ(h.decodedLines, QStringList{u"!CVSET,1\r\n!CVACK\r\n"_s});
    EXPECT_EQ(h.state().pendingKind(), TransactionKind::Read);
    EXPECT_TRUE(h.line.written.isEmpty());
}

TEST_F(ConsoleActions, ClearingEmptiesBothLogsAndTheListAndLaterBytesStartANewLog)
{
    h.form().setReplyLog(u"a"_s);
    h.form().appendSentCommand(u"b"_s);
    h.deliver("!CVA");
    console().click(Console::ClearData);
    EXPECT_TRUE(h.form().replyLog().isEmpty());
    EXPECT_TRUE(h.form().receiveLog().isEmpty());
    EXPECT_TRUE(h.form().sentCommands().isEmpty());
    h.deliver("CK\r\n");
    EXPECT_EQ(h.form().receiveLog(), u"CK\r\n"_s);
}

} // namespace
