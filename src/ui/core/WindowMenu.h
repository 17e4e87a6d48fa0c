#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

namespace aisset {

class Form;
class ProfileRecords;
class Transactions;
class WindowLayout;

// The main window's menu bar without the window: the menus "窗口调整",
// "档案调用" and "加载模板" with their entries and check marks, and what the
// entries of "窗口调整" and "加载模板" do (window modes, status labels, skins).
// The simplified edition shows only "档案调用"; its hidden entries still exist
// and can be triggered. The installer's edition shows all three.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int kSkinCount = 13;
    // Every entry, in menu order; the skin entries s1(0 ... 12) are SkinFirst + index.
    enum Item : int {
        StandardWindow, // wt1 "标准窗口"
        DebugWindow,    // wt2 "调试窗口"
        ShowParameters, // t3d "显示参数"
        NoRepeat,       // jid "不循环设置"
        FindDevice,     // finddev "查找设备": the search for the unit (DeviceSearch)
        TraceLine,      // trace "通讯记录": the trace for support (TraceFile), checked while it runs
        LoadShip,       // t1 "调入船资料": the window opens the records dialog
        NoSkin,         // s2 "不加载"
        SkinFirst,      // s1(0) ...
        kItemCount = SkinFirst + kSkinCount,
    };

    // The top menus in menu-bar order.
    enum Menu : int { Tools = 0, Records = 1, Skins = 2 };

    struct TopMenu {
        QString name;
        QString caption;
        bool shown;
    };
    struct Entry {
        QString name; // "wt1", ..., "s1_0" ... "s1_12"
        QString caption;
        int menu;       // index into topMenus()
        bool checkable; // carries a check mark (every entry but t1)
    };
    static const std::array<TopMenu, 3> &topMenus();
    static const Entry &entry(int item);

    // Whether a top menu is on the menu bar: "档案调用" always, the other two in
    // the installer's edition (the edition of the window layout).
    bool isMenuShown(int menu) const;
    // Whether an entry can be chosen. In the installer's edition a skin entry
    // whose file is not in the skin folder cannot; in the simplified edition the
    // hidden entries stay as they are.
    bool isEnabled(int item) const;

    // skinDir is the folder the skin files are looked up in (SysDir).
    WindowMenu(Form &form, WindowLayout &layout, Transactions &transactions, ProfileRecords &records, QString skinDir,
               QObject *parent = nullptr);

    // The check mark of an entry. "不循环设置" shows the writes' no-repeat
    // option itself, so the menu and the writes cannot disagree.
    bool isChecked(int item) const;
    void setNoRepeat(bool on);

    // Runs an entry's action. Entries without one (jid, t1 here) change nothing.
    void trigger(int item);
    // The trace's file when started from the menu: trace-<date>-<time>.txt in
    // the data folder (the skin folder).
    QString newTracePath() const;

    // The window modes centre the window vertically on a screen this high (twips).
    void setScreenHeight(std::function<int()> twips) { screenHeight_ = std::move(twips); }

    // The skin the window starts with.
    QString startSkin() const;

signals:
    void checkedChanged(int item);
    // The main window is to load and apply this skin file; an empty path takes
    // the skin off.
    void skinChosen(const QString &path);
    // "查找设备" was chosen.
    void findDeviceRequested();
    // The trace was stopped (its file), or could not be started (the reason).
    void traceStopped(const QString &path);
    void traceFailed(const QString &reason);

private:
    void standardWindow();
    void debugWindow();
    void showParameters();
    void chooseSkin(int index);
    void chooseNoSkin();
    void toggleTrace();
    void setChecked(int item, bool on);
    void uncheckSkins();
    void centreVertically();

    Form &form_;
    WindowLayout &layout_;
    Transactions &transactions_;
    ProfileRecords &records_;
    QString skinDir_;
    std::array<bool, kItemCount> checked_{};
    std::function<int()> screenHeight_;
};

} // namespace aisset
