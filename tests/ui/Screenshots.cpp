// Saves a picture of each of the main window's four pages: page1.png ... page4.png
// in the folder given as the first argument (the current folder without one).
#include "ChineseLocale.h"
#include "MainWindow.h"
#include "ProfileStore.h"
#include "QtSerialLine.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    aisset::ui::useChineseLocale(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QTemporaryDir storeDir;
    aisset::ProfileStore store(storeDir.path());
    // No serial port is touched: the port choice finds none.
    aisset::ui::MainWindow window(
        store, {std::make_unique<aisset::QtSerialLine>([](int) { return QString(); }), {}});
    window.load();
    for (int page = 1; page <= 4; ++page) {
        window.core().tabClicked(page);
        QApplication::processEvents();
        const QString file = out.filePath(QStringLiteral("page%1.png").arg(page));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
