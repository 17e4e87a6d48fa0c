// The floor under the window's start: the least a Qt Widgets window with the
// window's set-up costs. Same build, same platform plugin, Qt's translation of
// the display language loaded, one label in that language in the same default
// font; it reports its first paint the way `aisset --measure-startup` does, and
// without that option it stays open for a look at its memory.
// Usage: startup_floor [--measure-startup] [--lang zh|en]
#include "StartupClock.h"
#include "startup/StartupMarks.h"
#include "ui/text/Language.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    StartupClock clock;
    QApplication app(argc, argv);
    aisset::startup::mark("application object");
    QApplication::setApplicationName(QStringLiteral("aisset-floor"));
    const QStringList arguments = QApplication::arguments();
    const qsizetype lang = arguments.indexOf(QStringLiteral("--lang"));
    const QString language = lang >= 0 && lang + 1 < arguments.size() ? arguments.at(lang + 1) : QStringLiteral("zh");
    aisset::text::useLanguage(app, language);
    aisset::startup::mark("translations");
    // The caption of the window's first write button, in the display language.
    QLabel label(language == QStringLiteral("en") ? QStringLiteral("Write own-ship data")
                                                  : QStringLiteral("本船资料写入"));
    aisset::startup::mark("label");
    if (arguments.contains(QStringLiteral("--measure-startup")))
        clock.watch(&label);
    label.show();
    return QApplication::exec();
}
