#pragma once

#include "Host.h"
#include "LinkSession.h"
#include "MainCore.h"
#include "Twips.h"

#include <QMainWindow>
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

class PageWidgets;

// The main window (main1): a thin view of the core. Its widgets show the core's
// form and layout and forward the user's input and events; every change the
// core makes shows at once through the form's and the layout's signals. It is
// also the core's host: message boxes, the event loop and the input focus.
class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    explicit MainWindow(ProfileStore &store, LinkSession::Options link = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainCore &core() { return core_; }

    // Loads the window as the system starts: start skin, then the core's load
    // sequence, which shows the window with the focus in the MMSI field.
    void load();

    // What "调入船资料" opens (the records dialog).
    void setRecordsAction(std::function<void()> action) { openRecords_ = std::move(action); }

    // Host
    using Host::askYesNo;
    using Host::showMessage;
    void showMessage(const QString &text, const QString &title) override;
    bool askYesNo(const QString &text, const QString &title) override;
    void processEvents() override;
    void moveFocus(FieldKind kind, int slot) override;

private:
    void createTabs(QWidget *area);
    void createPortChoice();
    void createStatusBar();
    void createMenus();
    void bindCore();
    void applyWindowHeight();
    void showStatus();
    void followEnabledState(bool enabled);

    MainCore core_;
    Twips twips_;
    QTabWidget *tabs_ = nullptr;
    QComboBox *portChoice_ = nullptr;
    QLabel *statusPanels_[2] = {};
    QLabel *statusLabels_[2] = {};
    std::unique_ptr<PageWidgets> pages_;
    std::function<void()> openRecords_;
    QPointer<QWidget> focusBeforeDisable_;
    bool followingCore_ = false; // a widget is being set from the core
};

} // namespace aisset::ui
