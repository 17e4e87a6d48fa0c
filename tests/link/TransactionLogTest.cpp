// The transaction log tells each finished transaction once, with the outcome
// that ended it, whatever order the ends come in.
#include "link/LinkState.h"
#include "link/TransactionLog.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

struct Recorder : TransactionObserver {
    void transactionFinished(const TransactionOutcome &outcome) override { told.append(outcome); }
    QList<TransactionOutcome> told;
};

struct Told {
    TransactionKind kind;
    TransactionResult result;
};

class TransactionLogTest : public testing::Test {
protected:
    void SetUp() override { log.setObserver(&recorder); }
    void expectTold(const QList<Told> &want)
    {
        ASSERT_EQ(recorder.told.size(), want.size());
        for (qsizetype i = 0; i < want.size(); ++i) {
            EXPECT_EQ(recorder.told[i].kind, want[i].kind) << i;
            EXPECT_EQ(recorder.told[i].result, want[i].result) << i;
        }
    }
    TransactionLog log;
    Recorder recorder;
    const QString sentence = u"$CVUIS,...*00\r\n"_s;
    const QString request = u"$CVRSE,*7D\r\n"_s;
};

TEST_F(TransactionLogTest, RepeatedSendsOfOneWriteAreOneTransaction)
{
    log.sent(TransactionKind::OwnShipWrite, sentence);
    log.sent(TransactionKind::OwnShipWrite, sentence);
    log.acknowledged(Group::OwnShip);
    log.close();
    expectTold({{TransactionKind::OwnShipWrite, TransactionResult::Acknowledged}});
    EXPECT_EQ(recorder.told[0].sentence, sentence);
    EXPECT_GE(recorder.told[0].milliseconds, 0);
}

TEST_F(TransactionLogTest, ALateAcknowledgementIsToldAfterTheUnansweredWrite)
{
    log.sent(TransactionKind::SystemWrite, sentence);
    log.noAnswer();
    log.acknowledged(Group::System);
    log.acknowledged(Group::System); // a second one answers nothing
    expectTold({{TransactionKind::SystemWrite, TransactionResult::NoAnswer},
                {TransactionKind::SystemWrite, TransactionResult::Acknowledged}});
    EXPECT_EQ(recorder.told[0].milliseconds, -1);
    EXPECT_EQ(recorder.told[1].sentence, sentence);
    EXPECT_NE(recorder.told[0].id, recorder.told[1].id);
}

TEST_F(TransactionLogTest, AReadWithoutReplyEndsUnansweredWhenTheNextTransactionBeginsOrTheSessionEnds)
{
    log.sent(TransactionKind::Read, request);
    log.sent(TransactionKind::FactoryWrite, sentence);
    log.noAnswer();
    log.sent(TransactionKind::Read, request);
    log.close();
    log.close();
    expectTold({{TransactionKind::Read, TransactionResult::NoAnswer},
                {TransactionKind::FactoryWrite, TransactionResult::NoAnswer},
                {TransactionKind::Read, TransactionResult::NoAnswer}});
}

TEST_F(TransactionLogTest, AReadBackNamesTheWriteItChecked)
{
    log.sent(TransactionKind::OwnShipWrite, sentence);
    log.acknowledged(Group::OwnShip);
    log.verifySent(request);
    log.verified(u"!CVSET,...\r\n"_s, {{slot::draught, u"085"_s, u"000"_s}});
    log.readEnded(u"!CVSET\r\n"_s, DecodeResult::Decoded); // no read is open: nothing
    expectTold({{TransactionKind::OwnShipWrite, TransactionResult::Acknowledged},
                {TransactionKind::Verify, TransactionResult::Differ}});
    EXPECT_EQ(recorder.told[1].checks, recorder.told[0].id);
    EXPECT_EQ(recorder.told[1].reply, u"!CVSET,...\r\n"_s);
    EXPECT_EQ(recorder.told[1].differences.size(), 1);
}

} // namespace
