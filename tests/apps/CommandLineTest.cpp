// The command lines of the three programs: help and version without a display,
// malformed options and option values refused with exit code 2.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    int exitCode;
    QString out;
    QString err;
};

// Runs a program with no display and no platform plugin named, as in a shell
// over SSH: a program that created its window's application object would abort.
Outcome runWithoutDisplay(const QString &program, const QStringList &args, const QString &home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home);
    env.insert(QStringLiteral("AISSET_PORT_16"), home + QStringLiteral("/no-such-device"));
    env.insert(QStringLiteral("AISSET_PORT_15"), home + QStringLiteral("/tty\x1b[2J"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(20000)) << program.toStdString();
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

const QString kCli = QStringLiteral(AISSET_CLI_PATH);
const QString kSim = QStringLiteral(AISSET_SIM_PATH);
#ifdef AISSET_WINDOW_PATH
const QString kWindow = QStringLiteral(AISSET_WINDOW_PATH);
#else
const QString kWindow;
#endif

struct Case {
    const QString &program;
    QStringList args;
    int exitCode;
    QString expectedOut; // a text standard output must contain
    QString expectedErr; // a text standard error must contain
};

TEST(CommandLine, HelpVersionAndMalformedOptions)
{
    const QString version = QStringLiteral(AISSET_VERSION);
    const Case cases[] = {
        {kCli, {u"--version"_s}, 0, u"aisset-cli "_s + version, {}},
        {kCli, {u"--version"_s}, 0, u"Copyright (C) 2026 the aisset authors.\nMIT licence"_s, {}},
        {kCli, {u"--help"_s}, 0, u"Usage: aisset-cli [options] COMMAND"_s, {}},
        {kCli, {u"help"_s}, 0, u"  records [show MMSI | export | import FILE]"_s, {}},
        {kCli, {u"encode"_s, u"--help"_s}, 0, u"Usage: aisset-cli [options] encode ownship|system|factory"_s, {}},
        {kCli, {u"help"_s, u"read"_s}, 0, u"--timeout <S>"_s, {}},
        {kCli, {u"-h"_s, u"write"_s}, 0, u"--port <P>"_s, {}},
        {kCli, {}, 2, {}, u"no command given"_s},
        {kCli, {u"fly"_s}, 2, {}, u"unknown command \"fly\""_s},
        {kCli, {u"help"_s, u"fly"_s}, 2, {}, u"unknown command \"fly\""_s},
        {kCli, {u"read"_s, u"--bogus"_s}, 2, {}, u"Unknown option 'bogus'.\nTry 'aisset-cli --help'"_s},
        {kCli, {u"encode"_s, u"ownship"_s, u"--port"_s, u"3"_s}, 2, {}, u"Unknown option 'port'"_s},
        {kCli, {u"read"_s, u"--port"_s}, 2, {}, u"Missing value after '--port'"_s},
        {kCli, {u"read"_s, u"extra"_s}, 2, {}, u"Try 'aisset-cli read --help'"_s},
        {kSim, {u"--version"_s}, 0, u"aisset-sim "_s + version, {}},
        {kSim, {u"--help"_s}, 0, u"--corrupt-reply"_s, {}},
        {kSim, {u"--bogus"_s}, 2, {}, u"Unknown option 'bogus'"_s},
        {kSim, {u"--chunk"_s, u"3"_s}, 2, {}, u"--chunk takes 1 or 2"_s},
        {kWindow, {u"--version"_s}, 0, u"aisset "_s + version, {}},
        {kWindow, {u"--help"_s}, 0, u"Usage: aisset [options]"_s, {}},
        {kWindow, {u"--bogus"_s}, 2, {}, u"Unknown option 'bogus'"_s},
        {kWindow, {u"-platform"_s, u"offscreen"_s, u"--bogus"_s}, 2, {}, u"Unknown option 'bogus'"_s},
        {kWindow, {u"stray"_s}, 2, {}, u"takes no arguments"_s},
    };
    QTemporaryDir home;
    for (const Case &c : cases) {
        if (c.program.isEmpty())
            continue; // the window is not built
        const Outcome r = runWithoutDisplay(c.program, c.args, home.path());
        const std::string what = (c.program.section(u'/', -1) + u' ' + c.args.join(u' ')).toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(c.expectedOut)) << what << "\n" << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(c.expectedErr)) << what << "\n" << r.err.toStdString();
        if (c.exitCode == 0) {
            EXPECT_TRUE(r.err.isEmpty()) << what << "\n" << r.err.toStdString();
        }
    }
}

// Option values no command can use end the tool before it touches a port; good
// ones pass the checks and reach the port, which is missing here (exit code 3).
TEST(CommandLine, PortAndTimeoutValues)
{
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{u"--timeout"_s, u"nan"_s}, 2},
        {{u"--timeout"_s, u"inf"_s}, 2},
        {{u"--timeout"_s, u"1e308"_s}, 2},
        {{u"--timeout"_s, u"0"_s}, 2},
        {{u"--timeout"_s, u"-1"_s}, 2},
        {{u"--timeout"_s, u"3600.5"_s}, 2},
        {{u"--timeout"_s, u"5s"_s}, 2},
        {{u"--timeout"_s, u""_s}, 2},
        {{u"--port"_s, u"0"_s}, 2},
        {{u"--port"_s, u""_s}, 2},
        {{u"--port"_s, u" "_s}, 2},
        {{u"--port"_s, u"17"_s}, 2},
        {{u"--port"_s, u"-1"_s}, 2},
        {{u"--port"_s, u"99999999999"_s}, 2}, // all digits: a port number, never a path
        {{u"--port"_s, u"4294967297"_s}, 2},  // 2^32 + 1
        {{u"--port"_s, u"0016"_s}, 3},
        {{u"--timeout"_s, u"0.001"_s, u"--port"_s, u"15"_s}, 3}, // a device name holding an escape
        {{u"--timeout"_s, u"3600"_s, u"--port"_s, u"16"_s}, 3},
        {{u"--timeout"_s, u"0.001"_s, u"--port"_s, u"/nonexistent/tty"_s}, 3},
    };
    QTemporaryDir home;
    for (const auto &c : cases) {
        const Outcome r =
            runWithoutDisplay(kCli, QStringList{u"read"_s} << c.args << u"--store"_s << home.path(), home.path());
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(u' ').toStdString() << "\n" << r.err.toStdString();
        if (c.exitCode == 2) {
            EXPECT_TRUE(r.err.contains(c.args[0] + u" takes"_s)) << r.err.toStdString();
        }
        // Text from outside (a device name) reaches the terminal escaped.
        EXPECT_FALSE(r.err.contains(u'\x1b')) << r.err.toStdString();
        if (c.args.contains(u"15"_s)) {
            EXPECT_TRUE(r.err.contains(u"/tty\\e[2J"_s)) << r.err.toStdString();
        }
        // A device path is named as such, not as the port number it stands in for.
        if (c.args.contains(u"/nonexistent/tty"_s)) {
            EXPECT_TRUE(r.err.contains(u"/nonexistent/tty 无效"_s)) << r.err.toStdString();
            EXPECT_FALSE(r.err.contains(u"通讯口"_s)) << r.err.toStdString();
        }
    }
}

// Which code wins when several apply: a value the form cannot take (2) before a
// refused page (1), and that before a port that does not open (3).
TEST(CommandLine, ExitCodePrecedence)
{
    const QByteArray refused = R"({"mmsi":"4123"})";
    const QByteArray accepted = R"({"crewCount":"25","shipType":"70","draught":"8.5","antennaA":"100",
        "antennaB":"20","antennaC":"5","antennaD":"5","epfdType":"1","mmsi":"412345678","shipName":"A","callSign":"B"})";
    const struct {
        QByteArray form;
        int exitCode;
        const char *err;
    } cases[] = {
        {R"({"mmsi":"4123x"})", 2, "cannot hold"},
        {refused, 1, "有错误,请检查数据"},
        {accepted, 3, "无效"},
    };
    QTemporaryDir home;
    for (const auto &c : cases) {
        QProcess p;
        p.start(kCli, {u"write"_s, u"ownship"_s, u"--port"_s, home.path() + u"/no-such-device"_s,
                       u"--store"_s, home.path() + u"/store"_s});
        p.write(c.form);
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForFinished(20000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.form.constData() << "\n" << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.err))) << err.toStdString();
    }
}

} // namespace
