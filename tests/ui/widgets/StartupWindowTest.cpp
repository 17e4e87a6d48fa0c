// Start-up with the window's platform: the progress window, the skin written
// into SysDir, and the main window taking its start skin from there.
#include "link/QtSerialLine.h"
#include "startup/Startup.h"
#include "store/ProfileStore.h"
#include "ui/widgets/MainWindow.h"
#include "ui/widgets/WindowStartupPlatform.h"

#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

QProgressBar *progressWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *bar = qobject_cast<QProgressBar *>(w); bar && bar->isVisible())
            return bar;
    return nullptr;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(WindowStartup, TheProgressWindowShowsTheBarWhileTheFilesAreDeployed)
{
    QTemporaryDir dir;
    ui::WindowStartupPlatform platform(dir.path());
    platform.showProgress(0, 24);
    QProgressBar *bar = progressWindow();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->windowTitle(), u"Form3"_s);
    EXPECT_EQ(bar->objectName(), u"Bar1"_s);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 24);
    const ui::Twips twips = ui::Twips::forScreen();
    EXPECT_EQ(bar->size(), QSize(twips.px(3750), twips.px(375)));
    EXPECT_LE((bar->geometry().center() - bar->screen()->availableGeometry().center()).manhattanLength(), 2);
    platform.setProgress(7);
    EXPECT_EQ(bar->value(), 7);
    platform.closeProgress();
    EXPECT_EQ(progressWindow(), nullptr);
}

TEST(WindowStartup, TheSkinIsWrittenOnceAndTheWindowStartsWithTheOneInSysDir)
{
    QTemporaryDir dir;
    ui::WindowStartupPlatform platform(dir.path());
    const QString sysDir = GetSysDir(platform);
    DeployRuntimeFiles(platform, sysDir);
    const QString skin = sysDir + u"green.skn"_s;
    ASSERT_EQ(readFile(skin), readFile(u":/green.skn"_s));
    ASSERT_FALSE(readFile(skin).isEmpty());

    // An edited skin stays: the next start writes nothing over it, and the
    // window wears it (its path is SysDir + "\green.skn").
    const QByteArray edited = "QMainWindow { background-color: #dde8f4; }\n";
    QFile file(skin);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(edited);
    file.close();
    DeployRuntimeFiles(platform, sysDir);
    EXPECT_EQ(readFile(skin), edited);

    QTemporaryDir storeDir;
    ProfileStore store(storeDir.path());
    ui::MainWindow window(store, sysDir, {std::make_unique<QtSerialLine>([](int) { return QString(); }), {}});
    window.load();
    EXPECT_EQ(window.styleSheet(), QString::fromUtf8(edited));
}

} // namespace
