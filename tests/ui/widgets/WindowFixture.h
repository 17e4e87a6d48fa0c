#pragma once

#include "link/QtSerialLine.h"
#include "ui/text/Catalogue.h"
#include "startup/Startup.h"
#include "store/ProfileStore.h"
#include "ui/text/Language.h"
#include "ui/widgets/ChoiceBox.h"
#include "ui/widgets/MainWindow.h"
#include "ui/widgets/MaskedEdit.h"
#include "ui/widgets/WindowStartupPlatform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace aisset::test {

// SysDir in a folder with the runtime files deployed, as start-up leaves it.
inline QString deployedSysDir(const QString &folder)
{
    ui::WindowStartupPlatform platform(folder);
    const QString sysDir = GetSysDir(platform);
    DeployRuntimeFiles(platform, sysDir);
    return sysDir;
}

// The main window as it starts, on a clean store and a machine without serial
// ports, shown and active so that it takes the keyboard focus.
class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { text::useLanguage(*QCoreApplication::instance(), QStringLiteral("zh")); }

    void SetUp() override { startWindow(QString()); }

    // Starts the window with every port number naming portDevice (none when empty).
    void startWindow(const QString &portDevice, Edition edition = Edition::Simplified)
    {
        window = std::make_unique<ui::MainWindow>(
            store, sysDir,
            LinkSession::Options{std::make_unique<QtSerialLine>([portDevice](int) { return portDevice; }), {}},
            edition);
        window->load();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The port opens once the window has been painted.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !catalogue::text(form().connectionStatus()).isEmpty(); }));
    }

    template <typename W>
    W *find(const QString &name) const
    {
        W *w = window->findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    ui::MaskedEdit *edit(int slot) const { return find<ui::MaskedEdit>(QStringLiteral("text1_%1").arg(slot)); }
    ui::ChoiceBox *choice(int slot) const { return find<ui::ChoiceBox>(QStringLiteral("Combo1_%1").arg(slot)); }
    // Whether the named widget has been made and is shown.
    bool shown(const QString &name) const
    {
        const auto *w = window->findChild<QWidget *>(name);
        return w && w->isVisible();
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    // Shows each page in turn, the start page last: the fields of a page the
    // start did not show are made when it is first shown.
    void showEveryPage()
    {
        for (int tab = window->core().layout().pageCount() - 1; tab >= 0; --tab)
            window->core().tabClicked(pageAtTab(tab).page);
        QApplication::processEvents();
    }
    Form &form() const { return window->core().form(); }

    // Moves the focus to a field as the user does, with the Tab key's reason.
    void enter(QWidget *field) const
    {
        field->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    QTemporaryDir storeDir;
    ProfileStore store{storeDir.path()};
    QTemporaryDir sysDirFolder;
    QString sysDir = deployedSysDir(sysDirFolder.path());
    std::unique_ptr<ui::MainWindow> window;
};

} // namespace aisset::test
