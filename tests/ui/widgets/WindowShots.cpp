// Saves a picture of every page of the window in both editions, to compare the
// window before and after a change that must not alter it: simplified-page1.png
// ... simplified-page4.png, full-page1.png ... full-page5.png in the folder given
// as the first argument, and focus.txt naming the field each page put the focus
// in. The window runs on a clean store without a serial port; it is driven
// through its tab strip as a click would, so the program builds against any
// version of the core. The focus is taken away before each picture: a blinking
// caret would make two pictures of one page differ.
#include "link/QtSerialLine.h"
#include "startup/Startup.h"
#include "store/ProfileStore.h"
#include "ui/text/Language.h"
#include "ui/widgets/MainWindow.h"
#include "ui/widgets/WindowStartupPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace aisset;

bool shootEdition(Edition edition, const QString &name, const QDir &out, QTextStream &focus)
{
    QTemporaryDir dataDir, storeDir;
    ui::WindowStartupPlatform platform(dataDir.path());
    const QString sysDir = GetSysDir(platform);
    DeployRuntimeFiles(platform, sysDir);
    ProfileStore store(storeDir.path());
    ui::MainWindow window(store, sysDir,
                          LinkSession::Options{std::make_unique<QtSerialLine>([](int) { return QString(); }), {}},
                          edition);
    window.load();
    // The port's attempt to open, after the first paint, sets the status bar.
    QElapsedTimer clock;
    clock.start();
    while (window.core().form().connectionStatus().state == ConnectionStatus::State::None && !clock.hasExpired(5000))
        QApplication::processEvents(QEventLoop::AllEvents, 20);

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("Tab1"));
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        QApplication::processEvents();
        QWidget *focused = QApplication::focusWidget();
        focus << name << " page " << index + 1 << ": " << (focused ? focused->objectName() : QStringLiteral("-"))
              << '\n';
        if (focused)
            focused->clearFocus();
        QApplication::processEvents();
        const QString file = out.filePath(QStringLiteral("%1-page%2.png").arg(name).arg(index + 1));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    text::useLanguage(app, QStringLiteral("zh"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QFile focusFile(out.filePath(QStringLiteral("focus.txt")));
    if (!focusFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(focusFile.fileName()));
        return 1;
    }
    QTextStream focus(&focusFile);
    if (!shootEdition(Edition::Simplified, QStringLiteral("simplified"), out, focus) ||
        !shootEdition(Edition::Full, QStringLiteral("full"), out, focus))
        return 1;
    return 0;
}
