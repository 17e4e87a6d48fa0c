// The bash completion of aisset-cli, run in bash against the built tool: it
// reads the commands, words and options from the tool's help.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        env.insert(u"XDG_CONFIG_HOME"_qs, configHome);
        bash.setProcessEnvironment(env);
    }
    bash.start(QStringLiteral("bash"), {u"-c"_qs, script, u"bash"_qs, QStringLiteral(AISSET_COMPLETION_PATH),
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
        {u"en"_qs, {u"encode"_qs}},
        {u"re"_qs, {u"read"_qs, u"records"_qs, u"report"_qs}},
        {u"--store /tmp re"_qs, {u"read"_qs, u"records"_qs, u"report"_qs}}, // an option's value is not the command
        {u"history "_qs, {u"sync"_qs}},
        {u"history --h"_qs, {u"--help"_qs, u"--history-db"_qs}},
        {u"encode "_qs, {u"factory"_qs, u"ownship"_qs, u"system"_qs}},
        {u"records "_qs, {u"export"_qs, u"import"_qs, u"show"_qs}},
        {u"records export --format "_qs, {u"csv"_qs, u"json"_qs}},
        {u"records show "_qs, {}}, // an MMSI
        {u"help wr"_qs, {u"write"_qs}},
        {u"read --t"_qs, {u"--timeout"_qs, u"--trace"_qs}},
        {u"report 412345678 --i"_qs, {u"--installer"_qs}},
        {u"--port 3 read --j"_qs, {u"--json"_qs}},
        {u"encode --p"_qs, {}}, // encode takes no port
        {u"read --port 1"_qs, {u"1"_qs, u"10"_qs, u"11"_qs, u"12"_qs, u"13"_qs, u"14"_qs, u"15"_qs, u"16"_qs}},
        {u"read --timeout "_qs, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(complete(c.line), c.expected) << c.line.toStdString();
}

// --port offers the adapters' stable names from the by-id folder, which the
// port mapping file may name (as here, a folder standing in for /dev/serial/by-id).
TEST(Completion, PortOffersTheStableNamesOfTheAdapters)
{
    QTemporaryDir home;
    const QString byId = home.filePath(u"by-id"_qs);
    ASSERT_TRUE(QDir().mkpath(byId));
    ASSERT_TRUE(QDir().mkpath(home.filePath(u"aisset"_qs)));
    for (const char16_t *name : {u"usb-FTDI_FT232R_USB_UART_A1-if00-port0", u"usb-1a86_USB_Serial-if00-port0"})
        ASSERT_TRUE(QFile::link(u"/dev/null"_qs, byId + u'/' + QString::fromUtf16(name)));
    QFile conf(home.filePath(u"aisset/ports.conf"_qs));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("# where the adapters' links are\nBy-Id = " + byId.toUtf8() + "  \n");
    conf.close();

    EXPECT_EQ(complete(u"read --port "_qs + byId + u"/usb-F"_qs, home.path()),
              QStringList{byId + u"/usb-FTDI_FT232R_USB_UART_A1-if00-port0"_qs});
    EXPECT_EQ(complete(u"read --port "_qs + home.path(), home.path()).size(), 2);
}

} // namespace
