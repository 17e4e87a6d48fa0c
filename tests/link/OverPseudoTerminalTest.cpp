// The link against the virtual unit over a real pseudo-terminal: sentences
// built from the form go out through QSerialPort, the unit's answers come back
// through the receive path and the reply decoding.
#include "FormFixture.h"
#include "ui/text/Catalogue.h"
#include "ScriptedHost.h"
#include "VirtualUnit.h"
#include "decoding/ReplyDecoding.h"
#include "link/LinkSession.h"
#include "link/QtSerialLine.h"
#include "link/SettingStore.h"
#include "link/Waiting.h"
#include "model/FieldInput.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

class OverPty : public testing::Test {
protected:
    // Starts the unit with the given faults and opens port 1 on its device, or
    // on `device` when one is named (a link the unit makes to its own).
    void start(const QStringList &faults, QString device = {})
    {
        unit = std::make_unique<test::VirtualUnit>(faults);
        ASSERT_FALSE(unit->path().isEmpty()) << "the virtual unit did not start";
        if (device.isEmpty())
            device = unit->path();
        LinkSession::Options options;
        options.line = std::make_unique<QtSerialLine>([device](int) { return device; });
        // The repeating mode waits a tenth of a second instead of a second.
        options.wait = [](int) { runEventLoopFor(100); };
        session = std::make_unique<LinkSession>(
            form(), host, store, [this](const QString &line) { return FP(form(), host, line); },
            LinkSession::standardBuilder(form(), host, nullptr), std::move(options));
        session->ports().openAtStartup();
        ASSERT_TRUE(session->line().isOpen());
        ASSERT_EQ(catalogue::text(form().connectionStatus()), u"通讯口1  连接"_s);
    }
    Form &form() { return f.form; }
    void fillOwnShip()
    {
        const std::pair<int, const char16_t *> values[] = {
            {slot::crewCount, u"25"},        {slot::callSign, u"BXYZ9"}, {slot::shipType, u"70"},
            {slot::draught, u"8.5"},         {slot::mmsi, u"412345678"}, {slot::imoNumber, u"009123456"},
            {slot::shipName, u"HAI XING 7"}, {slot::antennaA, u"100"},   {slot::antennaB, u"20"},
            {slot::antennaC, u"5"},          {slot::antennaD, u"7"},     {slot::epfdType, u"3"}};
        for (const auto &[s, v] : values) {
            const QString value = QString::fromUtf16(v);
            const bool taken =
                field(s).kind == FieldKind::Choice ? selectChoiceValue(form(), s, value) : enterValue(form(), s, value);
            ASSERT_TRUE(taken) << s;
        }
    }
    // Writes a group in the start state's single-send mode and waits for the
    // acknowledgement; false when none came.
    bool write(Group group, qint64 timeoutMs = 3000)
    {
        EventWait acknowledged;
        acknowledged.finishOn(&session->receivePath(), &ReceivePath::acknowledged);
        session->transactions().startWrite(group);
        return acknowledged.run(timeoutMs);
    }
    // Reads and waits until the read has ended (decoded, or the retries ran out).
    bool read(qint64 timeoutMs = 3000)
    {
        EventWait ended;
        const QObject scope; // the connection ends with this call, before `ended` goes
        QObject::connect(&session->receivePath(), &ReceivePath::replyHandled, &scope, [&ended](DecodeResult, bool readEnded) {
            if (readEnded)
                ended.finish();
        });
        session->transactions().startRead();
        return ended.run(timeoutMs);
    }

    test::StartForm f;
    test::ScriptedHost host;
    MemorySettingStore store;
    std::unique_ptr<test::VirtualUnit> unit;
    std::unique_ptr<LinkSession> session;
};

TEST_F(OverPty, WrittenValuesComeBackThroughARead)
{
    start({});
    fillOwnShip();
    ASSERT_TRUE(write(Group::OwnShip));
    ASSERT_TRUE(selectChoiceValue(form(), slot::promptVolume, u"5"_s));
    ASSERT_TRUE(selectChoiceValue(form(), slot::lcdMode, u"负显"_s));
    ASSERT_TRUE(selectChoiceValue(form(), slot::arrivalRange, u"15海里"_s));
    ASSERT_TRUE(selectChoiceValue(form(), slot::customMessage, u"开"_s));
    ASSERT_TRUE(selectChoiceValue(form(), slot::alarmRange, u"2.0海里"_s));
    ASSERT_TRUE(selectChoiceValue(form(), slot::soundPromptRange, u"0.3海里"_s));
    ASSERT_TRUE(write(Group::System));
    EXPECT_EQ(host.messages, (QStringList{u"本船资料设置成功"_s, u"系统设置成功"_s}));

    QStringList choicesBefore;
    for (int s = 0; s < kSlotCount; ++s)
        choicesBefore << form().choiceText(s);
    ASSERT_TRUE(read());
    EXPECT_EQ(catalogue::text(form().transactionStatus()), u"读取成功"_s);
    // Every choice shows what was written; the edit fields show the values in
    // the form the unit keeps them, zero-filled and blank-filled.
    for (int s = 0; s < kSlotCount; ++s)
        EXPECT_EQ(form().choiceText(s), choicesBefore[s]) << str(field(s).name).toStdString();
    const std::pair<int, const char16_t *> edits[] = {
        {slot::crewCount, u"0025"}, {slot::callSign, u"BXYZ9  "},    {slot::draught, u"08.5米"},
        {slot::mmsi, u"412345678"}, {slot::imoNumber, u"009123456"}, {slot::shipName, u"HAI XING 7          "},
        {slot::antennaA, u"100米"}, {slot::antennaB, u"020米"},      {slot::antennaC, u"05米"},
        {slot::antennaD, u"07米"}};
    for (const auto &[s, text] : edits)
        EXPECT_EQ(form().editText(s), QString::fromUtf16(text)) << str(field(s).name).toStdString();
    EXPECT_EQ(form().editText(slot::machineNumber), u"000012345"_s);
    EXPECT_TRUE(form().replyLog().endsWith(u" 次数:1\r\n"_s));
}

TEST_F(OverPty, AnswersInChunksOfOneOrTwoBytesWithNoiseBetweenLinesStillArrive)
{
    // Pauses longer than a poll period: many ticks find only a byte or two.
    start({u"--chunk"_s, u"1"_s, u"--chunk-pause"_s, u"25"_s, u"--garbage"_s, u"--zlout"_s});
    fillOwnShip();
    EXPECT_TRUE(write(Group::OwnShip));
    EXPECT_EQ(host.messages, QStringList{u"本船资料设置成功"_s});
}

TEST_F(OverPty, AReplyInTwoByteChunksIsDecoded)
{
    start({u"--chunk"_s, u"2"_s, u"--chunk-pause"_s, u"25"_s});
    ASSERT_TRUE(read(5000));
    EXPECT_EQ(catalogue::text(form().transactionStatus()), u"读取成功"_s);
    EXPECT_EQ(form().choiceText(slot::channel1), u"2087(161.9750)MHz"_s);
}

// The poll ticks slowed to a minute never run here: every answer is handled
// because its line ended, whatever pieces it came in.
TEST_F(OverPty, AnswersAreHandledAsTheirLinesEndWithoutWaitingForATick)
{
    start({u"--chunk"_s, u"2"_s, u"--chunk-pause"_s, u"5"_s, u"--garbage"_s});
    session->receivePath().setPollPeriod(60000);
    fillOwnShip();
    ASSERT_TRUE(write(Group::OwnShip));
    ASSERT_TRUE(read());
    EXPECT_EQ(catalogue::text(form().transactionStatus()), u"读取成功"_s);
    EXPECT_EQ(form().editText(slot::mmsi), u"412345678"_s);
    EXPECT_EQ(host.messages, QStringList{u"本船资料设置成功"_s});
}

// A unit that reports its position 50 times a second on a line paced at 38400
// baud: the position sentences fill 91% of the line, and every acknowledgement
// is found between them. The success status outlives the sentences after it.
TEST_F(OverPty, AUnitThatTalksAllTheTimeLosesNoAcknowledgement)
{
    start({u"--baud"_s, u"38400"_s, u"--stream"_s, u"50"_s});
    fillOwnShip();
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(write(Group::OwnShip)) << "write " << i;
    EXPECT_EQ(host.messages.size(), 20);
    runEventLoopFor(100); // a few more position sentences
    EXPECT_TRUE(form().receiveLog().contains(u"$GPRMC,"_s));
    EXPECT_EQ(catalogue::text(form().transactionStatus()), u"设置成功"_s);
}

TEST_F(OverPty, QuickAnswersAreNeverLost)
{
    start({});
    fillOwnShip();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(write(Group::OwnShip)) << "write " << i;
    EXPECT_EQ(host.messages.size(), 10);
}

TEST_F(OverPty, ASilentUnitEndsInTheRetryPrompt)
{
    start({u"--silent"_s});
    fillOwnShip();
    session->transactions().setNoRepeat(false);
    host.answers = {true, true, false};
    session->transactions().startWrite(Group::OwnShip);
    EXPECT_EQ(host.questions, (QStringList{u"是否开始设置数据"_s, u"设置失败,是否重试"_s, u"设置失败,是否重试"_s}));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(form().isEnabled());
    runEventLoopFor(50);
    EXPECT_EQ(unit->log().filter(u"< $CVUIS,"_s).size(), 4); // two sends per attempt
}

TEST_F(OverPty, ARepeatedWriteEndsWhenTheDelayedAcknowledgementArrives)
{
    start({u"--ack-delay"_s, u"150"_s});
    fillOwnShip();
    session->transactions().setNoRepeat(false);
    session->transactions().startWrite(Group::OwnShip);
    EXPECT_EQ(host.messages, QStringList{u"本船资料设置成功"_s});
    EXPECT_EQ(host.questions, QStringList{u"是否开始设置数据"_s});
    EXPECT_EQ(unit->log().filter(u"< $CVUIS,"_s).size(), 2); // the ack came during the second wait
}

TEST_F(OverPty, AnUndecodableReplyIsRequestedTwiceMoreThenReportedAsAReadError)
{
    start({u"--corrupt-reply"_s});
    ASSERT_TRUE(read());
    EXPECT_EQ(catalogue::text(form().transactionStatus()), u"读取数据错误"_s);
    EXPECT_EQ(unit->log().filter(u"< $CVRSE,*7D"_s).size(), 3);
    EXPECT_TRUE(form().replyLog().contains(u" 次数:3\r\n"_s));
}

TEST_F(OverPty, AUnitThatHangsUpClosesThePortOnce)
{
    start({u"--hangup-after"_s, u"0"_s});
    fillOwnShip();
    EventWait lost;
    lost.finishOn(&session->line(), &SerialLine::connectionLost);
    session->transactions().startWrite(Group::OwnShip);
    ASSERT_TRUE(lost.run(3000));
    EXPECT_FALSE(session->line().isOpen());
    EXPECT_EQ(catalogue::text(form().connectionStatus()), u"通讯口1 断开"_s);
    EXPECT_TRUE(host.messages.isEmpty());
    // Later sends do nothing and report nothing.
    session->transactions().startRead();
    runEventLoopFor(50);
    EXPECT_EQ(catalogue::text(form().connectionStatus()), u"通讯口1 断开"_s);
}

// An adapter pulled out and plugged in again: the unit behind port 1 goes away
// and a new one appears under the same name. The window finds it by itself.
TEST_F(OverPty, APortThatWentAwayReopensByItselfWhenAUnitIsBackUnderItsName)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(u"unit"_s);
    start({u"--link"_s, link}, link);
    EventWait lost;
    lost.finishOn(&session->line(), &SerialLine::connectionLost);
    unit.reset(); // the first unit ends, its device with it
    ASSERT_TRUE(lost.run(3000));
    EXPECT_EQ(catalogue::text(form().connectionStatus()), u"通讯口1 断开"_s);

    unit = std::make_unique<test::VirtualUnit>(QStringList{u"--link"_s, link});
    ASSERT_FALSE(unit->path().isEmpty());
    EventWait back;
    back.finishOn(&form(), &Form::statusChanged);
    ASSERT_TRUE(back.run(2500));
    EXPECT_EQ(catalogue::text(form().connectionStatus()), u"通讯口1 连接"_s);
    fillOwnShip();
    EXPECT_TRUE(write(Group::OwnShip));
    EXPECT_EQ(unit->log().filter(u"< $CVUIS,"_s).size(), 1);
}

} // namespace
