#include "link/Transactions.h"
#include "ui/text/Catalogue.h"
#include "LinkHarness.h"
#include "link/Waiting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

const QString kConfirm = u"是否开始设置数据"_s;
const QString kRetry = u"设置失败,是否重试"_s;

class Write : public testing::Test {
protected:
    void SetUp() override
    {
        h.openPort();
        h.line.onWrite = [this](const QByteArray &) { enabledAtSend << h.form().isEnabled(); };
        h.onWait = [this] {
            enabledAtWait << h.form().isEnabled();
            retryingAtWait << h.state().retryingWrite;
        };
    }
    void write(Group group) { h.session.transactions().startWrite(group); }
    void read() { h.session.transactions().startRead(); }
    // Ends in the state every write leaves behind.
    void expectCleanEnd()
    {
        EXPECT_TRUE(h.form().isEnabled());
        EXPECT_FALSE(h.state().retryingWrite);
        EXPECT_FALSE(h.state().ackOwnShip || h.state().ackSystem || h.state().ackFactory);
    }

    test::LinkHarness h;
    QList<bool> enabledAtSend;
    QList<bool> enabledAtWait;
    QList<bool> retryingAtWait;
};

struct WriteCase {
    Group group;
    const char16_t *message;
    bool disablesWindow;
};

class SingleSend : public Write, public testing::WithParamInterface<WriteCase> {};

// The start state: one send, no wait, no prompt; the acknowledgement is
// announced whenever it comes, because the group stays pending.
TEST_P(SingleSend, SendsOnceAndReturnsTheLateAcknowledgementIsStillAnnounced)
{
    const WriteCase c = GetParam();
    ASSERT_TRUE(h.session.transactions().noRepeat());
    h.form().setReceiveLog(u"old"_s);
    write(c.group);
    EXPECT_EQ(h.host.questions, QStringList{kConfirm});
    EXPECT_EQ(h.writtenText(), QStringList{h.sentences.at(c.group)});
    EXPECT_EQ(enabledAtSend, QList<bool>{!c.disablesWindow});
    EXPECT_EQ(h.waits, 0);
    EXPECT_TRUE(h.host.messages.isEmpty());
    EXPECT_EQ(h.state().pendingGroup, c.group);
    EXPECT_TRUE(h.form().receiveLog().isEmpty());
    expectCleanEnd();

    h.deliver("!CVACK\r\n");
    h.tick();
    EXPECT_EQ(h.host.messages, QStringList{QString::fromUtf16(c.message)});
    EXPECT_EQ(h.state().pendingKind(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Groups, SingleSend,
                         testing::Values(WriteCase{Group::OwnShip, u"本船资料设置成功", true},
                                         WriteCase{Group::System, u"系统设置成功", true},
                                         WriteCase{Group::Factory, u"出厂设置成功", false}));

TEST_F(Write, TheStatusClearsWhenAWriteStartsAndSaysWhenNoAcknowledgementCame)
{
    h.session.transactions().setAcknowledgementWaitMs(200);
    h.form().setTransactionStatus(TransactionStatus::Kind::Acknowledged);
    h.host.answers = {false};
    write(Group::OwnShip); // cleared at the question, also when the answer is no
    EXPECT_TRUE(catalogue::text(h.form().transactionStatus()).isEmpty());

    write(Group::OwnShip); // the unit answers in time: its success stays
    h.deliver("!CVACK\r\n");
    h.tick();
    runEventLoopFor(300);
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"设置成功"_s);

    write(Group::System); // a silent unit
    EXPECT_TRUE(catalogue::text(h.form().transactionStatus()).isEmpty());
    runEventLoopFor(300);
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"未收到应答"_s);
    h.deliver("!CVACK\r\n"); // late, and still a success
    h.tick();
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"设置成功"_s);
    EXPECT_EQ(h.host.messages, (QStringList{u"本船资料设置成功"_s, u"系统设置成功"_s}));
}

// The success box read for longer than the wait: the acknowledgement that came
// is never reported as none.
TEST_F(Write, AnAcknowledgementWhoseBoxStaysOpenPastTheWaitStaysASuccess)
{
    h.session.transactions().setAcknowledgementWaitMs(200);
    h.host.onMessage = [](const QString &) { runEventLoopFor(300); };
    write(Group::OwnShip);
    h.deliver("!CVACK\r\n");
    h.tick();
    EXPECT_EQ(h.host.messages, QStringList{u"本船资料设置成功"_s});
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"设置成功"_s);
}

TEST_F(Write, AFailedSavingIsNotedAfterEveryStatusUntilTheNextWrite)
{
    h.failSaving = true;
    write(Group::OwnShip);
    ASSERT_EQ(h.writtenText().size(), 1); // written all the same
    EXPECT_EQ(catalogue::transactionPanel(h.form()), u" 档案保存失败"_s);
    h.deliver("!CVACK\r\n");
    h.tick();
    EXPECT_EQ(catalogue::transactionPanel(h.form()), u"设置成功 档案保存失败"_s);
    h.failSaving = false;
    h.host.answers = {false};
    write(Group::OwnShip); // the next write starts: the note goes
    EXPECT_TRUE(catalogue::transactionPanel(h.form()).isEmpty());
}

// The note says why the store refused, in the store's own terms.
TEST_F(Write, AFailedSavingSaysWhyTheStoreRefused)
{
    const struct {
        StoreFailure failure;
        const char16_t *panel;
    } cases[] = {
        {{StoreFailureReason::ReadOnly, 0, u"Read-only file system"_s}, u" 档案保存失败:只读"},
        {{StoreFailureReason::NoSpace, 0, {}}, u" 档案保存失败:磁盘已满"},
        {{StoreFailureReason::LockHeld, 4242, {}}, u" 档案保存失败:被进程4242锁定"},
        {{StoreFailureReason::LockHeld, 0, {}}, u" 档案保存失败:被其他程序锁定"},
        {{StoreFailureReason::NotAFolder, 0, u"/home/x/.config/aisset"_s}, u" 档案保存失败:不是文件夹"},
        {{StoreFailureReason::Unknown, 0, u"Input/output error"_s}, u" 档案保存失败"},
    };
    h.failSaving = true;
    for (const auto &c : cases) {
        h.savingFailure = c.failure;
        write(Group::OwnShip);
        EXPECT_EQ(catalogue::transactionPanel(h.form()), QString::fromUtf16(c.panel)) << int(c.failure.reason);
    }
}

TEST_F(Write, WithThePortNotOpenTheWriteSavesSaysSoAndSendsNothing)
{
    for (const bool noRepeat : {true, false}) {
        h.session.transactions().setNoRepeat(noRepeat);
        h.line.close();
        h.host.messages.clear();
        const int builds = h.builds;
        write(Group::OwnShip);
        EXPECT_EQ(h.builds, builds + 1) << "the page is saved with the build";
        EXPECT_TRUE(h.line.written.isEmpty());
        EXPECT_EQ(h.waits, 0);
        EXPECT_EQ(h.host.messages, QStringList{u"通讯口未打开"_s});
        EXPECT_EQ(h.host.questions.last(), kConfirm) << "no retry is offered";
        EXPECT_EQ(h.state().pendingKind(), std::nullopt);
        expectCleanEnd();
    }
}

TEST_F(Write, NoToTheFirstQuestionSendsNothing)
{
    h.host.answers = {false};
    write(Group::OwnShip);
    EXPECT_EQ(h.builds, 0);
    EXPECT_TRUE(h.line.written.isEmpty());
    EXPECT_EQ(h.state().pendingKind(), std::nullopt);
    expectCleanEnd();
}

TEST_F(Write, ARefusedBuildSendsNothingAndLeavesThePendingTransaction)
{
    h.state().awaitRead(LinkState::Read::Parameters);
    h.refuseBuild = true;
    h.session.transactions().setNoRepeat(false);
    write(Group::System);
    EXPECT_TRUE(h.line.written.isEmpty());
    EXPECT_EQ(h.waits, 0);
    EXPECT_EQ(h.host.messages, QStringList{u"有错误,请检查数据"_s}); // the builder's own, nothing more
    EXPECT_EQ(h.host.questions, QStringList{kConfirm});
    EXPECT_EQ(h.state().pendingKind(), TransactionKind::Read);
    expectCleanEnd();
}

TEST_F(Write, RepeatingAWriteStopsSendingOnceTheUnitAcknowledges)
{
    h.session.transactions().setNoRepeat(false);
    int waitsBeforeAck = 2;
    h.onWait = [&] {
        enabledAtWait << h.form().isEnabled();
        if (--waitsBeforeAck == 0) {
            h.deliver("!CVACK\r\n");
            h.tick();
        }
    };
    write(Group::System);
    EXPECT_EQ(h.line.written.size(), 2);
    EXPECT_EQ(h.waits, 2);
    EXPECT_EQ(enabledAtWait, (QList<bool>{false, false}));
    EXPECT_EQ(h.host.messages, QStringList{u"系统设置成功"_s});
    EXPECT_EQ(h.host.questions, QStringList{kConfirm});
    expectCleanEnd();
}

TEST_F(Write, ASilentUnitGetsThreeSystemSendsPerAttemptAndARetryWithoutTheFirstQuestion)
{
    h.session.transactions().setNoRepeat(false);
    h.host.answers = {true, true, false};
    const auto wait = h.onWait;
    h.onWait = [&] {
        wait();
        h.deliver("noise\r\n"); // lands in the raw receive log
    };
    write(Group::System);
    EXPECT_EQ(h.writtenText(), QStringList(6, h.sentences.at(Group::System)));
    EXPECT_EQ(h.waits, 6);
    EXPECT_EQ(h.host.questions, (QStringList{kConfirm, kRetry, kRetry}));
    // The window is disabled while sending and waiting, enabled at every question.
    EXPECT_EQ(enabledAtWait, QList<bool>(6, false));
    EXPECT_EQ(h.host.enabledAtQuestion, (QList<bool>{true, true, true}));
    EXPECT_EQ(retryingAtWait, (QList<bool>{false, false, false, true, true, true}));
    // The retry is a transaction of its own: it starts a fresh raw receive log.
    EXPECT_EQ(h.form().receiveLog(), u"noise\r\nnoise\r\nnoise\r\n"_s);
    EXPECT_TRUE(h.host.messages.isEmpty());
    EXPECT_EQ(h.state().pendingGroup, Group::System);
    expectCleanEnd();
}

TEST_F(Write, RetriesNestUntilTheUserSaysNo)
{
    h.session.transactions().setNoRepeat(false);
    h.host.answers = {true, true, true, true, false};
    write(Group::OwnShip);
    EXPECT_EQ(h.line.written.size(), 8); // four attempts of two sends
    EXPECT_EQ(h.builds, 4);
    EXPECT_EQ(h.host.questions, (QStringList{kConfirm, kRetry, kRetry, kRetry, kRetry}));
    expectCleanEnd();
}

TEST_F(Write, TheFactoryWriteNeverDisablesTheWindow)
{
    h.session.transactions().setNoRepeat(false);
    h.host.answers = {true, true, false};
    write(Group::Factory);
    EXPECT_EQ(h.line.written.size(), 4);
    EXPECT_EQ(enabledAtSend, QList<bool>(4, true));
    EXPECT_EQ(enabledAtWait, QList<bool>(4, true));
    expectCleanEnd();
}

TEST_F(Write, AReadSendsTheRequestAndReturnsAtOnceAndClearsTheFormWhenTheReplyComes)
{
    h.form().setReplyLog(u"earlier replies"_s);
    h.form().setReceiveLog(u"earlier bytes"_s);
    h.form().setTransactionStatus(TransactionStatus::Kind::Acknowledged);
    h.form().appendSentCommand(u"$CVUIS,...Chr(13)Chr(10)"_s);
    ASSERT_TRUE(h.form().setEditText(slot::machineNumber, u"12345"_s));
    ASSERT_TRUE(h.form().setEditText(slot::mmsi, u"412345678"_s));
    ASSERT_TRUE(h.form().selectChoice(slot::shipType, 3));
    h.state().readRetries = 2;
    h.form().setEnabled(false);

    read();
    const QString request = u"$CVRSE,*7D\r\n"_s;
    EXPECT_EQ(Transactions::readRequest(), request);
    EXPECT_EQ(h.writtenText(), QStringList{request});
    EXPECT_EQ(h.form().sentCommands(), QStringList{request});
    EXPECT_TRUE(h.host.questions.isEmpty());
    EXPECT_EQ(h.waits, 0);
    EXPECT_TRUE(h.form().isEnabled());
    EXPECT_EQ(h.state().pendingKind(), TransactionKind::Read);
    EXPECT_EQ(h.state().readRequest, request);
    EXPECT_EQ(h.state().readRetries, 0);
    EXPECT_TRUE(h.form().replyLog().isEmpty());
    EXPECT_TRUE(h.form().receiveLog().isEmpty());
    EXPECT_TRUE(catalogue::text(h.form().transactionStatus()).isEmpty());
    // Nothing typed is touched until the unit answers.
    EXPECT_EQ(h.form().editText(slot::machineNumber), u"12345"_s);
    EXPECT_EQ(h.form().choice(slot::shipType).position(), 3);

    // The reply clears the form before it is decoded: a field without a mask
    // empties; a masked one refuses the empty text and keeps what it showed;
    // every choice shows no entry.
    h.onDecode = [this] { EXPECT_EQ(h.form().editText(slot::machineNumber), QString()); };
    h.deliver("!CVSET,1*4A\r\n");
    h.tick();
    ASSERT_EQ(h.decodedLines.size(), 1);
    EXPECT_EQ(h.form().editText(slot::machineNumber), QString());
    EXPECT_EQ(h.form().editText(slot::mmsi), u"412345678"_s);
    for (int s = 0; s < kSlotCount; ++s)
        EXPECT_EQ(h.form().choice(s).position(), -1) << s;
}

// A unit that does not answer a read: the form keeps what was typed, and the
// status says that no answer came once the wait is over, as for a write; a
// reply within the wait leaves no such word.
TEST_F(Write, AReadNobodyAnswersKeepsTheFormAndSaysNoAnswerCame)
{
    h.session.transactions().setAcknowledgementWaitMs(200);
    ASSERT_TRUE(h.form().setEditText(slot::machineNumber, u"12345"_s));
    ASSERT_TRUE(h.form().selectChoice(slot::shipType, 3));
    read();
    runEventLoopFor(300);
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"未收到应答"_s);
    EXPECT_EQ(h.form().editText(slot::machineNumber), u"12345"_s);
    EXPECT_EQ(h.form().choice(slot::shipType).position(), 3);

    read();
    h.deliver("!CVSET,1*4A\r\n");
    h.tick();
    runEventLoopFor(300);
    EXPECT_EQ(catalogue::text(h.form().transactionStatus()), u"读取成功"_s);
}

} // namespace
