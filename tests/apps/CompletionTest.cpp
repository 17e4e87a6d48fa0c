// The bash completion of aisset-cli, run in bash against the built tool: it
// reads the commands, words and options from the tool's help.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The completions bash offers for a command line whose last word is being typed.
QStringList complete(const QString &line, const QString &configHome = {})
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
                                        QStringLiteral(AISSET_CLI_PATH) + u' ' + line});
    EXPECT_TRUE(bash.waitForFinished(10000));
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().constData();
    QStringList words = QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    words.sort();
    return words;
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
