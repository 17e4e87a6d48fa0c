// The history the window keeps of its transactions with the virtual unit: one
// entry per transaction with its outcome, and a history that cannot be written
// said as a failed saving is, without touching the write.
#include "CoreOnUnit.h"
#include "ui/text/Catalogue.h"
#include "ReadOnlyFiles.h"
#include "history/HistoryDatabase.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;
using test::Core;

namespace {

QList<HistoryEntry> entries(Core &core)
{
    HistoryDatabase reader(core.dir.path() + u"/history.sqlite"_s);
    return reader.entries({}).value_or(QList<HistoryEntry>{});
}

// What the unit received that starts with the address, as one sentence.
QString received(Core &core, const QString &address)
{
    const QStringList lines = core.unit.log().filter(u"< "_s + address);
    return lines.isEmpty() ? QString() : lines.last().mid(2) + u"\r\n"_s;
}

struct Expected {
    TransactionKind kind;
    TransactionResult result;
};

void expectEntries(const QList<HistoryEntry> &got, const QList<Expected> &want)
{
    ASSERT_EQ(got.size(), want.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        const TransactionOutcome &t = got[i].transaction;
        EXPECT_EQ(t.kind, want[i].kind);
        EXPECT_EQ(t.result, want[i].result);
        EXPECT_FALSE(t.id.isNull());
        EXPECT_EQ(got[i].session.program, u"aisset"_s);
        EXPECT_EQ(got[i].session.edition, u"full"_s);
        EXPECT_EQ(got[i].session.port, 1);
        EXPECT_TRUE(t.startedUtc.isValid());
    }
}

TEST(History, AnAcknowledgedWriteAndItsAgreeingReadBackLeaveTwoLinkedEntries)
{
    Core core({}, Edition::Full);
    core.typeShip();
    core.writeOwnShip(Edition::Full);
    ASSERT_EQ(catalogue::text(core.core->form().transactionStatus()), u"校验通过"_s);

    const QList<HistoryEntry> got = entries(core);
    expectEntries(got, {{TransactionKind::Verify, TransactionResult::Agree},
                        {TransactionKind::OwnShipWrite, TransactionResult::Acknowledged}});
    ASSERT_EQ(got.size(), 2);
    const TransactionOutcome &verify = got[0].transaction;
    const TransactionOutcome &write = got[1].transaction;
    EXPECT_EQ(write.mmsi, u"412345678"_s);
    EXPECT_EQ(write.sentence, received(core, u"$CVUIS"_s));
    EXPECT_GE(write.milliseconds, 0);
    EXPECT_EQ(got[1].session.device, core.unit.path());
    EXPECT_EQ(verify.checks, write.id);
    EXPECT_EQ(verify.sentence, u"$CVRSE,*7D\r\n"_s);
    EXPECT_TRUE(verify.reply.startsWith(u"!CVSET"_s)) << verify.reply.toStdString();
    EXPECT_TRUE(verify.differences.isEmpty());
    EXPECT_EQ(verify.mmsi, u"412345678"_s);
}

TEST(History, AReadBackThatDiffersKeepsTheDifferences)
{
    Core core({u"--stale"_s, u"ownship"_s}, Edition::Full);
    core.typeShip();
    core.writeOwnShip(Edition::Full);

    const QList<HistoryEntry> got = entries(core);
    expectEntries(got, {{TransactionKind::Verify, TransactionResult::Differ},
                        {TransactionKind::OwnShipWrite, TransactionResult::Acknowledged}});
    ASSERT_EQ(got.size(), 2);
    const QList<FieldDifference> &differences = got[0].transaction.differences;
    ASSERT_FALSE(differences.isEmpty());
    EXPECT_EQ(differences[0], (FieldDifference{slot::crewCount, u"0025"_s, u"0000"_s}));
    const auto mmsi = std::find_if(differences.begin(), differences.end(),
                                   [](const FieldDifference &d) { return d.slot == slot::mmsi; });
    ASSERT_NE(mmsi, differences.end());
    EXPECT_EQ(mmsi->unit, u"000000000"_s);
}

// A silent unit, a refused field, a closed port and a read each leave one entry.
TEST(History, EveryOtherOutcomeLeavesItsEntry)
{
    struct Case {
        const char *name;
        QStringList faults;
        std::function<void(Core &)> act;
        Expected expected;
        std::function<void(Core &, const TransactionOutcome &)> check;
    };
    const Case cases[] = {
        {"silent unit",
         {u"--silent"_s},
         [](Core &c) {
             c.core->link().transactions().setAcknowledgementWaitMs(100);
             c.core->buttonClicked(Button::OwnShipWrite);
             runEventLoopFor(300);
         },
         {TransactionKind::OwnShipWrite, TransactionResult::NoAnswer},
         [](Core &c, const TransactionOutcome &t) {
             EXPECT_EQ(t.sentence, received(c, u"$CVUIS"_s));
             EXPECT_EQ(t.milliseconds, -1);
             EXPECT_EQ(catalogue::text(c.core->form().transactionStatus()), u"未收到应答"_s);
         }},
        {"refused field",
         {},
         [](Core &c) {
             c.core->form().setChoiceEntries(slot::shipType, {u"7(test)"_s});
             ASSERT_TRUE(c.core->form().selectChoice(slot::shipType, 0));
             c.core->buttonClicked(Button::OwnShipWrite);
         },
         {TransactionKind::OwnShipWrite, TransactionResult::Refused},
         [](Core &c, const TransactionOutcome &t) {
             EXPECT_EQ(t.refusedSlot, slot::shipType);
             EXPECT_TRUE(t.sentence.isEmpty());
             EXPECT_TRUE(received(c, u"$CVUIS"_s).isEmpty());
         }},
        {"port not open",
         {},
         [](Core &c) {
             c.core->link().line().close();
             c.core->buttonClicked(Button::OwnShipWrite);
         },
         {TransactionKind::OwnShipWrite, TransactionResult::PortNotOpen},
         [](Core &, const TransactionOutcome &t) { EXPECT_TRUE(t.sentence.startsWith(u"$CVUIS,"_s)); }},
        {"read",
         {},
         [](Core &c) {
             EventWait ended;
             ended.finishOn(&c.core->link().receivePath(), &ReceivePath::replyHandled);
             c.core->buttonClicked(Button::Read);
             ended.run(3000);
         },
         {TransactionKind::Read, TransactionResult::Decoded},
         [](Core &, const TransactionOutcome &t) {
             EXPECT_EQ(t.sentence, u"$CVRSE,*7D\r\n"_s);
             EXPECT_TRUE(t.reply.startsWith(u"!CVSET"_s));
             EXPECT_GE(t.milliseconds, 0);
             EXPECT_EQ(t.mmsi, u"000000000"_s); // the unit's, decoded: a fresh unit holds none
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Core core(c.faults, Edition::Full);
        ASSERT_FALSE(core.unit.path().isEmpty());
        core.typeShip();
        c.act(core);
        const QList<HistoryEntry> got = entries(core);
        expectEntries(got, {c.expected});
        if (got.size() == 1)
            c.check(core, got[0].transaction);
    }
}

// The write goes on and is acknowledged; panel 2 says the history failed, as a
// failed saving of the store is said, with why the store refused.
TEST(History, AHistoryThatCannotBeWrittenIsSaidAndTheWriteGoesOn)
{
    Core core({}, Edition::Simplified);
    {
        const test::ReadOnlyFiles readOnly(core.dir.path());
        core.typeShip();
        core.writeOwnShip(Edition::Simplified);
        EXPECT_EQ(core.host.messages, QStringList{u"本船资料设置成功"_s});
        EXPECT_EQ(catalogue::transactionPanel(core.core->form()), u"设置成功 档案保存失败:只读 历史记录失败"_s);
    }
    EXPECT_FALSE(QFile::exists(core.dir.path() + u"/history.sqlite"_s));
    EXPECT_EQ(received(core, u"$CVUIS"_s).left(7), u"$CVUIS,"_s);
}

TEST(History, ADamagedFileIsSetAsideAndANewOneStarted)
{
    Core core({}, Edition::Simplified);
    const QString path = core.dir.path() + u"/history.sqlite"_s;
    const QByteArray damaged(4096, 'x');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    core.typeShip();
    core.writeOwnShip(Edition::Simplified);
    EXPECT_EQ(catalogue::transactionPanel(core.core->form()), u"设置成功"_s);

    const QList<HistoryEntry> got = entries(core);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0].transaction.result, TransactionResult::Acknowledged);
    const QStringList aside = QDir(core.dir.path()).entryList({u"history.sqlite.damaged-*"_s}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(core.dir.path() + u'/' + aside[0]);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
}

} // namespace
