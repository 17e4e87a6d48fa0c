// aisset-sim: a virtual unit on a pseudo-terminal, for installers without
// hardware, for training and for tests. It prints the device it serves on the
// first line of standard output; point the tool's port at that device.
#include "PacedLine.h"
#include "PositionStream.h"
#include "ProgramOptions.h"
#include "ui/text/Language.h"
#include "PseudoTerminal.h"
#include "SimulatedUnit.h"
#include "model/ChoiceTables.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSocketNotifier>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace aisset::sim;

namespace {

int stopPipe[2] = {-1, -1};

void requestStop(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop, so that the symlink is removed.
void quitOnSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, stopPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
}

void printLine(FILE *stream, const QString &text)
{
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

struct Settings {
    Faults faults;
    QString pathFile;
    QString link;
    bool quiet = false;
    int baud = 0;   // 0: bytes move at once
    int stream = 0; // position sentences a second
    bool logTimes = false;
    QString language; // --lang: empty to follow the locale
};

// A log line, with the monotonic clock in seconds in front when asked for (the
// clock a benchmark on the same machine reads).
QString logLine(const Settings &settings, const QString &text)
{
    if (!settings.logTimes)
        return text;
    const double seconds = std::chrono::duration<double>(WireClock::now().time_since_epoch()).count();
    return QString::number(seconds, 'f', 6) + u' ' + text;
}

// Parses the command line; an exit code when the program should end at once.
std::optional<int> parse(const QStringList &arguments, Settings &out)
{
    aisset::ProgramOptions options(QStringLiteral("aisset-sim"),
                                   QStringLiteral("A virtual unit on a pseudo-terminal."));
    QCommandLineParser &parser = options.parser();
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption delay(QStringLiteral("ack-delay"), QStringLiteral("Pause before every answer."),
                                   QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption zlout(QStringLiteral("zlout"), QStringLiteral("Acknowledge with $ZLOUT."));
    const QCommandLineOption chunk(QStringLiteral("chunk"), QStringLiteral("Write answers N bytes at a time (1 or 2)."),
                                   QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption pause(QStringLiteral("chunk-pause"), QStringLiteral("Pause between chunks."),
                                   QStringLiteral("ms"), QStringLiteral("10"));
    const QCommandLineOption garbage(QStringLiteral("garbage"), QStringLiteral("A line of noise before every answer."));
    const QCommandLineOption corrupt(QStringLiteral("corrupt-reply"),
                                     QStringLiteral("Answer the read request with ship type %1.").arg(aisset::kNoShipType));
    const QCommandLineOption badChecksum(
        QStringLiteral("bad-checksum"),
        QStringLiteral("Answer the read request with a digit changed after the checksum: once, or always."),
        QStringLiteral("when"));
    const QCommandLineOption hangup(QStringLiteral("hangup-after"),
                                    QStringLiteral("Hang up in the middle of the answer after N answers."),
                                    QStringLiteral("n"));
    const QCommandLineOption stale(
        QStringLiteral("stale"),
        QStringLiteral("Acknowledge writes of GROUP (ownship, system, factory) but keep the old values."),
        QStringLiteral("group"));
    const QCommandLineOption pathFile(QStringLiteral("path-file"), QStringLiteral("Write the device path to a file."),
                                      QStringLiteral("file"));
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Create a symlink to the device."),
                                  QStringLiteral("path"));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Do not log sentences on stderr."));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Pace the line: N/10 bytes a second each way (default: at once)."),
                                  QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption stream(QStringLiteral("stream"),
                                    QStringLiteral("Send N position sentences a second between the answers."),
                                    QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption logTimes(QStringLiteral("log-times"),
                                      QStringLiteral("Begin every log line with the monotonic clock in seconds."));
    parser.addOptions({silent, delay, zlout, chunk, pause, garbage, corrupt, badChecksum, hangup, pathFile, link, quiet,
                       stale, baud, stream, logTimes});
    if (const std::optional<int> done = options.parse(arguments))
        return done;
    if (!parser.positionalArguments().isEmpty())
        return options.usageError(QStringLiteral("takes no arguments besides options"));

    const auto number = [&](const QCommandLineOption &option, int &target, int low, int high) {
        bool ok = false;
        target = parser.value(option).toInt(&ok);
        return ok && target >= low && target <= high;
    };
    Faults &f = out.faults;
    f.silent = parser.isSet(silent);
    f.zlout = parser.isSet(zlout);
    f.garbage = parser.isSet(garbage);
    f.corruptReply = parser.isSet(corrupt);
    if (!number(delay, f.answerDelayMs, 0, 600000) || !number(pause, f.chunkPauseMs, 0, 10000))
        return options.usageError(QStringLiteral("--ack-delay and --chunk-pause need milliseconds"));
    if (!number(chunk, f.chunk, 0, 2))
        return options.usageError(QStringLiteral("--chunk takes 1 or 2"));
    if (parser.isSet(hangup) && !number(hangup, f.hangupAfter, 0, 1000000))
        return options.usageError(QStringLiteral("--hangup-after needs a number of answers"));
    if (parser.isSet(badChecksum)) {
        const QString when = parser.value(badChecksum);
        if (when != u"once" && when != u"always")
            return options.usageError(QStringLiteral("--bad-checksum takes once or always"));
        f.badChecksums = when == u"once" ? 1 : -1;
    }
    if (parser.isSet(stale)) {
        static const QMap<QString, QString> kAddresses{{QStringLiteral("ownship"), QStringLiteral("CVUIS")},
                                                       {QStringLiteral("system"), QStringLiteral("CVSYS")},
                                                       {QStringLiteral("factory"), QStringLiteral("CVEFS")}};
        f.staleAddress = kAddresses.value(parser.value(stale));
        if (f.staleAddress.isEmpty())
            return options.usageError(QStringLiteral("--stale takes ownship, system or factory"));
    }
    if (!number(baud, out.baud, 0, 4000000))
        return options.usageError(QStringLiteral("--baud needs bits a second"));
    if (!number(stream, out.stream, 0, 1000))
        return options.usageError(QStringLiteral("--stream needs 0-1000 sentences a second"));
    out.logTimes = parser.isSet(logTimes);
    out.pathFile = parser.value(pathFile);
    out.link = parser.value(link);
    out.quiet = parser.isSet(quiet);
    out.language = options.language();
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    Settings settings;
    if (const std::optional<int> done = parse(aisset::argumentsOf(argc, argv), settings))
        return *done;
    QCoreApplication app(argc, argv);
    aisset::text::useLanguage(app, settings.language);
    PseudoTerminal pty;
    if (const QString error = pty.open(); !error.isEmpty()) {
        printLine(stderr, error);
        return 1;
    }
    SimulatedUnit unit(settings.faults);
    PacedInput input(settings.baud);
    PacedOutput output(settings.baud);
    QObject::connect(&pty, &PseudoTerminal::received, &input, &PacedInput::take);
    QObject::connect(&input, &PacedInput::arrived, &unit, &SimulatedUnit::receive);
    QObject::connect(&unit, &SimulatedUnit::output, &output, &PacedOutput::sendAnswer);
    QObject::connect(&output, &PacedOutput::output, &pty, &PseudoTerminal::write);
    QObject::connect(&unit, &SimulatedUnit::hangUp, &output, &PacedOutput::hangUpWhenSent);
    QObject::connect(&output, &PacedOutput::hangUp, &app, [&] {
        printLine(stderr, logLine(settings, QStringLiteral("hanging up")));
        pty.hangUp();
        app.quit();
    });
    PositionStream positions(settings.stream);
    QObject::connect(&positions, &PositionStream::line, &output, &PacedOutput::sendStreamLine);
    if (!settings.quiet) {
        const auto log = [&settings](const QString &text) { printLine(stderr, logLine(settings, text)); };
        QObject::connect(&unit, &SimulatedUnit::log, &app, log);
        QObject::connect(&output, &PacedOutput::answerLineSent, &app, [log](const QByteArray &line) {
            log(QStringLiteral("sent: ") + QString::fromLatin1(line).trimmed());
        });
    }

    if (!settings.link.isEmpty()) {
        if (QFileInfo(settings.link).isSymLink())
            QFile::remove(settings.link); // an earlier run's link
        if (!QFile::link(pty.devicePath(), settings.link))
            printLine(stderr, QStringLiteral("cannot create the link %1").arg(settings.link));
    }
    if (!settings.pathFile.isEmpty()) {
        QFile file(settings.pathFile);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write((pty.devicePath() + u'\n').toLocal8Bit());
    }
    // Before the path is announced: a stop that follows at once still removes the link.
    quitOnSignals(app);
    printLine(stdout, pty.devicePath());
    if (settings.stream > 0)
        positions.start();
    const int status = app.exec();
    // A unit started later on the same path has taken the link over: it stays.
    if (!settings.link.isEmpty() && QFileInfo(settings.link).symLinkTarget() == pty.devicePath())
        QFile::remove(settings.link);
    return status;
}
