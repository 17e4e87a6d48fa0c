// The README's table of commands against the tool's own command table, as the
// tool's help prints it: every command in both, each row's words and options
// ones the command has.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

QString help(const QStringList &args)
{
    QProcess cli;
    cli.start(QStringLiteral(AISSET_CLI_PATH), args);
    EXPECT_TRUE(cli.waitForFinished(10000));
    return QString::fromUtf8(cli.readAllStandardOutput());
}

// The command table as "--help" lists it: each command's name and usage words
// ("  records [show MMSI | export | import FILE]"), its summary on the next line.
std::map<QString, QString> commandsOfTheHelp()
{
    std::map<QString, QString> usage;
    const QString text = help({u"--help"_s});
    const QString section = text.section(u"Commands:\n"_s, 1).section(u"\n\n"_s, 0, 0);
    const QStringList lines = section.split(u'\n');
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        const QString line = lines[i].trimmed();
        usage[line.section(u' ', 0, 0)] = line.section(u' ', 1);
        EXPECT_FALSE(lines[i + 1].trimmed().isEmpty()) << line.toStdString(); // its one-line summary
    }
    return usage;
}

// The README's rows of commands: per command the first cells' texts in back
// quotes ("records export [--format json\|csv] [-o FILE]"), table escapes undone.
std::map<QString, QStringList> commandsOfTheReadme()
{
    QFile readme(QStringLiteral(AISSET_SOURCE_DIR "/README.md"));
    EXPECT_TRUE(readme.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(u'\n');
    const qsizetype header = lines.indexOf(u"| Command | What it does | Exit codes |"_s);
    EXPECT_GE(header, 0);
    std::map<QString, QStringList> rows;
    static const QRegularExpression quoted(u"`([^`]+)`"_s);
    for (qsizetype i = header + 2; i < lines.size() && lines[i].startsWith(u'|'); ++i) {
        const QString firstCell = lines[i].section(u" | "_s, 0, 0);
        for (const QRegularExpressionMatch &m : quoted.globalMatch(firstCell)) {
            const QString usage = m.captured(1).replace(u"\\|"_s, u"|"_s);
            rows[usage.section(u' ', 0, 0)] << usage;
        }
    }
    return rows;
}

QStringList wordsOf(const QString &usage)
{
    static const QRegularExpression apart(u"[][| ]+"_s);
    return usage.split(apart, Qt::SkipEmptyParts);
}

// The options a command's help lists: "--json", and "-o" beside "--output".
QStringList optionsOfTheHelp(const QString &commandHelp)
{
    static const QRegularExpression option(u"^  (?:(-[a-z]), )?(--[a-z-]+)"_s, QRegularExpression::MultilineOption);
    QStringList known;
    for (const QRegularExpressionMatch &m : option.globalMatch(commandHelp))
        known << m.captured(1) << m.captured(2);
    return known;
}

TEST(ReadmeCommands, TheReadmeTableHasEveryCommandOfTheToolAndNoOther)
{
    const std::map<QString, QString> tool = commandsOfTheHelp();
    const std::map<QString, QStringList> readme = commandsOfTheReadme();
    ASSERT_GE(tool.size(), 10u);
    std::set<QString> toolNames, readmeNames;
    for (const auto &[name, usage] : tool)
        toolNames.insert(name);
    for (const auto &[name, rows] : readme)
        readmeNames.insert(name);
    EXPECT_EQ(readmeNames, toolNames);
}

// A command's words ("show", "MMSI", "export") and each option a row names are
// the command's own: a word renamed or an option dropped in one place shows here.
TEST(ReadmeCommands, EachRowUsesTheWordsAndOptionsOfItsCommand)
{
    const std::map<QString, QStringList> readme = commandsOfTheReadme();
    static const QRegularExpression optionName(u"(?:^|[\\s\\[])(-{1,2}[a-z][a-z-]*)"_s);
    for (const auto &[name, usage] : commandsOfTheHelp()) {
        SCOPED_TRACE(name.toStdString());
        const auto rows = readme.find(name);
        if (rows == readme.end())
            continue; // told by the test above
        const QString joined = rows->second.join(u' ');
        const QStringList readmeWords = wordsOf(joined);
        for (const QString &word : wordsOf(usage))
            EXPECT_TRUE(readmeWords.contains(word)) << word.toStdString();

        const QStringList known = optionsOfTheHelp(help({name, u"--help"_s}));
        for (const QRegularExpressionMatch &m : optionName.globalMatch(joined)) {
            const QString option = m.captured(1);
            EXPECT_TRUE(known.contains(option)) << option.toStdString();
        }
    }
}

} // namespace
