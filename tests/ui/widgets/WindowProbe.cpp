// The window as the program starts it, for the desktop tests: the same main
// window on the platform's real display, which also reports on standard output
// what a person reads off the window and a test cannot read from outside:
//   status: <connection> | <transaction>     on every change of the status bar
//   choice <slot>: <entry>                   on every change of a choice list
//   place <name>: <x> <y>                    the screen centre of each button and of
//                                            the console's command text, once shown
// Arguments: [--full] [--debug-window]. The port numbers come from
// AISSET_PORT_<n> as in the program.
#include "startup/Startup.h"
#include "ui/text/Catalogue.h"
#include "store/ProfileStore.h"
#include "ui/text/Language.h"
#include "ui/widgets/MainWindow.h"
#include "ui/widgets/WindowStartupPlatform.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("aisset"));
    aisset::text::useLanguage(app, QStringLiteral("zh"));
    const aisset::Edition edition = QCoreApplication::arguments().contains(QStringLiteral("--full"))
                                        ? aisset::Edition::Full
                                        : aisset::Edition::Simplified;
    aisset::ui::WindowStartupPlatform platform;
    const QString sysDir = aisset::GetSysDir(platform);
    aisset::DeployRuntimeFiles(platform, sysDir);
    aisset::ProfileStore store;
    aisset::ui::MainWindow window(store, sysDir, aisset::LinkSession::Options{}, edition);
    const aisset::Form &form = window.core().form();
    const auto report = [](const QString &line) {
        std::fputs((line + u'\n').toUtf8().constData(), stdout);
        std::fflush(stdout);
    };
    QString shown;
    QObject::connect(&form, &aisset::Form::statusChanged, &window, [&] {
        const QString now = aisset::catalogue::text(form.connectionStatus()) + QStringLiteral(" | ") + aisset::catalogue::text(form.transactionStatus());
        if (now != shown)
            report(QStringLiteral("status: ") + (shown = now));
    });
    QObject::connect(&form, &aisset::Form::choiceChanged, &window,
                     [&](int slot) { report(QStringLiteral("choice %1: %2").arg(slot).arg(form.choiceText(slot))); });
    window.load();
    if (QCoreApplication::arguments().contains(QStringLiteral("--debug-window")))
        window.findChild<QAction *>(QStringLiteral("wt2"))->trigger();
    QTimer::singleShot(500, &window, [&] {
        const auto place = [&](const QString &name, const QWidget *w) {
            const QPoint centre = w->mapToGlobal(w->rect().center());
            report(QStringLiteral("place %1: %2 %3").arg(name).arg(centre.x()).arg(centre.y()));
        };
        for (const QPushButton *button : window.findChildren<QPushButton *>())
            if (button->isVisible())
                place(button->text(), button);
        // The console is made when the debug window first shows it.
        if (const QWidget *commandText = window.findChild<QWidget *>(QStringLiteral("Text2")))
            place(QStringLiteral("command text"), commandText);
    });
    return QApplication::exec();
}
