// aisset-cli records export and import: a store written out and merged back.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode;
    QByteArray out;
    QString err;
};

class RecordsTransfer : public testing::Test {
protected:
    // Runs the tool on the store in folder `store` (below the test's folder).
    Outcome run(const QString &store, const QStringList &args, const QByteArray &input = {})
    {
        QProcess p;
        p.start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{u"--store"_qs, dir.filePath(store)});
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
    }
    QString file(const QString &name, const QByteArray &contents = {})
    {
        const QString path = dir.filePath(name);
        if (!contents.isEmpty()) {
            QFile f(path);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        return path;
    }
    // Two ships with all three pages, Chinese choice texts, and a ship name
    // with the characters CSV quotes.
    void fillStore(const QString &store)
    {
        const QByteArray pages[] = {
            R"j({"mmsi":"412345678","crewCount":"25","callSign":"BXYZ9","shipType":"70(货船)","draught":"8.5",
                "imoNumber":"009074729","shipName":"HAI, \"XING\" 7","antennaA":"100","antennaB":"20",
                "antennaC":"5","antennaD":"5","epfdType":"1"})j",
            R"j({"mmsi":"412345678","channel1":"1088","lightPrompt":"关","soundPromptRange":"1.0海里"})j",
            R"j({"mmsi":"412345678","factoryDate":"090817","machineNumber":"12345","powerOnTime":"120","vendorNumber":"AB12"})j",
            R"j({"mmsi":"413000001","shipType":"30","draught":"3","shipName":"YU 1"})j",
        };
        const char *groups[] = {"ownship", "system", "factory", "ownship"};
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(run(store, {u"encode"_qs, QString::fromLatin1(groups[i])}, pages[i]).exitCode, 0) << i;
    }

    QTemporaryDir dir;
};

TEST_F(RecordsTransfer, ExportImportIntoAnEmptyStoreAndExportAgainGivesTheSameFile)
{
    fillStore(u"first"_qs);
    for (const QString &format : {u"json"_qs, u"csv"_qs}) {
        const Outcome exported = run(u"first"_qs, {u"records"_qs, u"export"_qs, u"--format"_qs, format});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        const QString path = file(u"ships."_qs + format, exported.out);

        const Outcome imported = run(u"empty-"_qs + format, {u"records"_qs, u"import"_qs, path});
        EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
        EXPECT_EQ(imported.out,
                  QByteArray("added 412345678\nadded 413000001\nadded 2, changed 0, kept 0, refused 0\n"));

        const Outcome again = run(u"empty-"_qs + format, {u"records"_qs, u"export"_qs, u"--format"_qs, format, u"-o"_qs,
                                                          file(u"again."_qs + format)});
        EXPECT_EQ(again.exitCode, 0);
        QFile f(file(u"again."_qs + format));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), exported.out) << format.toStdString();
    }
    // What was exported is what the store holds, under the field names.
    const QString json = QString::fromUtf8(run(u"empty-json"_qs, {u"records"_qs, u"export"_qs}).out);
    for (const QString &text :
         {u"\"shipType\": \"70(货船)\""_qs, u"\"draught\": \"_8.5米\""_qs, u"\"lightPrompt\": \"关\""_qs,
          u"\"shipName\": \"HAI, \\\"XING\\\" 7"_qs, u"\"vendorNumber\": \"AB12\""_qs})
        EXPECT_TRUE(json.contains(text)) << text.toStdString();
    EXPECT_EQ(run(u"empty-csv"_qs, {u"records"_qs}).out, QByteArray("412345678\n413000001\n"));
}

TEST_F(RecordsTransfer, AnExistingShipKeepsItsValuesUnlessReplaced)
{
    fillStore(u"store"_qs);
    const QString path = file(u"ships.json"_qs, R"j({"412345678": {"draught": "_9.0米", "crewCount": "25__",
        "imoNumber": "009176187"}, "413000001": {"lightPrompt": "开"}})j");
    // The stored draught and IMO number differ: kept; the second ship has no system page: added to it.
    Outcome r = run(u"store"_qs, {u"records"_qs, u"import"_qs, path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray("kept 412345678: draught, imoNumber\nchanged 413000001: lightPrompt\n"
                                "added 0, changed 1, kept 1, refused 0\n"));
    EXPECT_TRUE(run(u"store"_qs, {u"records"_qs, u"show"_qs, u"412345678"_qs}).out.contains("\"_8.5米\""));

    r = run(u"store"_qs, {u"records"_qs, u"import"_qs, path, u"--replace"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("changed 412345678: draught, imoNumber\nadded 0, changed 1, kept 0, refused 0\n"));
    EXPECT_TRUE(run(u"store"_qs, {u"records"_qs, u"show"_qs, u"412345678"_qs}).out.contains("\"_9.0米\""));
}

// A record the window could not load is refused with its name and why; the
// others are imported, texts written by hand taken as encode takes them, and the
// exit code says that some were refused.
TEST_F(RecordsTransfer, RefusedRecordsAreNamedAndTheRestImported)
{
    const QString path = file(u"ships.csv"_qs, "record,mmsi,shipName,shipType,draught\r\n"
                                               "412000001,412000001,GOOD,70(货船),_8.5米\r\n"
                                               "412000002,,海星,,\r\n"
                                               "412000003,412000009,,,\r\n"
                                               "412000004,,,99(未知),\r\n"
                                               "412000005,,,,8.5\r\n"
                                               "412000008,,,,abc\r\n"
                                               "41200000X,,,,\r\n"
                                               "412000006,,\"A\nB\",,\r\n"
                                               "412000001,,,,\r\n"
                                               "412000007,,\r\n");
    const Outcome r = run(u"store"_qs, {u"records"_qs, u"import"_qs, path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QByteArray("added 412000001\nadded 412000005\nadded 2, changed 0, kept 0, refused 8\n"));
    const QString expected[] = {
        u"refused 412000002: field \"shipName\" cannot hold the character \"海\" (U+6D77)"_qs,
        u"refused 412000003: its mmsi 412000009 is not its record name"_qs,
        u"refused 412000004: field \"shipType\" cannot hold \"99(未知)\""_qs,
        u"refused 412000008: field \"draught\" cannot hold \"abc\""_qs,
        u"refused 41200000X: the record name must be an MMSI of up to nine digits"_qs,
        u"refused 412000006: field \"shipName\" cannot hold the character U+000A"_qs,
        u"refused 412000001: the file has it more than once"_qs,
        u"refused 412000007: row 11 has 3 cells, the header 5"_qs,
    };
    for (const QString &line : expected)
        EXPECT_TRUE(r.err.contains(line + u'\n')) << line.toStdString() << "\n" << r.err.toStdString();
    EXPECT_EQ(run(u"store"_qs, {u"records"_qs}).out, QByteArray("412000001\n412000005\n"));
    const QByteArray first = run(u"store"_qs, {u"records"_qs, u"show"_qs, u"412000001"_qs}).out;
    EXPECT_TRUE(first.contains(R"("船名": "GOOD________________")")) << first.constData();
    EXPECT_TRUE(run(u"store"_qs, {u"records"_qs, u"show"_qs, u"412000005"_qs}).out.contains(R"("吃水": "_8.5米")"));
}

TEST_F(RecordsTransfer, AFileThatCannotBeReadImportsNothing)
{
    const struct {
        QByteArray contents;
        QString error;
    } cases[] = {
        {"{\"412345678\": ", u"bad JSON"_qs},
        {"[1, 2]", u"the first row must name the columns"_qs},
        {"record,mmsi,colour\r\n412345678,,red\r\n", u"unknown column \"colour\""_qs},
        {"record,shipName\r\n412345678,\"open\r\n", u"a quoted cell is not closed"_qs},
    };
    for (const auto &c : cases) {
        const Outcome r = run(u"store"_qs, {u"records"_qs, u"import"_qs, file(u"bad"_qs, c.contents)});
        EXPECT_EQ(r.exitCode, 2) << c.contents.constData();
        EXPECT_TRUE(r.err.contains(c.error)) << r.err.toStdString();
    }
    EXPECT_EQ(run(u"store"_qs, {u"records"_qs, u"import"_qs, file(u"missing"_qs)}).exitCode, 2);
    EXPECT_EQ(run(u"store"_qs, {u"records"_qs, u"export"_qs, u"--format"_qs, u"xml"_qs}).exitCode, 2);
    EXPECT_TRUE(run(u"store"_qs, {u"records"_qs}).out.isEmpty());
}

} // namespace
