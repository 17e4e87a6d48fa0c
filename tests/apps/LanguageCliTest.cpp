// The display language reaches what a person reads on the command line, never
// what a program reads: the JSON of every command is the same bytes in English
// and in Chinese, the text output of check is English under --lang en.
#include "VirtualUnit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using aisset::test::VirtualUnit;

// Accepted by the builder, and warned about: not a ship station's MMSI, no
// ship size, no draught.
const QByteArray kWarnedShip =
    R"j({"mmsi":"970123456","imoNumber":"009123453","callSign":"BXYZ9","shipName":"HAI XING 7",
        "shipType":"70(货船)","antennaA":"0","antennaB":"0","antennaC":"0","antennaD":"0","draught":"0"})j";
// Between them, the three forms raise every wording of every warning.
const QByteArray kAllWarnings[] = {
    kWarnedShip,
    R"j({"mmsi":"123456789","imoNumber":"123456789"})j",
    R"j({"mmsi":"200123456","imoNumber":"9123456"})j",
};

struct Printed {
    int exitCode;
    QByteArray out;
};

// One command in `language` on the store `store`.
Printed run(const QString &language, const QTemporaryDir &store, const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{u"--lang"_s, language, u"--store"_s, store.path()});
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(20000));
    return {p.exitCode(), p.readAllStandardOutput()};
}

// Chinese, Japanese and Korean characters and the full-width signs.
const QRegularExpression kCjk(u"[\\x{2E80}-\\x{9FFF}\\x{AC00}-\\x{D7AF}\\x{F900}-\\x{FAFF}\\x{FF00}-\\x{FFEF}]"_s);

TEST(CliLanguage, TheJsonOfEveryCommandIsTheSameInEnglishAndChinese)
{
    VirtualUnit unit({});
    ASSERT_FALSE(unit.path().isEmpty());
    const QStringList port{u"--port"_s, unit.path()};
    // Each language writes the same to the same unit, on a store of its own.
    const struct {
        QStringList args;
        QByteArray input;
    } commands[] = {
        {{u"encode"_s, u"ownship"_s, u"--json"_s}, kWarnedShip},
        {{u"encode"_s, u"ownship"_s, u"--json"_s}, R"j({"mmsi":"1234"})j"}, // refused, with its message
        {{u"check"_s, u"--json"_s}, kAllWarnings[1]},
        {{u"check"_s, u"--json"_s}, kAllWarnings[2]},
        {QStringList{u"write"_s, u"ownship"_s, u"--verify"_s, u"--json"_s} + port, kWarnedShip},
        {QStringList{u"write"_s, u"system"_s, u"--json"_s} + port, R"j({"mmsi":"970123456"})j"},
        {QStringList{u"read"_s, u"--json"_s} + port, {}},
        {{u"records"_s, u"show"_s, u"970123456"_s}, {}},
    };
    QTemporaryDir chineseStore, englishStore;
    QList<QByteArray> chinese;
    for (const auto &c : commands)
        chinese.append(run(u"zh"_s, chineseStore, c.args, c.input).out);
    for (std::size_t i = 0; i < std::size(commands); ++i)
        EXPECT_EQ(run(u"en"_s, englishStore, commands[i].args, commands[i].input).out.toStdString(),
                  chinese[i].toStdString());
    // The words are the source texts, not merely equal.
    const QJsonObject written = QJsonDocument::fromJson(chinese[4]).object();
    EXPECT_TRUE(written.value(u"acknowledged"_s).toBool()) << chinese[4].constData();
    EXPECT_EQ(written.value(u"warnings"_s).toArray().at(0)[u"message"_s].toString(),
              u"MMSI 970123456是AIS搜救应答器(AIS-SART)的号码,不是船舶电台(船舶电台的MMSI首位为2至7)"_s);

    // decode prints JSON without --json: the unit's own reply line, as read, and
    // the same line with a broken checksum.
    const QJsonArray history = QJsonDocument::fromJson(run(u"zh"_s, chineseStore, {u"history"_s, u"--json"_s}).out)
                                   .object()
                                   .value(u"history"_s)
                                   .toArray();
    QString reply;
    for (const QJsonValue &e : history)
        if (e[u"group"_s].toString() == u"read")
            reply = e[u"reply"_s].toString();
    ASSERT_FALSE(reply.isEmpty()) << QJsonDocument(history).toJson().constData();
    for (const QString &line : {reply, reply.left(reply.lastIndexOf(u'*')) + u"*00"_s}) {
        const Printed zh = run(u"zh"_s, chineseStore, {u"decode"_s, line});
        EXPECT_EQ(run(u"en"_s, englishStore, {u"decode"_s, line}).out.toStdString(), zh.out.toStdString());
        EXPECT_TRUE(zh.out.contains("\"status\"")) << zh.out.constData();
    }

    // The history's text output is for a person: the writes and the read above
    // in English.
    const Printed listed = run(u"en"_s, englishStore, {u"history"_s});
    EXPECT_EQ(listed.out.count('\n'), history.size());
    EXPECT_FALSE(QString::fromUtf8(listed.out).contains(kCjk)) << listed.out.constData();
}

TEST(CliLanguage, CheckSpeaksEnglishUnderLangEn)
{
    QTemporaryDir store;
    for (const QByteArray &form : kAllWarnings) {
        const Printed english = run(u"en"_s, store, {u"check"_s}, form);
        const Printed chinese = run(u"zh"_s, store, {u"check"_s}, form);
        EXPECT_EQ(english.exitCode, 0);
        EXPECT_FALSE(english.out.isEmpty()) << form.constData();
        EXPECT_EQ(english.out.count('\n'), chinese.out.count('\n')) << english.out.constData();
        EXPECT_FALSE(QString::fromUtf8(english.out).contains(kCjk)) << english.out.constData();
        EXPECT_TRUE(QString::fromUtf8(chinese.out).contains(kCjk)) << chinese.out.constData();
    }
}

} // namespace
