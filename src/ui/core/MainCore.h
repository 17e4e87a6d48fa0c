#pragma once

#include "history/CompanySync.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryRecorder.h"
#include "link/LinkSession.h"
#include "model/Form.h"
#include "store/ProfileRecords.h"
#include "store/RecordSaver.h"
#include "store/RecordsDialog.h"
#include "ui/core/DeviceSearch.h"
#include "ui/core/StoreSettings.h"
#include "ui/core/WindowLayout.h"
#include "ui/core/WindowMenu.h"
#include "ui/core/WriteVerifier.h"
#include "validation/EntryRules.h"

#include <functional>

#include <memory>

namespace aisset {

class Host;
class ProfileStore;

// Everything the main window shows and does, without the window: the form, the
// page layout, the entry rules of the fields, the device link, the profile
// store, the menus and the records dialog, wired to each other. The Qt window binds its widgets to this and forwards
// its events; the tests drive it with a scripted host.
class MainCore {
public:
    struct Services {
        ProfileStore &store;       // the port choice and the ship records
        LinkSession::Options link; // the serial line (a real port when empty)
        QString sysDir = {};       // SysDir, where the skin files are
        Edition edition = Edition::Simplified;
        DeviceSearch::PortLister ports = {}; // the ports "查找设备" tries (listPorts() when empty)
    };

    MainCore(Host &host, Services services);

    Form &form() { return form_; }
    WindowLayout &layout() { return layout_; }
    EntryRules &rules() { return rules_; }
    LinkSession &link() { return link_; }
    ProfileStore &store() { return store_; }
    WindowMenu &menu() { return menu_; }
    RecordsDialog &recordsDialog() { return recordsDialog_; }
    WriteVerifier &verifier() { return verifier_; }
    DeviceSearch &deviceSearch() { return deviceSearch_; }
    // Every transaction of this window, beside the profile store.
    HistoryDatabase &history() { return history_; }
    // The company's shared history; null when none is configured.
    CompanySync *company() { return company_.get(); }

    // How long the installer's edition waits for the unit's answer to the
    // read-back after a write.
    static constexpr int kVerifyTimeoutMs = 3000;

    // Runs a step of the load sequence once the window has been painted.
    using AfterFirstPaint = std::function<void(std::function<void()> step)>;

    // The window's load sequence: link state reset, tabs, port opened, every
    // choice list on its start entry, the own-ship page laid out with its masks,
    // then the window shown (showWindow; without one the form is only marked
    // visible) and the focus put into the page's first field, the MMSI. With afterFirstPaint the port opens once
    // the window has been painted instead: finding the serial devices takes
    // longer than drawing the window, and the user sees the window sooner.
    void formLoad(const std::function<void()> &showWindow = {}, const AfterFirstPaint &afterFirstPaint = {});

    // Events of the window's controls.
    void tabClicked(Page page);          // Tab1_Click
    void buttonClicked(Button button);   // Command2_Click: a page's write, or the read
    void portChosen(int listPosition);   // Combo2_Click

    // The records dialog's buttons and list ("开始载入数据", double click). A
    // loaded ship's size shows at once, as after decoding.
    void loadSelectedRecord();
    void recordDoubleClicked();

    // The window closes: the port is closed and the records dialog unloaded.
    void formUnload();

private:
    void startCompanySync();
    void placeChoiceLists();
    void loadRecord(void (RecordsDialog::*load)(Form &, Host &));
    void showVerification(const WriteVerifier::Result &result);

    Host &host_;
    ProfileStore &store_;
    StoreSettings settings_;
    RecordSaver records_;
    ProfileRecords profileRecords_;
    HistoryDatabase history_; // outlives the link, which tells it its last transaction
    HistoryRecorder historyRecorder_;
    std::unique_ptr<CompanySync> company_;
    Form form_;
    WindowLayout layout_;
    LinkSession link_;
    EntryRules rules_;
    RecordsDialog recordsDialog_;
    WindowMenu menu_;
    WriteVerifier verifier_;
    DeviceSearch deviceSearch_;
};

} // namespace aisset
