// The history and the installation report from the command line, against
// virtual units: what each write leaves, eight writers at once, a history that
// cannot be written, and the report's text as pdftotext reads it, in Chinese
// and in English.
#include "VirtualUnit.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using aisset::test::VirtualUnit;

struct Outcome {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

const QByteArray kShip =
    R"j({"crewCount":"25","callSign":"BXYZ9","shipType":"70","draught":"8.5","mmsi":"412345678",
        "imoNumber":"009123456","shipName":"HAI XING 7","antennaA":"100","antennaB":"20",
        "antennaC":"5","antennaD":"7","epfdType":"1"})j";

class HistoryCli : public testing::Test {
protected:
    std::unique_ptr<QProcess> start(const QStringList &args, const QByteArray &input = {})
    {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{u"--store"_s, store.path()});
        p->write(input);
        p->closeWriteChannel();
        return p;
    }
    Outcome run(const QStringList &args, const QByteArray &input = {})
    {
        const std::unique_ptr<QProcess> p = start(args, input);
        EXPECT_TRUE(p->waitForFinished(30000));
        return {p->exitCode(), p->readAllStandardOutput(), p->readAllStandardError()};
    }
    QJsonArray history(const QStringList &args = {})
    {
        const Outcome r = run(QStringList{u"history"_s, u"--json"_s} + args);
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return QJsonDocument::fromJson(r.out).object().value(u"history"_s).toArray();
    }

    // The ship and the system settings written to the unit and read back: the
    // report's every own-ship and system value confirmed.
    void writeAndVerifyTheShip(const VirtualUnit &unit)
    {
        ASSERT_FALSE(unit.path().isEmpty());
        ASSERT_EQ(run({u"write"_s, u"ownship"_s, u"--port"_s, unit.path(), u"--verify"_s}, kShip).exitCode, 0);
        ASSERT_EQ(
            run({u"write"_s, u"system"_s, u"--port"_s, unit.path(), u"--verify"_s}, R"({"mmsi":"412345678"})").exitCode,
            0);
    }

    QTemporaryDir store;
};

TEST_F(HistoryCli, EachWriteAndReadBackLeavesItsEntryAndTheListFilters)
{
    VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const QStringList write{u"write"_s, u"ownship"_s, u"--port"_s, unit.path(), u"--verify"_s};
    ASSERT_EQ(run(write, kShip).exitCode, 0);
    ASSERT_EQ(run({u"read"_s, u"--port"_s, unit.path()}).exitCode, 0);

    const QJsonArray all = history();
    ASSERT_EQ(all.size(), 3);
    const QStringList groups{all[0][u"group"_s].toString(), all[1][u"group"_s].toString(),
                             all[2][u"group"_s].toString()};
    EXPECT_EQ(groups, (QStringList{u"read"_s, u"verify"_s, u"ownship"_s}));
    const QJsonObject written = all[2].toObject();
    EXPECT_EQ(written[u"outcome"_s], u"acknowledged"_s);
    EXPECT_EQ(written[u"program"_s], u"aisset-cli"_s);
    EXPECT_EQ(written[u"device"_s], unit.path());
    EXPECT_EQ(written[u"mmsi"_s], u"412345678"_s);
    EXPECT_TRUE(written[u"sentence"_s].toString().startsWith(u"$CVUIS,0025BXYZ9"_s));
    EXPECT_EQ(all[1][u"checks"_s], written[u"id"_s]);
    EXPECT_EQ(all[1][u"outcome"_s], u"agree"_s);

    EXPECT_EQ(history({u"412345678"_s}).size(), 3);
    EXPECT_EQ(history({u"413000000"_s}).size(), 0);
    EXPECT_EQ(history({u"--since"_s, u"2999-01-01"_s}).size(), 0);
    EXPECT_EQ(history({u"--since"_s, u"2000-01-01T00:00:00Z"_s}).size(), 3);
    EXPECT_EQ(run({u"history"_s, u"--since"_s, u"yesterday"_s}).exitCode, 2);

    const Outcome text = run({u"history"_s, u"412345678"_s});
    EXPECT_TRUE(QString::fromUtf8(text.out).contains(u"本船资料写入  设置成功"_s)) << text.out.constData();
    EXPECT_TRUE(QString::fromUtf8(text.out).contains(u"已校验"_s));
}

// Eight programs write to eight units at the same moment, three rounds: every
// write and every read-back is in the history once.
TEST_F(HistoryCli, EightWritersAtOnceLoseNoEntry)
{
    constexpr int kWriters = 8, kRounds = 3;
    std::vector<std::unique_ptr<VirtualUnit>> units;
    for (int i = 0; i < kWriters; ++i) {
        units.push_back(std::make_unique<VirtualUnit>(QStringList{u"--quiet"_s}));
        ASSERT_FALSE(units.back()->path().isEmpty());
    }
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int i = 0; i < kWriters; ++i) {
            const QByteArray ship = QByteArray(kShip).replace("412345678", "41300000" + QByteArray::number(i));
            writers.push_back(start(
                {u"write"_s, u"ownship"_s, u"--port"_s, units[std::size_t(i)]->path(), u"--verify"_s}, ship));
        }
        for (auto &w : writers) {
            ASSERT_TRUE(w->waitForFinished(30000));
            EXPECT_EQ(w->exitCode(), 0) << w->readAllStandardError().constData();
        }
    }
    const QJsonArray all = history();
    EXPECT_EQ(all.size(), kWriters * kRounds * 2);
    QSet<QString> ids;
    for (int i = 0; i < kWriters; ++i)
        EXPECT_EQ(history({u"41300000%1"_s.arg(i)}).size(), kRounds * 2) << i;
    for (const QJsonValue &e : all)
        ids.insert(e[u"id"_s].toString());
    EXPECT_EQ(ids.size(), all.size());
}

// A history the tool cannot write (here a folder stands where its file
// belongs) is named in a warning and the exit code is 5; the unit has the write.
TEST_F(HistoryCli, AHistoryThatCannotBeWrittenWarnsAndExitsFive)
{
    VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const QString blocked = store.path() + u"/history.sqlite"_s;
    ASSERT_TRUE(QDir().mkpath(blocked));
    const Outcome r = run({u"write"_s, u"ownship"_s, u"--port"_s, unit.path()}, kShip);
    EXPECT_EQ(r.exitCode, 5);
    EXPECT_EQ(r.out, QByteArray("本船资料设置成功\n"));
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(u"warning: the transaction was not written to the history "_s +
                                                  blocked))
        << r.err.constData();
    EXPECT_EQ(unit.log().filter(u"< $CVUIS"_s).size(), 1);
}

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(u"pdftotext"_s, {pdf, u"-"_s});
    EXPECT_TRUE(p.waitForFinished(20000));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The report holds the ship and every value the unit confirmed; a value stored
// since then that the unit does not hold is marked, and so is a page never
// verified.
TEST_F(HistoryCli, TheReportHoldsTheShipAndEveryVerifiedValue)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    VirtualUnit unit({});
    ASSERT_NO_FATAL_FAILURE(writeAndVerifyTheShip(unit));
    const QString pdf = store.path() + u"/report.pdf"_s;
    const Outcome made = run({u"report"_s, u"412345678"_s, u"-o"_s, pdf, u"--installer"_s, u"李工"_s});
    ASSERT_EQ(made.exitCode, 0) << made.err.constData();
    const QString text = pdfText(pdf);
    const char16_t *const verified[] = {
        u"412345678", u"HAI XING 7",       u"0025",              u"BXYZ9",   u"70(货船)", u"08.5",
        u"009123456", u"100",              u"020",               u"05",      u"07",       u"1(GPS)",
        u"2087(161.9750)MHz", u"2088(162.0250)MHz", u"0.5海里", u"5海里",  u"RMC,GSV,GSA", u"李工",
    };
    for (const char16_t *value : verified)
        EXPECT_TRUE(text.contains(QString::fromUtf16(value))) << QString::fromUtf16(value).toStdString();
    EXPECT_EQ(text.count(u"未经校验"_s), 4) << "the four factory values";
    EXPECT_FALSE(text.contains(u"与档案不符"_s));

    // The form is saved with another crew count and not sent: the report marks it.
    ASSERT_EQ(run({u"encode"_s, u"ownship"_s}, QByteArray(kShip).replace("\"25\"", "\"30\"")).exitCode, 0);
    ASSERT_EQ(run({u"report"_s, u"412345678"_s, u"-o"_s, pdf}).exitCode, 0);
    EXPECT_EQ(pdfText(pdf).count(u"与档案不符"_s), 1);

    EXPECT_EQ(run({u"report"_s, u"499999999"_s, u"-o"_s, pdf}).exitCode, 1);
}

// Under --lang en the report's every word is English: the only Chinese left
// is in the ship's values, as stored and as the unit holds them ("70(货船)",
// "0.5海里"). Needs the English translations of the report's, the history's
// and the fields' words.
TEST_F(HistoryCli, TheEnglishReportHasNoChineseButTheShipsValues)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    VirtualUnit unit({});
    ASSERT_NO_FATAL_FAILURE(writeAndVerifyTheShip(unit));
    QStringList values;
    for (const QJsonValue &v : QJsonDocument::fromJson(run({u"records"_s, u"show"_s, u"412345678"_s}).out).object())
        values.append(v.toString());
    const Outcome read = run({u"read"_s, u"--json"_s, u"--port"_s, unit.path()});
    for (const QJsonValue &v : QJsonDocument::fromJson(read.out).object().value(u"fields"_s).toObject())
        values.append(v.toString());
    ASSERT_GT(values.size(), 35) << read.err.constData();
    // The Chinese words of a text that are in none of the values.
    const QRegularExpression chinese(u"[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]+"_s);
    const auto wordsBesideValues = [&values, &chinese](const QString &text) {
        QStringList words;
        for (const QRegularExpressionMatch &m : chinese.globalMatch(text))
            if (std::none_of(values.begin(), values.end(), [&m](const QString &v) { return v.contains(m.captured()); }))
                words.append(m.captured());
        return words;
    };
    const QString pdf = store.path() + u"/report.pdf"_s;
    for (const QString &language : {u"zh"_s, u"en"_s}) {
        const Outcome made = run({u"report"_s, u"412345678"_s, u"-o"_s, pdf, u"--lang"_s, language});
        ASSERT_EQ(made.exitCode, 0) << made.err.constData();
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(u"HAI XING 7"_s)) << language.toStdString();
        const QStringList words = wordsBesideValues(text);
        if (language == u"zh") {
            EXPECT_FALSE(words.isEmpty()) << "the check finds the Chinese report's words";
        } else {
            EXPECT_TRUE(words.isEmpty()) << words.join(u' ').toStdString();
        }
    }
}

} // namespace
