#pragma once

#include "link/LinkSession.h"
#include "model/Host.h"
#include "ui/core/MainCore.h"
#include "ui/widgets/Twips.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QTabWidget;

namespace aisset {
class ProfileStore;
}

namespace aisset::ui {

class ConsoleWidgets;
class FieldEntry;
class MenuActions;
class PageWidgets;
class RecordsWindow;

// The main window (main1): a thin view of the core. Its widgets show the core's
// form and layout and forward the user's input and events; every change the
// core makes shows at once through the form's and the layout's signals. It is
// also the core's host: message boxes, the event loop and the input focus.
// Besides the pages it carries the menus, the console of the debug mode and the
// records dialog.
class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    // sysDir is the folder the skins are read from (SysDir, with its separator).
    MainWindow(ProfileStore &store, const QString &sysDir, LinkSession::Options link = {},
               Edition edition = Edition::Simplified, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainCore &core() { return core_; }

    // Loads the window as the system starts: start skin, then the core's load
    // sequence, which shows the window with the focus in the MMSI field.
    void load();

    // What "调入船资料" does: opens the records dialog; tests may replace it.
    void setRecordsAction(std::function<void()> action) { openRecords_ = std::move(action); }
    // The records dialog, made when it is first wanted.
    RecordsWindow &recordsWindow();

    // Host
    using Host::askYesNo;
    using Host::showMessage;
    using Host::showWarning;
    void showMessage(const QString &text, const QString &title) override;
    void showWarning(const QString &text, const QString &title) override;
    bool askYesNo(const QString &text, const QString &title) override;
    void processEvents() override;
    void moveFocus(FieldKind kind, int slot) override;
    QString words(Message message) const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createTabs();
    void createPortChoice();
    void createStatusBar();
    void createSearchProgress();
    void createMenus();
    void bindCore();
    void applyWindowHeight();
    void applyWindowTop();
    void placeTabs();
    void makeConsole();
    int screenHeightTwips() const;
    void showStatus();
    void followEnabledState(bool enabled);
    void showBox(QMessageBox::Icon icon, const QString &text, const QString &title);

    MainCore core_;
    Twips twips_;
    QTabWidget *tabs_ = nullptr;
    QComboBox *portChoice_ = nullptr;
    QLabel *statusPanels_[2] = {};
    QLabel *statusLabels_[2] = {};
    std::unique_ptr<PageWidgets> pages_;
    std::unique_ptr<ConsoleWidgets> console_; // made when the debug window first shows it
    QWidget *consoleTabPlace_ = nullptr;      // the console's widgets follow it in the Tab chain
    std::unique_ptr<MenuActions> menus_;
    std::unique_ptr<RecordsWindow> records_;
    std::function<void()> openRecords_;
    QPointer<QWidget> focusBeforeDisable_;
    FieldEntry *expectedEntry_ = nullptr; // the field the core last sent the focus to
    bool followingCore_ = false;          // a widget is being set from the core
};

} // namespace aisset::ui
