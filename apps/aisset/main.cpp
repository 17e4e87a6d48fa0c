// The setting tool's window: starts once per user, then shows the main window.
#include "ChineseLocale.h"
#include "MainWindow.h"
#include "ProfileStore.h"
#include "Startup.h"
#include "StartupClock.h"
#include "WindowStartupPlatform.h"

#include <QApplication>

#include <memory>

int main(int argc, char **argv)
{
    StartupClock clock;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("aisset"));
    aisset::ui::useChineseLocale(app);
    const bool measureStartup = QApplication::arguments().contains(QStringLiteral("--measure-startup"));
    const aisset::Edition edition = QApplication::arguments().contains(QStringLiteral("--full"))
                                        ? aisset::Edition::Full
                                        : aisset::Edition::Simplified;

    aisset::ui::WindowStartupPlatform platform;
    aisset::ProfileStore store;
    std::unique_ptr<aisset::ui::MainWindow> window;
    QString sysDir;
    const bool started = aisset::Main(platform, sysDir, [&] {
        window = std::make_unique<aisset::ui::MainWindow>(store, sysDir, aisset::LinkSession::Options{}, edition);
        if (measureStartup)
            clock.watch(window.get());
        window->load();
    });
    if (!started)
        return 0;
    return QApplication::exec();
}
