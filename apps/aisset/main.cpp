// The setting tool's window: starts once per user, then shows the main window.
#include "ProgramOptions.h"
#include "StartupClock.h"
#include "startup/SharedHeap.h"
#include "startup/Startup.h"
#include "startup/StartupMarks.h"
#include "store/ProfileStore.h"
#include "trace/TraceFile.h"
#include "ui/text/Language.h"
#include "ui/widgets/DeferredIconStyle.h"
#include "ui/widgets/FontWarmUp.h"
#include "ui/widgets/MainWindow.h"
#include "ui/widgets/WindowStartupPlatform.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

struct WindowOptions {
    bool measureStartup = false;
    QString traceFile; // --trace: empty for none
    QString language;  // --lang: empty to follow the locale
    aisset::Edition edition = aisset::Edition::Simplified;
};

// Qt's own options of a windowed program, taken by QApplication; the parser
// lets them pass without listing them in the help.
void allowQtOptions(QCommandLineParser &parser)
{
    const char16_t *const withValue[] = {
        u"platform",    u"platformpluginpath", u"platformtheme", u"plugin",  u"qmljsdebugger", u"qwindowgeometry",
        u"qwindowicon", u"qwindowtitle",       u"session",       u"display", u"geometry",      u"style",
        u"stylesheet"};
    const char16_t *const flags[] = {u"reverse", u"widgetcount", u"nograb", u"dograb", u"sync"};
    const auto add = [&](const char16_t *name, const QString &valueName) {
        QCommandLineOption option(QString::fromUtf16(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char16_t *name : withValue)
        add(name, QStringLiteral("value"));
    for (const char16_t *name : flags)
        add(name, QString());
}

// Parses the command line before the application object exists, so that --help
// and --version need no display. An exit code when the program should end.
std::optional<int> parseOptions(int argc, char **argv, WindowOptions &out)
{
    aisset::ProgramOptions options(QStringLiteral("aisset"),
                                   QStringLiteral("The window for setting the parameters of a shipborne AIS "
                                                  "collision-avoidance unit over a serial cable."));
    QCommandLineParser &parser = options.parser();
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // Qt's "-platform x"
    const QCommandLineOption measure(QStringLiteral("measure-startup"),
                                     QStringLiteral("Print the time from start to the first painted window, then "
                                                    "the time of each step of the start."));
    parser.addOption(measure);
    const QCommandLineOption full(
        QStringLiteral("full"), QStringLiteral("Start the installer's edition: read button, factory page, every menu, "
                                               "each write read back and compared."));
    parser.addOption(full);
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Append a trace for support to FILE: every byte sent and received, "
                                                  "escaped, with its time to the millisecond, and each transaction's "
                                                  "outcome."),
                                   QStringLiteral("FILE"));
    parser.addOption(trace);
    const QCommandLineOption historyDb(
        QStringLiteral("history-db"),
        QStringLiteral("The company's shared history: postgresql://[user@][host][:port][/database][?sslmode=...]; "
                       "instead of AISSET_HISTORY_DB and the setting file history-db in the data folder."),
        QStringLiteral("URL"));
    parser.addOption(historyDb);
    allowQtOptions(parser);
    if (const std::optional<int> done = options.parse(aisset::argumentsOf(argc, argv)))
        return done;
    if (!parser.positionalArguments().isEmpty())
        return options.usageError(QStringLiteral("takes no arguments besides options"));
    out.language = options.language();
    out.measureStartup = parser.isSet(measure);
    out.edition = parser.isSet(full) ? aisset::Edition::Full : aisset::Edition::Simplified;
    out.traceFile = parser.value(trace);
    if (parser.isSet(trace) && out.traceFile.isEmpty())
        return options.usageError(QStringLiteral("--trace needs a file"));
    // The core reads the company database's URL from the environment first.
    if (parser.isSet(historyDb))
        qputenv("AISSET_HISTORY_DB", parser.value(historyDb).toUtf8());
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    StartupClock clock;
    aisset::startup::shareOneHeap(); // before any thread starts
    WindowOptions options;
    if (const std::optional<int> done = parseOptions(argc, argv, options))
        return *done;
    aisset::startup::mark("options parsed");
    QApplication app(argc, argv);
    // The style Qt chose (or -style, QT_STYLE_OVERRIDE), its icons read when drawn;
    // owned by the application.
    QApplication::setStyle(new aisset::ui::DeferredIconStyle(QApplication::style()->name()));
    aisset::startup::mark("application object");
    QApplication::setApplicationName(QStringLiteral("aisset"));
    // The desktop matches the window to its menu entry (and the entry's icon) by this id.
    QGuiApplication::setDesktopFileName(options.edition == aisset::Edition::Full ? QStringLiteral("org.aisset.Aisset.Full")
                                                                                  : QStringLiteral("org.aisset.Aisset"));
    QApplication::setApplicationVersion(aisset::projectVersion()); // the history names it
    aisset::text::useLanguage(app, options.language);
    const aisset::ui::FontWarmUp fonts; // the fonts are read meanwhile
    aisset::startup::mark("translations");
    if (!options.traceFile.isEmpty()) {
        if (const QString error = aisset::TraceFile::start(options.traceFile); !error.isEmpty()) {
            std::fprintf(stderr, "aisset: --trace: %s\n", error.toLocal8Bit().constData());
            return 2;
        }
    }

    aisset::ui::WindowStartupPlatform platform;
    aisset::ProfileStore store;
    aisset::startup::mark("records store");
    std::unique_ptr<aisset::ui::MainWindow> window;
    QString sysDir;
    const bool started = aisset::Main(platform, sysDir, [&] {
        aisset::startup::mark("single instance, runtime files");
        window =
            std::make_unique<aisset::ui::MainWindow>(store, sysDir, aisset::LinkSession::Options{}, options.edition);
        if (options.measureStartup)
            clock.watch(window.get());
        window->load();
        aisset::startup::mark("start page set, window shown");
    });
    if (!started)
        return 0;
    return QApplication::exec();
}
