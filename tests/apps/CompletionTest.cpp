// The bash completion of aisset-cli, run in bash against the built tool: it
// reads the commands, words and options from the tool's help.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The completions bash offers for a command line of the tool cli whose last
// word is being typed.
QStringList completeFor(const QString &cli, const QString &line, const QString &configHome = {})
{
    const QString script = QStringLiteral(R"(source "$1"
IFS=' ' read -r -a COMP_WORDS <<<"$2"
[[ $2 == *' ' ]] && COMP_WORDS+=("")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_aisset_cli
printf '%s\n' "${COMPREPLY[@]}")");
    QProcess bash;
    if (!configHome.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, configHome);
        bash.setProcessEnvironment(env);
    }
    bash.start(QStringLiteral("bash"), {u"-c"_s, script, u"bash"_s, QStringLiteral(AISSET_COMPLETION_PATH),
                                        cli + u' ' + line});
    EXPECT_TRUE(bash.waitForFinished(10000));
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().constData();
    QStringList words = QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    words.sort();
    return words;
}

QStringList complete(const QString &line, const QString &configHome = {})
{
    return completeFor(QStringLiteral(AISSET_CLI_PATH), line, configHome);
}

TEST(Completion, CommandsWordsAndOptionsComeFromTheToolsHelp)
{
    const struct {
        QString line;
        QStringList expected; // sorted
    } cases[] = {
        {u"en"_s, {u"encode"_s}},
        {u"re"_s, {u"read"_s, u"records"_s, u"report"_s}},
        {u"--store /tmp re"_s, {u"read"_s, u"records"_s, u"report"_s}}, // an option's value is not the command
        {u"history "_s, {u"sync"_s}},
        {u"history --h"_s, {u"--help"_s, u"--history-db"_s}},
        {u"encode "_s, {u"factory"_s, u"ownship"_s, u"system"_s}},
        {u"records "_s, {u"export"_s, u"import"_s, u"show"_s}},
        {u"records export --format "_s, {u"csv"_s, u"json"_s}},
        {u"records show "_s, {}}, // an MMSI
        {u"help wr"_s, {u"write"_s}},
        {u"read --t"_s, {u"--timeout"_s, u"--trace"_s}},
        {u"report 412345678 --i"_s, {u"--installer"_s}},
        {u"--port 3 read --j"_s, {u"--json"_s}},
        {u"encode --p"_s, {}}, // encode takes no port
        {u"read --port 1"_s, {u"1"_s, u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s, u"16"_s}},
        {u"read --timeout "_s, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(complete(c.line), c.expected) << c.line.toStdString();
}

// Every command of the tool's table is offered whole once typed, and a name
// with a hyphen (from a stand-in tool's help) is not cut at the hyphen.
TEST(Completion, EveryCommandNameIsOfferedWhole)
{
    QProcess cli;
    cli.start(QStringLiteral(AISSET_CLI_PATH), {u"--help"_s});
    ASSERT_TRUE(cli.waitForFinished(10000));
    const QString commands = QString::fromUtf8(cli.readAllStandardOutput()).section(u"Commands:\n"_s, 1);
    static const QRegularExpression name(u"^  ([a-z][a-z-]*)"_s, QRegularExpression::MultilineOption);
    int names = 0;
    for (const QRegularExpressionMatch &m : name.globalMatch(commands.section(u"\n\n"_s, 0, 0))) {
        EXPECT_TRUE(complete(m.captured(1)).contains(m.captured(1))) << m.captured(1).toStdString();
        ++names;
    }
    EXPECT_GE(names, 10);

    QTemporaryDir dir;
    const QString tool = dir.filePath(u"tool"_s);
    QFile script(tool);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf 'Usage: tool [options] COMMAND\\n\\nCommands:\\n  records-merge FILE\\n"
                 "      Merge.\\n  read\\n      Read.\\n\\n'\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(completeFor(tool, u"rec"_s), QStringList{u"records-merge"_s});
    EXPECT_EQ(completeFor(tool, u"r"_s), (QStringList{u"read"_s, u"records-merge"_s}));
}

// --port offers the adapters' stable names from the by-id folder, which the
// port mapping file may name (as here, a folder standing in for /dev/serial/by-id).
TEST(Completion, PortOffersTheStableNamesOfTheAdapters)
{
    QTemporaryDir home;
    const QString byId = home.filePath(u"by-id"_s);
    ASSERT_TRUE(QDir().mkpath(byId));
    ASSERT_TRUE(QDir().mkpath(home.filePath(u"aisset"_s)));
    for (const char16_t *name : {u"usb-FTDI_FT232R_USB_UART_A1-if00-port0", u"usb-1a86_USB_Serial-if00-port0"})
        ASSERT_TRUE(QFile::link(u"/dev/null"_s, byId + u'/' + QString::fromUtf16(name)));
    QFile conf(home.filePath(u"aisset/ports.conf"_s));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("# where the adapters' links are\nBy-Id = " + byId.toUtf8() + "  \n");
    conf.close();

    EXPECT_EQ(complete(u"read --port "_s + byId + u"/usb-F"_s, home.path()),
              QStringList{byId + u"/usb-FTDI_FT232R_USB_UART_A1-if00-port0"_s});
    EXPECT_EQ(complete(u"read --port "_s + home.path(), home.path()).size(), 2);
}

} // namespace
