// Saves pictures of the main window for the documentation, in the folder given
// as the first argument (the current folder without one): page1.png ...
// page4.png, records-dialog.png and debug-mode.png. The window runs against the
// virtual unit; page 1 shows an example ship, typed in and tidied as the user's
// input is, and the debug mode shows it written to the unit and read back.
#include "encoding/Builders.h"
#include "ui/text/Catalogue.h"
#include "link/QtSerialLine.h"
#include "model/FieldInput.h"
#include "model/Normalise.h"
#include "startup/Startup.h"
#include "store/ProfileStore.h"
#include "store/RecordSaver.h"
#include "ui/text/Language.h"
#include "ui/widgets/MainWindow.h"
#include "ui/widgets/RecordsWindow.h"
#include "ui/widgets/WindowStartupPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace aisset;

void typeShip(MainCore &core, const std::vector<std::pair<int, QString>> &typed, const QString &shipType)
{
    for (const auto &[s, keys] : typed) {
        core.rules().text1_GotFocus(s);
        for (QChar c : keys)
            core.form().typeIntoEdit(s, c);
        core.rules().text1_LostFocus(s);
    }
    (void)selectChoiceValue(core.form(), slot::shipType, shipType);
}

void typeExampleShip(MainCore &core)
{
    typeShip(core,
             {{slot::mmsi, QStringLiteral("412345678")},
              {slot::shipName, QStringLiteral("hai xing 8")},
              {slot::callSign, QStringLiteral("bz4ab")},
              {slot::imoNumber, QStringLiteral("009123456")},
              {slot::draught, QStringLiteral("085")},
              {slot::crewCount, QStringLiteral("18")},
              {slot::antennaA, QStringLiteral("100")},
              {slot::antennaB, QStringLiteral("20")},
              {slot::antennaC, QStringLiteral("5")},
              {slot::antennaD, QStringLiteral("7")}},
             QStringLiteral("32"));
}

// Two earlier ships in the store, as their writes filed them.
void saveEarlierShips(ProfileStore &store)
{
    const std::pair<const char16_t *, const char16_t *> ships[] = {{u"413256780", u"30"}, {u"412987650", u"52"}};
    for (const auto &[mmsi, type] : ships) {
        Form form;
        applyStartState(form);
        (void)enterValue(form, slot::mmsi, QString::fromUtf16(mmsi));
        (void)selectChoiceValue(form, slot::shipType, QString::fromUtf16(type));
        (void)RecordSaver(store).saveOwnShipRecord(form); // the picture shows the ships listed
    }
}

bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && !clock.hasExpired(5000))
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

bool save(const QPixmap &picture, const QDir &out, const QString &name)
{
    const QString file = out.filePath(name);
    if (!picture.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// The dialog drawn over the main window where it opens, an entry selected.
QPixmap recordsDialogPicture(ui::MainWindow &window)
{
    QPixmap picture;
    QTimer::singleShot(200, &window, [&] {
        auto *dialog = qobject_cast<ui::RecordsWindow *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *list = dialog->findChild<QListView *>(QStringLiteral("List1"));
        list->setCurrentIndex(list->model()->index(1, 0));
        picture = window.grab();
        QPainter painter(&picture);
        painter.drawPixmap(dialog->geometry().topLeft() - window.geometry().topLeft(), dialog->grab());
        painter.end();
        dialog->close();
    });
    window.findChild<QAction *>(QStringLiteral("t1"))->trigger();
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The pictures of a translation are named after its language ("en-page1.png").
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("zh");
    if (!text::useLanguage(app, language)) {
        std::fprintf(stderr, "no translation for %s\n", qPrintable(language));
        return 2;
    }
    const QString prefix = language == QStringLiteral("zh") ? QString() : language + u'-';
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    QProcess unit;
    unit.start(QStringLiteral(AISSET_SIM_PATH), {QStringLiteral("--quiet")});
    if (!unit.waitForReadyRead(5000)) {
        std::fprintf(stderr, "the virtual unit did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(unit.readLine()).trimmed();

    QTemporaryDir dataDir, storeDir;
    ui::WindowStartupPlatform platform(dataDir.path());
    const QString sysDir = GetSysDir(platform);
    DeployRuntimeFiles(platform, sysDir);
    ProfileStore store(storeDir.path());
    saveEarlierShips(store);
    ui::MainWindow window(store, sysDir, {std::make_unique<QtSerialLine>([device](int) { return device; }), {}});
    window.load();
    MainCore &core = window.core();
    typeExampleShip(core);

    for (int tab = 0; tab < core.layout().pageCount(); ++tab) {
        core.tabClicked(pageAtTab(tab).page);
        QApplication::processEvents();
        if (!save(window.grab(), out, prefix + QStringLiteral("page%1.png").arg(tab + 1)))
            return 1;
    }
    core.tabClicked(Page::OwnShip);
    if (!save(recordsDialogPicture(window), out, prefix + QStringLiteral("records-dialog.png")))
        return 1;

    // The example ship goes to the unit through the console, then is read back.
    const BuildResult built = buildSentence(Group::OwnShip, core.form(), window, nullptr);
    core.form().setReplyLog(built.sentence);
    core.link().console().sendData();
    if (!waitFor([&] { return core.form().receiveLog().startsWith(QStringLiteral("!CVACK")); })) {
        std::fprintf(stderr, "the virtual unit did not acknowledge the example ship\n");
        return 1;
    }
    core.buttonClicked(Button::Read);
    if (!waitFor([&] { return core.form().transactionStatus().kind == TransactionStatus::Kind::ReadSucceeded; })) {
        std::fprintf(stderr, "no reply from the virtual unit\n");
        return 1;
    }
    window.findChild<QAction *>(QStringLiteral("wt2"))->trigger();
    window.findChild<QListWidget *>(QStringLiteral("List3"))->setCurrentRow(0);
    QApplication::processEvents();
    if (!save(window.grab(), out, prefix + QStringLiteral("debug-mode.png")))
        return 1;
    unit.terminate();
    unit.waitForFinished(2000);
    return 0;
}
