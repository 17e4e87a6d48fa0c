// aisset-cli records export and import: a store written out and merged back.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string_view>

using namespace Qt::StringLiterals;
using namespace std::string_view_literals;

namespace {

struct Outcome {
    int exitCode;
    QByteArray out;
    QString err;
};

class RecordsTransfer : public testing::Test {
protected:
    // Runs the tool on the store in folder `store` (below the test's folder).
    Outcome run(const QString &store, const QStringList &args, const QByteArray &input = {},
                const QString &outputFile = {})
    {
        QProcess p;
        if (!outputFile.isEmpty())
            p.setStandardOutputFile(outputFile);
        p.start(QStringLiteral(AISSET_CLI_PATH), args + QStringList{u"--store"_s, dir.filePath(store)});
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
            ASSERT_EQ(run(store, {u"encode"_s, QString::fromLatin1(groups[i])}, pages[i]).exitCode, 0) << i;
    }

    QTemporaryDir dir;
};

TEST_F(RecordsTransfer, ExportImportIntoAnEmptyStoreAndExportAgainGivesTheSameFile)
{
    fillStore(u"first"_s);
    for (const QString &format : {u"json"_s, u"csv"_s}) {
        const Outcome exported = run(u"first"_s, {u"records"_s, u"export"_s, u"--format"_s, format});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        const QString path = file(u"ships."_s + format, exported.out);

        const Outcome imported = run(u"empty-"_s + format, {u"records"_s, u"import"_s, path});
        EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
        EXPECT_EQ(imported.out,
                  QByteArray("added 412345678\nadded 413000001\nadded 2, changed 0, kept 0, refused 0\n"));

        const Outcome again = run(u"empty-"_s + format, {u"records"_s, u"export"_s, u"--format"_s, format, u"-o"_s,
                                                          file(u"again."_s + format)});
        EXPECT_EQ(again.exitCode, 0);
        QFile f(file(u"again."_s + format));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), exported.out) << format.toStdString();
    }
    // What was exported is what the store holds, under the field names.
    const QString json = QString::fromUtf8(run(u"empty-json"_s, {u"records"_s, u"export"_s}).out);
    for (const QString &text :
         {u"\"shipType\": \"70(货船)\""_s, u"\"draught\": \"_8.5米\""_s, u"\"lightPrompt\": \"关\""_s,
          u"\"shipName\": \"HAI, \\\"XING\\\" 7"_s, u"\"vendorNumber\": \"AB12\""_s})
        EXPECT_TRUE(json.contains(text)) << text.toStdString();
    EXPECT_EQ(run(u"empty-csv"_s, {u"records"_s}).out, QByteArray("412345678\n413000001\n"));
}

TEST_F(RecordsTransfer, AnExistingShipKeepsItsValuesUnlessReplaced)
{
    fillStore(u"store"_s);
    const QString path = file(u"ships.json"_s, R"j({"412345678": {"draught": "_9.0米", "crewCount": "25__",
        "imoNumber": "009176187"}, "413000001": {"lightPrompt": "开"}})j");
    // The stored draught and IMO number differ: kept; the second ship has no system page: added to it.
    Outcome r = run(u"store"_s, {u"records"_s, u"import"_s, path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray("kept 412345678: draught, imoNumber\nchanged 413000001: lightPrompt\n"
                                "added 0, changed 1, kept 1, refused 0\n"));
    EXPECT_TRUE(run(u"store"_s, {u"records"_s, u"show"_s, u"412345678"_s}).out.contains("\"_8.5米\""));

    r = run(u"store"_s, {u"records"_s, u"import"_s, path, u"--replace"_s});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("changed 412345678: draught, imoNumber\nadded 0, changed 1, kept 0, refused 0\n"));
    EXPECT_TRUE(run(u"store"_s, {u"records"_s, u"show"_s, u"412345678"_s}).out.contains("\"_9.0米\""));
}

// A record the window could not load is refused with its name and why; the
// others are imported, texts written by hand taken as encode takes them, and the
// exit code says that some were refused.
TEST_F(RecordsTransfer, RefusedRecordsAreNamedAndTheRestImported)
{
    const QString path = file(u"ships.csv"_s, "record,mmsi,shipName,shipType,draught\r\n"
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
    const Outcome r = run(u"store"_s, {u"records"_s, u"import"_s, path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QByteArray("added 412000001\nadded 412000005\nadded 2, changed 0, kept 0, refused 8\n"));
    const QString expected[] = {
        u"refused 412000002: field \"shipName\" cannot hold the character \"海\" (U+6D77)"_s,
        u"refused 412000003: its mmsi 412000009 is not its record name"_s,
        u"refused 412000004: field \"shipType\" cannot hold \"99(未知)\""_s,
        u"refused 412000008: field \"draught\" cannot hold \"abc\""_s,
        u"refused 41200000X: the record name must be an MMSI of up to nine digits"_s,
        u"refused 412000006: field \"shipName\" cannot hold the character U+000A"_s,
        u"refused 412000001: the file has it more than once"_s,
        u"refused 412000007: row 11 has 3 cells, the header 5"_s,
    };
    for (const QString &line : expected)
        EXPECT_TRUE(r.err.contains(line + u'\n')) << line.toStdString() << "\n" << r.err.toStdString();
    EXPECT_EQ(run(u"store"_s, {u"records"_s}).out, QByteArray("412000001\n412000005\n"));
    const QByteArray first = run(u"store"_s, {u"records"_s, u"show"_s, u"412000001"_s}).out;
    EXPECT_TRUE(first.contains(R"("船名": "GOOD________________")")) << first.constData();
    EXPECT_TRUE(run(u"store"_s, {u"records"_s, u"show"_s, u"412000005"_s}).out.contains(R"("吃水": "_8.5米")"));
}

TEST_F(RecordsTransfer, AFileThatCannotBeReadImportsNothing)
{
    const struct {
        QByteArray contents;
        QString error;
    } cases[] = {
        {"{\"412345678\": ", u"bad JSON"_s},
        {"[1, 2]", u"the first row must name the columns"_s},
        {"record,mmsi,colour\r\n412345678,,red\r\n", u"unknown column \"colour\""_s},
        {"record,shipName\r\n412345678,\"open\r\n", u"a quoted cell is not closed"_s},
    };
    for (const auto &c : cases) {
        const Outcome r = run(u"store"_s, {u"records"_s, u"import"_s, file(u"bad"_s, c.contents)});
        EXPECT_EQ(r.exitCode, 2) << c.contents.constData();
        EXPECT_TRUE(r.err.contains(c.error)) << r.err.toStdString();
    }
    EXPECT_EQ(run(u"store"_s, {u"records"_s, u"import"_s, file(u"missing"_s)}).exitCode, 2);
    EXPECT_EQ(run(u"store"_s, {u"records"_s, u"export"_s, u"--format"_s, u"xml"_s}).exitCode, 2);
    EXPECT_TRUE(run(u"store"_s, {u"records"_s}).out.isEmpty());
}

// Every command that prints delivers its result through standard output: an
// output that cannot be written (a full disk) fails the run, with the reason,
// instead of leaving a cut-short backup behind an exit code of 0.
TEST_F(RecordsTransfer, EveryPrintingCommandFailsWhenItsOutputCannotBeWritten)
{
    if (!QFile::exists(u"/dev/full"_s))
        GTEST_SKIP() << "no /dev/full on this system";
    fillStore(u"store"_s);
    const QByteArray form = R"({"crewCount":"25","shipType":"70","draught":"8.5","antennaA":"100","antennaB":"20",
                                "antennaC":"5","antennaD":"5","epfdType":"1","mmsi":"412345678",
                                "shipName":"A","callSign":"B"})";
    const struct {
        QStringList args;
        QByteArray input;
    } cases[] = {
        {{u"records"_s, u"export"_s}, {}},
        {{u"records"_s, u"export"_s, u"--format"_s, u"csv"_s}, {}},
        {{u"records"_s}, {}},
        {{u"records"_s, u"show"_s, u"412345678"_s}, {}},
        {{u"encode"_s, u"ownship"_s}, form},
        {{u"check"_s, u"--json"_s}, form},
        {{u"decode"_s, u"$CVRSE,*7D"_s}, {}},
        {{u"help"_s}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const Outcome full = run(u"store"_s, c.args, c.input, u"/dev/full"_s);
        EXPECT_EQ(full.exitCode, 2);
        EXPECT_TRUE(full.err.contains(u"cannot write standard output: No space left on device"_s))
            << full.err.toStdString();
    }
}

// A ship whose section cannot be read is named, and the export goes on with the
// others and says it is incomplete; a store folder that is not there is an
// error, not an empty store.
TEST_F(RecordsTransfer, AnExportThatCannotReadEverythingSaysSo)
{
    fillStore(u"store"_s);
    // A folder where the ship's file belongs cannot be read, not even by root.
    const QString section = dir.filePath(u"store/varid/413000001.ini"_s);
    ASSERT_TRUE(QFile::remove(section));
    ASSERT_TRUE(QDir().mkpath(section));
    for (const QString &format : {u"json"_s, u"csv"_s}) {
        const Outcome r = run(u"store"_s, {u"records"_s, u"export"_s, u"--format"_s, format});
        EXPECT_EQ(r.exitCode, 5) << format.toStdString();
        EXPECT_TRUE(r.err.contains(u"cannot read the record 413000001"_s)) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("412345678"));
        EXPECT_FALSE(r.out.contains("413000001")) << r.out.constData();
    }

    file(u"a-file"_s, "not a folder");
    const struct {
        QString store;
        QString error;
    } missing[] = {
        {u"nowhere"_s, u"does not exist"_s},
        {u"a-file"_s, u"is not a folder"_s},
    };
    for (const auto &m : missing) {
        for (const QStringList &args : {QStringList{u"records"_s, u"export"_s}, QStringList{u"records"_s}}) {
            const Outcome r = run(m.store, args);
            EXPECT_EQ(r.exitCode, 2) << m.store.toStdString();
            EXPECT_TRUE(r.err.contains(m.error)) << r.err.toStdString();
            EXPECT_TRUE(r.out.isEmpty());
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(u"nowhere"_s)));
}

// A text a spreadsheet would run as a formula goes out with an apostrophe
// before it, and the import takes exactly that apostrophe away again.
TEST_F(RecordsTransfer, CsvCellsAreNoFormulasAndComeBackAsStored)
{
    const char *ships[][3] = {
        {"412000001", "=HYPERLINK(1)", "@SUM"},
        {"412000002", "+1", "-2"},
        {"412000003", "'=A", "''-B"},
        {"412000004", "A=B", "'A"},
    };
    for (const auto &ship : ships) {
        const QByteArray page = QByteArray(R"({"crewCount":"25","shipType":"70","draught":"8.5","antennaA":"100",)"
                                           R"("antennaB":"20","antennaC":"5","antennaD":"5","epfdType":"1","mmsi":")") +
                                ship[0] + R"(","shipName":")" + ship[1] + R"(","callSign":")" + ship[2] + "\"}";
        const Outcome r = run(u"first"_s, {u"encode"_s, u"ownship"_s}, page);
        ASSERT_EQ(r.exitCode, 0) << page.constData() << r.err.toStdString();
    }
    const Outcome exported = run(u"first"_s, {u"records"_s, u"export"_s, u"--format"_s, u"csv"_s});
    ASSERT_EQ(exported.exitCode, 0);
    for (const char *cell : {",'=HYPERLINK(1)", ",'@SUM", ",'+1", ",'-2", ",''=A", ",'''-B", ",A=B", ",'A"})
        EXPECT_TRUE(exported.out.contains(cell)) << cell << "\n" << exported.out.constData();
    for (const QByteArray &line : exported.out.split('\n'))
        for (const QByteArray &cell : line.split(','))
            EXPECT_FALSE(!cell.isEmpty() && QByteArray("=+-@").contains(cell[0])) << cell.constData();

    const Outcome imported = run(u"second"_s, {u"records"_s, u"import"_s, file(u"ships.csv"_s, exported.out)});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(run(u"second"_s, {u"records"_s, u"export"_s}).out, run(u"first"_s, {u"records"_s, u"export"_s}).out);
}

// A backup keeps every character of a stored text: a ship whose texts the
// window could not load is refused by the import of either format, naming the
// character, and the others come back as they were stored. The JSON export
// wrote a U+FEFF that starts a text as UTF-8, which the JSON reader drops: the
// ship came back changed, without a word.
TEST_F(RecordsTransfer, ABackupKeepsEveryCharacterOrTheImportRefusesTheShip)
{
    fillStore(u"store"_s);
    const struct {
        const char *name;
        std::string_view section;
        const char *character; // as the refusal names it
    } odd[] = {
        // Escaped, as a UTF-8 byte order mark that starts a value is not read as part of it.
        {"412000001", "MMSI=412000001\n船名=\\\xEF\xBB\xBFHAI\n"sv, "(U+FEFF)"},
        {"412000002", "MMSI=412000002\n船名=A\\rB\n"sv, "U+000D"},
        {"412000003", "MMSI=412000003\n船名=A\0B\n"sv, "U+0000"},
        {"412000004", "MMSI=412000004\n船名=A\xFF\n"sv, "(U+FFFD)"}, // not UTF-8: read as U+FFFD
    };
    QStringList names{u"412345678"_s, u"413000001"_s};
    for (const auto &o : odd) {
        file(u"store/varid/"_s + QString::fromLatin1(o.name) + u".ini"_s,
             QByteArray(o.section.data(), qsizetype(o.section.size())));
        names << QString::fromLatin1(o.name);
    }
    file(u"store/varid/content.ini"_s, "fname=" + names.join(u',').toLatin1() + "\nnn=6\n");

    for (const QString &format : {u"json"_s, u"csv"_s}) {
        SCOPED_TRACE(format.toStdString());
        const Outcome exported = run(u"store"_s, {u"records"_s, u"export"_s, u"--format"_s, format});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        const QString copy = u"copy-"_s + format;
        const Outcome imported = run(copy, {u"records"_s, u"import"_s, file(u"backup."_s + format, exported.out)});
        EXPECT_EQ(imported.exitCode, 1);
        EXPECT_EQ(imported.out.toStdString(),
                  "added 412345678\nadded 413000001\nadded 2, changed 0, kept 0, refused 4\n");
        for (const auto &o : odd) {
            const QString refusal = u"refused "_s + QString::fromLatin1(o.name) +
                                    u": field \"shipName\" cannot hold the character "_s;
            const qsizetype at = imported.err.indexOf(refusal);
            EXPECT_TRUE(at >= 0 && imported.err.mid(at).section(u'\n', 0, 0).endsWith(QString::fromLatin1(o.character)))
                << imported.err.toStdString();
        }
        for (const QString &ship : {u"412345678"_s, u"413000001"_s})
            EXPECT_EQ(run(copy, {u"records"_s, u"show"_s, ship}).out,
                      run(u"store"_s, {u"records"_s, u"show"_s, ship}).out);
    }
}

} // namespace

namespace {

// A key written twice says two things: a form or a ship's fields are refused,
// naming the key; a ship written twice is taken once, from its first place, in
// either format, and its second place is refused.
TEST_F(RecordsTransfer, AKeyTwiceIsRefusedAndAShipTwiceIsTakenOnce)
{
    const struct {
        const char *name;
        QByteArray contents;
    } twice[] = {
        {"twice.json", R"({"412000001": {"shipName": "FIRST"}, "412000002": {"shipName": "B"},
                           "412000001": {"shipName": "SECOND"}})"},
        {"twice.csv", "record,shipName\r\n412000001,FIRST\r\n412000002,B\r\n412000001,SECOND\r\n"},
    };
    for (const auto &t : twice) {
        SCOPED_TRACE(t.name);
        const QString store = QString::fromLatin1(t.name) + u"-store"_s;
        const Outcome r = run(store, {u"records"_s, u"import"_s, file(QString::fromLatin1(t.name), t.contents)});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(u"refused 412000001: the file has it more than once"_s)) << r.err.toStdString();
        EXPECT_EQ(run(store, {u"records"_s}).out, QByteArray("412000001\n412000002\n"));
        EXPECT_TRUE(run(store, {u"records"_s, u"show"_s, u"412000001"_s}).out.contains("FIRST"));
    }

    const struct {
        QByteArray contents;
        QString error;
    } keys[] = {
        {R"({"412000001": {"shipName": "A", "mmsi": "412000001", "shipName": "B"}})",
         u"record 412000001 has the field \"shipName\" twice"_s},
        {R"({"412000001": {"shipName": "A", "ship\u004eame": "B"}})", u"\"shipName\" twice"_s},
        {"record,shipName,shipName\r\n412000001,A,B\r\n", u"the column \"shipName\" is there twice"_s},
    };
    for (const auto &k : keys) {
        const Outcome r = run(u"keys"_s, {u"records"_s, u"import"_s, file(u"keys"_s, k.contents)});
        EXPECT_EQ(r.exitCode, 2) << k.contents.constData();
        EXPECT_TRUE(r.err.contains(k.error)) << r.err.toStdString();
    }
    EXPECT_TRUE(run(u"keys"_s, {u"records"_s}).out.isEmpty());

    for (const QStringList &command : {QStringList{u"encode"_s, u"factory"_s}, QStringList{u"check"_s}}) {
        const Outcome r = run(u"form"_s, command,
                              R"({"mmsi": "412000001", "machineNumber": "1", "factoryDate": "090817",
                                  "mmsi": "412000002"})");
        EXPECT_EQ(r.exitCode, 2) << command.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"the key \"mmsi\" is there twice"_s)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

// Store names, record names and file names come from outside: whatever the
// command says of them reaches the terminal with its control characters written
// out, on standard error as on standard output.
TEST_F(RecordsTransfer, TextFromOutsideReachesTheTerminalEscaped)
{
    const QString store = u"st\x1b[2Jore"_s;
    ASSERT_TRUE(QDir(dir.path()).mkpath(store + u"/varid"_s));
    QFile content(dir.filePath(store + u"/varid/content.ini"_s));
    ASSERT_TRUE(content.open(QIODevice::WriteOnly));
    content.write("fname=412000001,41\x1b]0;x\x07\nnn=2\n");
    content.close();

    const struct {
        QString store;
        QStringList args;
        QString shown; // on standard output or standard error
    } cases[] = {
        {store, {u"records"_s}, u"41\\e]0;x\\x07"_s},
        {u"no\x1b[2Jstore"_s, {u"records"_s}, u"no\\e[2Jstore does not exist"_s},
        {store, {u"records"_s, u"show"_s, u"4\x1b[2J"_s}, u"no record for 4\\e[2J"_s},
        {store, {u"records"_s, u"import"_s, dir.filePath(u"fi\x1b[2Jle"_s)}, u"fi\\e[2Jle"_s},
        {store, {u"records"_s, u"export"_s, u"-o"_s, dir.filePath(u"no/di\x1b[2Jr"_s)}, u"di\\e[2Jr"_s},
    };
    for (const auto &c : cases) {
        const Outcome r = run(c.store, c.args);
        const QString said = QString::fromUtf8(r.out) + r.err;
        EXPECT_FALSE(said.contains(u'\x1b')) << c.args.join(u' ').toStdString() << "\n" << said.toStdString();
        EXPECT_TRUE(said.contains(c.shown)) << c.args.join(u' ').toStdString() << "\n" << said.toStdString();
    }
}

// An import lists a ship only once its values are written: a ship whose
// section cannot be written (its file's place is taken by a folder) is named,
// not listed, and the others are.
TEST_F(RecordsTransfer, AShipWhoseValuesCannotBeWrittenIsNotListed)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"store/varid/412000002.ini"_s)));
    const QByteArray records = R"({"412000001": {"mmsi": "412000001"}, "412000002": {"mmsi": "412000002"},
                                   "412000003": {"mmsi": "412000003"}})";
    const Outcome r = run(u"store"_s, {u"records"_s, u"import"_s, file(u"three"_s, records)});
    EXPECT_EQ(r.exitCode, 5) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"not saved 412000002"_s)) << r.err.toStdString();
    EXPECT_EQ(run(u"store"_s, {u"records"_s}).out, QByteArray("412000001\n412000003\n"));
}

// A large import lets go of the store's lock between its turns: a saving of
// another program started while it runs waits for one turn and succeeds.
TEST_F(RecordsTransfer, ASavingDuringALargeImportSucceeds)
{
    constexpr int kShips = 4000;
    QByteArray records = "{";
    for (int i = 0; i < kShips; ++i)
        records += QStringLiteral("%1\"%2\": {\"mmsi\": \"%2\", \"shipName\": \"S %3\"}")
                       .arg(i == 0 ? u""_s : u","_s)
                       .arg(412000000 + i)
                       .arg(i)
                       .toUtf8();
    records += "}";
    const QString importFile = file(u"many"_s, records);

    QProcess importing;
    importing.start(QStringLiteral(AISSET_CLI_PATH),
                    {u"records"_s, u"import"_s, importFile, u"--store"_s, dir.filePath(u"store"_s)});
    ASSERT_TRUE(importing.waitForStarted());
    // The saving starts once the import has begun writing sections.
    const QDir sections(dir.filePath(u"store/varid"_s));
    while (importing.state() == QProcess::Running &&
           sections.entryList({u"4120*.ini"_s}, QDir::Files).size() < 10)
        importing.waitForFinished(10);
    const bool overlapped = importing.state() == QProcess::Running;
    const Outcome saving = run(u"store"_s, {u"encode"_s, u"ownship"_s}, R"({"mmsi": "413999999", "shipType": "70", "draught": "8.5"})");
    ASSERT_TRUE(importing.waitForFinished(120000));
    if (!overlapped)
        GTEST_SKIP() << "the import ended before the saving could start";
    EXPECT_EQ(saving.exitCode, 0) << saving.err.toStdString();
    EXPECT_EQ(importing.exitCode(), 0) << importing.readAllStandardError().constData();
    const QList<QByteArray> listed = run(u"store"_s, {u"records"_s}).out.split('\n');
    EXPECT_EQ(listed.size(), kShips + 2); // and the empty part after the last line end
    EXPECT_TRUE(listed.contains("413999999"));
}

} // namespace
