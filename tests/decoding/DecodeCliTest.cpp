// Runs "aisset-cli decode" as a user would and checks its JSON and exit codes.
#include "ReplyLineBuilder.h"
#include "model/ChoiceTables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

struct Outcome {
    int exitCode;
    QJsonObject json;
};

Outcome runDecode(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(AISSET_CLI_PATH), QStringList{u"decode"_s} + args);
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(20000));
    return {p.exitCode(), QJsonDocument::fromJson(p.readAllStandardOutput()).object()};
}

TEST(DecodeCli, LineArgumentPrintsFormStatusSizeAndTrace)
{
    const Outcome r = runDecode({test::ReplyLine().text()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.json.value(u"result"_s).toInt(-1), 0);
    const QJsonObject fields = r.json.value(u"fields"_s).toObject();
    EXPECT_EQ(fields.value(u"shipType"_s).toString(), u"70(货船)"_s);
    EXPECT_EQ(fields.value(u"shipName"_s).toString(), u"HAI XING 7          "_s);
    EXPECT_EQ(fields.value(u"autoVhfOff"_s).toString(), u"关"_s);
    EXPECT_EQ(fields.size(), 35);
    EXPECT_EQ(r.json.value(u"status"_s).toString(), u"拆分状态"_s);
    EXPECT_EQ(r.json.value(u"shipSize"_s).toString(), u"船长:120米   船宽:12米"_s);
    const QJsonArray trace = r.json.value(u"trace"_s).toArray();
    ASSERT_EQ(trace.size(), 11);
    EXPECT_EQ(trace[0].toString(), u"字符串: hnVu"_s);
}

TEST(DecodeCli, StandardInputKeepsTheUnitsCrLfButNotTheShellsLf)
{
    // Ends before the status, so without a checksum: decoded, and flagged (exit 8).
    const QByteArray body = test::ReplyLine().text().left(110).toLatin1();
    const Outcome crlf = runDecode({}, body + "\r\n");
    EXPECT_EQ(crlf.exitCode, 8);
    EXPECT_EQ(crlf.json.value(u"trace"_s).toArray().at(1).toString(), u"16进制: D,A,,"_s);
    const Outcome lf = runDecode({}, body + "\n" + "second line ignored\n");
    EXPECT_EQ(lf.exitCode, 8);
    EXPECT_EQ(lf.json.value(u"trace"_s).toArray().at(1).toString(), u"16进制: ,,,"_s);
}

// Standard input is read up to its first line end and no further: an input that
// stays open gets its answer, and one without a line end is refused once it
// passes 64 KiB instead of being read to its end.
TEST(DecodeCli, StandardInputIsReadOnlyToTheFirstLineEnd)
{
    const struct {
        QByteArray input;
        int exitCode;
    } cases[] = {
        {test::ReplyLine().text().toLatin1() + "\n", 0},
        {QByteArray(65536, 'x') + "\n", 1},
        {QByteArray(65537, '\0'), 2},
    };
    for (const auto &c : cases) {
        QProcess p;
        p.start(QStringLiteral(AISSET_CLI_PATH), {u"decode"_s});
        p.write(c.input);
        p.write(QByteArray(1 << 20, 'y')); // more that is never read; the pipe stays open
        EXPECT_TRUE(p.waitForFinished(10000)) << c.input.size();
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.input.size() << p.readAllStandardError().constData();
        p.kill();
        p.waitForFinished();
    }
}

// A line is decoded whatever its checksum, but one that fails it is flagged: a
// warning on standard error, "checksumMatches" false and exit 8, unless the
// decoding failed too (exit 1 wins).
TEST(DecodeCli, ALineThatFailsItsChecksumIsFlagged)
{
    const QString good = test::ReplyLine().text();
    QString flipped = good;
    flipped[57] = u'9'; // the MMSI 412345678 read as 412345679
    QString badAndUndecodable = test::ReplyLine().with(slot::shipType, kNoShipType.toString()).text();
    badAndUndecodable[57] = u'9';
    const struct {
        QString line;
        int exitCode;
        bool matches;
        QString mmsi;
    } cases[] = {
        {good, 0, true, u"412345678"_s},
        {flipped, 8, false, u"412345679"_s},
        {badAndUndecodable, 1, false, {}},
    };
    for (const auto &c : cases) {
        QProcess p;
        p.start(QStringLiteral(AISSET_CLI_PATH), {u"decode"_s, c.line});
        ASSERT_TRUE(p.waitForFinished(20000));
        const QJsonObject json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.line.toStdString();
        EXPECT_EQ(json.value(u"checksumMatches"_s).toBool(!c.matches), c.matches);
        EXPECT_EQ(err.contains(u"校验和不符"_s), !c.matches) << err.toStdString();
        if (c.exitCode != 1) {
            EXPECT_EQ(json.value(u"fields"_s).toObject().value(u"mmsi"_s).toString(), c.mmsi);
        }
    }
}

TEST(DecodeCli, FailedDecodingExitsWithOne)
{
    const Outcome r = runDecode({test::ReplyLine().with(slot::shipType, kNoShipType.toString()).text()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.json.value(u"result"_s).toInt(-1), 1);
    EXPECT_EQ(r.json.value(u"status"_s).toString(), u"拆分船型"_s);
    EXPECT_TRUE(r.json.value(u"trace"_s).toArray().isEmpty());
    EXPECT_EQ(r.json.value(u"fields"_s).toObject().value(u"crewCount"_s).toString(), u"0025"_s);
}

} // namespace
