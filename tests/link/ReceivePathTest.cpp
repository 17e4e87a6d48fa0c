#include "LinkHarness.h"
#include "ui/text/Catalogue.h"
#include "encoding/Gbk.h"
#include "link/LineClassifier.h"
#include "model/FieldTable.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// A parameter line long enough to look real; the harness's decoder only records it.
const QByteArray kReply = "!CVSET,0908170000123450120AB12   0000       90000000000000000000000"
                          "                    00000000001208720880505=K=R*50\r\n";

class Receive : public testing::Test {
protected:
    void SetUp() override { h.openPort(); }
    test::LinkHarness h;
};

struct ClassifyCase {
    const char *line;
    ClassifiedLine::Kind kind;
    const char *handedOn;
};

class Classify : public testing::TestWithParam<ClassifyCase> {};

TEST_P(Classify, RecognisesTheLineByItsStartThenBySearching)
{
    const ClassifyCase c = GetParam();
    const ClassifiedLine r = classifyLine(QString::fromLatin1(c.line));
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.reply, QString::fromLatin1(c.handedOn));
}

INSTANTIATE_TEST_SUITE_P(Table, Classify,
                         testing::Values(ClassifyCase{"!CVACK\r\n", ClassifiedLine::Acknowledgement, ""},
                                         ClassifyCase{"$ZLOUT\r\n", ClassifiedLine::Acknowledgement, ""},
                                         ClassifyCase{"!CVSET,123\r\n", ClassifiedLine::Reply, "!CVSET,123\r\n"},
                                         // The start decides before the search: an acknowledgement carrying "CVSET".
                                         ClassifyCase{"!CVACKCVSET\r\n", ClassifiedLine::Acknowledgement, ""},
                                         ClassifyCase{"xy!CVSET,123\r\n", ClassifiedLine::ShiftedReply,
                                                      "!CVSET,123\r\n"},
                                         ClassifyCase{"CVSET,9\r\n", ClassifiedLine::ShiftedReply, "!CVSET,9\r\n"},
                                         // A reply beats an acknowledgement further on.
                                         ClassifyCase{"ab CVACK CVSET\r\n", ClassifiedLine::ShiftedReply, "!CVSET\r\n"},
                                         ClassifyCase{"VACK!CVACK\r\n", ClassifiedLine::Acknowledgement, ""},
                                         ClassifyCase{"..ZLOUT\r\n", ClassifiedLine::Acknowledgement, ""},
                                         ClassifyCase{"!cvack\r\n", ClassifiedLine::Ignored, ""},
                                         ClassifyCase{"VACK\r\n", ClassifiedLine::Ignored, ""}));

TEST_F(Receive, ALoneLineEndIsDroppedAndTheTimerStops)
{
    h.deliver("\r\n");
    EXPECT_TRUE(h.session.receivePath().isPolling());
    h.tick();
    EXPECT_TRUE(h.state().recvBuffer.isEmpty());
    EXPECT_FALSE(h.session.receivePath().isPolling());
}

// The start of a line that is still arriving is kept, however short it is.
TEST_F(Receive, OneOrTwoCharactersAreTheStartOfALineNotNoise)
{
    h.state().awaitWrite(Group::OwnShip);
    h.deliver("!");
    h.tick();
    h.deliver("C");
    h.tick();
    EXPECT_EQ(h.state().recvBuffer, u"!C"_s);
    EXPECT_EQ(h.state().idleTicks, 2);
    EXPECT_TRUE(h.session.receivePath().isPolling());
    h.deliver("VACK\r\n");
    h.tick();
    EXPECT_EQ(h.host.messages, QStringList{u"本船资料设置成功"_s});
}

TEST_F(Receive, ALineSplitAfterFourCharactersIsTakenWholeOnceComplete)
{
    h.state().awaitWrite(Group::System);
    h.deliver("!CVA");
    h.tick();
    EXPECT_EQ(h.state().idleTicks, 1);
    EXPECT_TRUE(h.host.messages.isEmpty());
    h.deliver("CK\r\n");
    h.tick();
    EXPECT_EQ(h.state().idleTicks, 0);
    EXPECT_EQ(h.host.messages, QStringList{u"系统设置成功"_s});
    h.tick();
    EXPECT_FALSE(h.session.receivePath().isPolling());
}

TEST_F(Receive, AnIncompleteLineIsDroppedAtTheTwoHundredthIdleTickAndTheCountStartsAgain)
{
    h.deliver("!CVSE");
    h.tick(199);
    EXPECT_EQ(h.state().recvBuffer, u"!CVSE"_s);
    h.tick();
    EXPECT_TRUE(h.state().recvBuffer.isEmpty());
    EXPECT_FALSE(h.session.receivePath().isPolling());
    // The next line arriving in two pieces is not dropped at its first tick.
    h.state().awaitWrite(Group::Factory);
    h.deliver("!CV");
    h.tick();
    EXPECT_EQ(h.state().recvBuffer, u"!CV"_s);
    h.deliver("ACK\r\n");
    h.tick();
    EXPECT_EQ(h.host.messages, QStringList{u"出厂设置成功"_s});
}

TEST_F(Receive, ABufferOfTwoThousandCharactersIsDroppedWhole)
{
    h.deliver(QByteArray(1999, 'x'));
    h.tick();
    EXPECT_EQ(h.state().recvBuffer.size(), 1999);
    h.deliver("x");
    h.tick();
    EXPECT_TRUE(h.state().recvBuffer.isEmpty());
    EXPECT_FALSE(h.session.receivePath().isPolling());
}

TEST_F(Receive, OneTickTakesEveryCompleteLineInOrderAndKeepsTheUnfinishedRest)
{
    h.state().awaitWrite(Group::OwnShip);
    h.deliver("!CVACK\r\n" + kReply + "!CV");
    h.tick();
    EXPECT_EQ(h.host.messages, QStringList{u"本船资料设置成功"_s});
    EXPECT_EQ(h.decodedLines, QStringList{QString::fromLatin1(kReply)});
    EXPECT_EQ(h.state().recvBuffer, u"!CV"_s);
    EXPECT_EQ(h.state().idleTicks, 0);
    EXPECT_TRUE(h.session.receivePath().isPolling());
    h.deliver("ACK\r\n");
    h.tick();
    EXPECT_FALSE(h.session.receivePath().isPolling()); // nothing left to wait for
}

// A unit that reports its position many times a second: far more than the
// buffer limit arrives in one chunk, and the acknowledgement inside is found.
TEST_F(Receive, AnAcknowledgementInsideABurstOfOtherLinesIsFound)
{
    const QByteArray position = "$GPRMC,083559.00,A,3113.0000,N,12129.0000,E,0.0,0.0,101226,,,A*00\r\n";
    h.state().awaitWrite(Group::System);
    h.form().setTransactionStatus(TransactionStatus::Kind::ReadSucceeded);
    h.deliver(position.repeated(40) + "!CVACK\r\n" + position.repeated(10));
    h.tick();
    EXPECT_EQ(h.host.messages, QStringList{u"系统设置成功"_s});
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"设置成功"_s);
    EXPECT_TRUE(h.state().recvBuffer.isEmpty());
}

TEST_F(Receive, ALineOfTwoThousandCharactersIsDroppedAndTheLineBehindItHandled)
{
    h.state().awaitWrite(Group::OwnShip);
    h.deliver("!CVACK" + QByteArray(1992, ' ') + "\r\n" + "!CVACK\r\n");
    h.tick();
    EXPECT_EQ(h.host.messages.size(), 1);
    EXPECT_EQ(h.state().pendingKind(), std::nullopt);
}

// Position reports between the acknowledgement and the user's look at the
// status bar leave "设置成功" standing; an acknowledgement nobody waits for
// still clears it.
TEST_F(Receive, AnIgnoredLineLeavesTheTransactionStatusAlone)
{
    h.state().awaitWrite(Group::OwnShip);
    h.form().setTransactionStatus(TransactionStatus::Kind::Acknowledged);
    h.deliver("$GPRMC,noise\r\n");
    h.tick();
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"设置成功"_s);
    EXPECT_EQ(h.state().pendingGroup, Group::OwnShip);
    EXPECT_TRUE(h.host.messages.isEmpty());
    h.state().endPending();
    h.deliver("!CVACK\r\n");
    h.tick();
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), QString());
}

// A chunk that completes a line has it handled at the next pass of the event
// loop; no poll tick is run here.
class AtOnce : public testing::TestWithParam<std::vector<QByteArray>> {};

TEST_P(AtOnce, ACompletedLineIsHandledAtTheNextPassOfTheEventLoop)
{
    test::LinkHarness h;
    h.openPort();
    h.state().awaitWrite(Group::Factory);
    const std::vector<QByteArray> chunks = GetParam();
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        h.deliver(chunks[i]);
        QCoreApplication::processEvents();
        if (i + 1 < chunks.size()) {
            EXPECT_TRUE(h.host.messages.isEmpty()) << "after chunk " << i;
        }
    }
    EXPECT_EQ(h.host.messages, QStringList{u"出厂设置成功"_s});
    EXPECT_TRUE(h.state().recvBuffer.isEmpty());
    EXPECT_FALSE(h.session.receivePath().isPolling());
}

INSTANTIATE_TEST_SUITE_P(Chunks, AtOnce,
                         testing::Values(std::vector<QByteArray>{"!CVACK\r\n"},
                                         std::vector<QByteArray>{"!CVA", "CK\r\n"},
                                         // The line end split between two chunks.
                                         std::vector<QByteArray>{"!CVACK\r", "\n"},
                                         std::vector<QByteArray>{"$GPRMC,1\r\n!CVACK\r\n$GPRMC,2\r\n"}));

struct AckCase {
    std::optional<Group> write; // the write pending; none: the read when `reading`, else nothing
    bool reading;
    const char *line;
    const char16_t *message; // nullptr: dropped
};

class Acknowledgement : public testing::TestWithParam<AckCase> {};

TEST_P(Acknowledgement, IsAnnouncedForThePendingWriteOnly)
{
    const AckCase c = GetParam();
    test::LinkHarness h;
    h.openPort();
    if (c.write)
        h.state().awaitWrite(*c.write);
    else if (c.reading)
        h.state().awaitRead(LinkState::Read::Parameters);
    h.deliver(c.line);
    h.tick();
    const LinkState &s = h.state();
    if (c.message) {
        EXPECT_EQ(h.host.messages, QStringList{QString::fromUtf16(c.message)});
        EXPECT_EQ(h.host.titles, QStringList{u"Ais设置"_s});
        EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"设置成功"_s);
        EXPECT_EQ(s.pendingKind(), std::nullopt);
        EXPECT_EQ(s.ackOwnShip + s.ackSystem + s.ackFactory, 1);
        EXPECT_TRUE(h.session.state().ackFlag(*c.write));
    } else {
        EXPECT_TRUE(h.host.messages.isEmpty());
        EXPECT_EQ(catalogue::text(h.form().transactionStatus()), QString());
        EXPECT_EQ(s.pendingGroup, c.write);
        EXPECT_EQ(s.pendingRead.has_value(), c.reading);
        EXPECT_FALSE(s.ackOwnShip || s.ackSystem || s.ackFactory);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Acknowledgement,
                         testing::Values(AckCase{Group::OwnShip, false, "!CVACK\r\n", u"本船资料设置成功"},
                                         AckCase{Group::System, false, "$ZLOUT\r\n", u"系统设置成功"},
                                         AckCase{Group::Factory, false, "xx!CVACK\r\n", u"出厂设置成功"},
                                         AckCase{std::nullopt, false, "!CVACK\r\n", nullptr},
                                         AckCase{std::nullopt, true, "!CVACK\r\n", nullptr}));

// While the first acknowledgement's message box is open, further ticks wait;
// the write has ended when its box opens, so the second acknowledgement finds
// nothing pending.
TEST_F(Receive, ASecondAcknowledgementIsDroppedEvenWhileTheFirstMessageIsOpen)
{
    h.state().awaitWrite(Group::OwnShip);
    QString waitingBehindTheBox;
    h.host.onMessage = [&](const QString &) {
        h.tick(3);
        QCoreApplication::processEvents();
        waitingBehindTheBox = h.state().recvBuffer;
        EXPECT_EQ(h.state().pendingKind(), std::nullopt);
    };
    h.deliver("!CVACK\r\n!CVACK\r\n");
    h.tick();
    EXPECT_EQ(waitingBehindTheBox, u"!CVACK\r\n"_s);
    EXPECT_TRUE(h.state().recvBuffer.isEmpty());
    EXPECT_EQ(h.host.messages.size(), 1);
    EXPECT_EQ(h.state().pendingKind(), std::nullopt);
}

TEST_F(Receive, AReplyIsDecodedAndLoggedWithItsLengthAndCount)
{
    h.state().awaitRead(LinkState::Read::Parameters);
    h.state().readRequest = u"$CVRSE,*7D\r\n"_s;
    h.form().setTransactionStatus(TransactionStatus::Kind::NoAnswer);
    h.deliver(kReply);
    h.tick();
    const QString line = QString::fromLatin1(kReply);
    EXPECT_EQ(h.decodedLines, QStringList{line});
    EXPECT_EQ(h.form().replyLog(), line + u"长度:"_s + QString::number(line.size()) + u" 次数:1\r\n"_s);
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"读取成功"_s);
    EXPECT_TRUE(h.state().readRequest.isEmpty());
    EXPECT_EQ(h.state().pendingKind(), std::nullopt);
    EXPECT_TRUE(h.line.written.isEmpty());
}

TEST_F(Receive, AReplyBehindStrayCharactersIsHandedOnWithItsStartRestoredAndLoggedWithoutCount)
{
    h.deliver("@@" + kReply.mid(1));
    h.tick();
    const QString line = QString::fromLatin1(kReply);
    EXPECT_EQ(h.decodedLines, QStringList{line});
    EXPECT_EQ(h.form().replyLog(), line + u"长度:"_s + QString::number(line.size()) + u"\r\n"_s);
}

TEST_F(Receive, ThreeUndecodableRepliesRequestTwiceMoreThenReportAReadError)
{
    const QString request = u"$CVRSE,*7D\r\n"_s;
    h.state().awaitRead(LinkState::Read::Parameters);
    h.state().readRequest = request;
    h.decodeResults = {DecodeResult::Failed, DecodeResult::Failed, DecodeResult::Failed};
    for (int reply = 0; reply < 3; ++reply) {
        h.form().setTransactionStatus(TransactionStatus::decodingField(slot::shipType)); // the decoding's last progress text
        h.deliver(kReply);
        h.tick();
    }
    EXPECT_EQ(h.writtenText(), (QStringList{request, request}));
    EXPECT_EQ(h.state().readRetries, 2);
    EXPECT_EQ(h.state().readRequest, request);
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"读取数据错误"_s);
    const QString log = h.form().replyLog();
    EXPECT_TRUE(log.contains(u" 次数:1\r\n"_s) && log.contains(u" 次数:2\r\n"_s) && log.contains(u" 次数:3\r\n"_s));
}

TEST_F(Receive, AFailedReplyKeepsTheDecodingsLastStatusAndWithoutAnOpenReadSendsNothing)
{
    h.state().readRequest = u"$CVRSE,*7D\r\n"_s;
    h.decodeResults = {DecodeResult::Failed, DecodeResult::Failed};
    h.onDecode = [&] { h.form().setTransactionStatus(TransactionStatus::decodingField(slot::shipType)); };
    h.deliver(kReply);
    h.tick();
    EXPECT_EQ(h.line.written.size(), 1);
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"拆分船型"_s);

    h.state().readRequest.clear();
    h.deliver(kReply);
    h.tick();
    EXPECT_EQ(h.line.written.size(), 1);
    EXPECT_EQ(h.state().readRetries, 1);
}

// A reply is taken only with its own checksum: one that fails it (a digit hit
// on the way, or no checksum at all) is asked for again without touching the
// form, as an undecodable one is; when every answer fails it, the last is
// decoded and flagged, never reported as read well.
TEST(ReceiveChecksum, AReplyThatFailsItsChecksumIsAskedForAgainAndOnlyTheLastIsShownFlagged)
{
    QByteArray flipped = kReply;
    flipped[57] = flipped[57] == '0' ? '1' : '0'; // the MMSI's last digit
    const QByteArray noChecksum = kReply.left(kReply.size() - 5) + "\r\n";
    const struct Case {
        const char *name;
        QList<QByteArray> replies;
        int requestsAgain;
        QByteArray decoded; // the only line the decoding gets
        QString status;
        bool confirmed;
    } cases[] = {
        {"flipped digit, then a good one", {flipped, kReply}, 1, kReply, u"读取成功"_s, true},
        {"flipped digit every time",
         {flipped, flipped, flipped},
         2,
         flipped,
         u"校验和不符:读出的数值未经确认"_s,
         false},
        {"no checksum every time",
         {noChecksum, noChecksum, noChecksum},
         2,
         noChecksum,
         u"校验和不符:读出的数值未经确认"_s,
         false},
        {"no checksum, then a good one", {noChecksum, kReply}, 1, kReply, u"读取成功"_s, true},
        {"stray characters before a good one", {"@@" + kReply.mid(1)}, 0, kReply, u"读取成功"_s, true},
        {"good", {kReply}, 0, kReply, u"读取成功"_s, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::LinkHarness h;
        h.openPort();
        const QString request = u"$CVRSE,*7D\r\n"_s;
        h.state().awaitRead(LinkState::Read::Parameters);
        h.state().readRequest = request;
        ASSERT_TRUE(h.form().setEditText(slot::mmsi, u"412345678"_s));
        QList<bool> confirmed;
        int ended = 0;
        QObject::connect(&h.session.receivePath(), &ReceivePath::replyHandled, [&](DecodeResult, bool readEnded, bool ok) {
            confirmed.append(ok);
            ended += readEnded;
        });
        for (const QByteArray &reply : c.replies) {
            if (confirmed.size() == 1) {
                // Asked again: what was typed is still there, and the window says why.
                EXPECT_EQ(h.form().editText(slot::mmsi), u"412345678"_s);
                EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"校验和不符,重新读取"_s);
            }
            h.deliver(reply);
            h.drain();
        }
        EXPECT_EQ(h.writtenText(), QStringList(c.requestsAgain, request));
        EXPECT_EQ(h.decodedLines, QStringList{QString::fromLatin1(c.decoded)});
        EXPECT_EQ(catalogue::text(h.form().transactionStatus()), c.status);
        ASSERT_EQ(confirmed.size(), c.replies.size());
        EXPECT_EQ(confirmed.last(), c.confirmed);
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(h.form().replyLog().count(u"长度:"_s), c.replies.size()); // every answer logged
    }
}

TEST_F(Receive, AReplyDuringAWriteEndsItsWaitSoItsAcknowledgementIsDropped)
{
    h.state().awaitWrite(Group::System);
    h.deliver(kReply + "!CVACK\r\n");
    h.drain();
    EXPECT_EQ(h.decodedLines.size(), 1);
    EXPECT_TRUE(h.host.messages.isEmpty());
    EXPECT_FALSE(h.state().ackSystem);
}

TEST_F(Receive, GbkPairsSplitAcrossChunksAndInvalidBytesNeitherBreakNorStallTheLines)
{
    const QByteArray chinese = toGbk(u"长度"_s);
    ASSERT_EQ(chinese.size(), 4);
    h.deliver(chinese.left(1));
    h.deliver(chinese.mid(1) + "\r\n");
    h.deliver("\xff\x80\x81\r\n");
    h.state().awaitWrite(Group::OwnShip);
    h.deliver("\xfe!CVACK\r\n");
    h.drain();
    EXPECT_TRUE(h.form().receiveLog().startsWith(u"长度\r\n"_s));
    EXPECT_EQ(h.host.messages, QStringList{u"本船资料设置成功"_s});
    EXPECT_TRUE(h.state().recvBuffer.isEmpty());
}

TEST_F(Receive, EveryChunkIsLoggedRawAndOnlyTheReceiveEventStartsTheTimer)
{
    EXPECT_FALSE(h.session.receivePath().isPolling());
    h.deliver("ab");
    h.deliver("c\r\n");
    EXPECT_EQ(h.form().receiveLog(), u"abc\r\n"_s);
    EXPECT_TRUE(h.session.receivePath().isPolling());
}

} // namespace
