// The floor under the window's start: the least a Qt Widgets window with the
// window's Chinese set-up costs. Same build, same platform plugin, Qt's Chinese
// translation loaded, one Chinese label in the same default font; it reports its
// first paint the way `aisset --measure-startup` does, and without that option
// it stays open for a look at its memory.
#include "StartupClock.h"
#include "ui/text/Language.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    StartupClock clock;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("aisset-floor"));
    aisset::text::useLanguage(app, QStringLiteral("zh"));
    QLabel label(QStringLiteral("本船资料写入"));
    if (QApplication::arguments().contains(QStringLiteral("--measure-startup")))
        clock.watch(&label);
    label.show();
    return QApplication::exec();
}
