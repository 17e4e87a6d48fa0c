// Saves a picture of each of the main window's four pages: page1.png ... page4.png
// in the folder given as the first argument (the current folder without one).
// Page 1 shows an example ship, typed in and tidied as the user's input is.
#include "ChineseLocale.h"
#include "FieldInput.h"
#include "MainWindow.h"
#include "ProfileStore.h"
#include "QtSerialLine.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void typeExampleShip(aisset::MainCore &core)
{
    using namespace aisset;
    const std::pair<int, const char16_t *> typed[] = {
        {slot::mmsi, u"412345678"}, {slot::shipName, u"hai xing 8"}, {slot::callSign, u"bz4ab"},
        {slot::imoNumber, u"9123456"}, {slot::draught, u"085"}, {slot::crewCount, u"18"},
        {slot::antennaA, u"100"}, {slot::antennaB, u"20"}, {slot::antennaC, u"5"}, {slot::antennaD, u"7"}};
    for (const auto &[s, keys] : typed) {
        core.rules().text1_GotFocus(s);
        for (QChar c : QString::fromUtf16(keys))
            core.form().typeIntoEdit(s, c);
        core.rules().text1_LostFocus(s);
    }
    (void)selectChoiceValue(core.form(), slot::shipType, QStringLiteral("70"));
}

} // namespace

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
    typeExampleShip(window.core());
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
