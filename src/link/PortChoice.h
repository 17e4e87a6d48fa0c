#pragma once

#include <QObject>
#include <QStringList>

namespace aisset {

class Form;
class SerialLine;
class SettingStore;

// The port choice ("Com1" ... "Com16") and the opening of the port with the
// fixed line settings 38400,n,8,1 and XON/XOFF. The outcome is shown as the
// connection status: "通讯口<n> 连接", or " 无效" when the port does not exist
// (two blanks instead of one at start-up), and "通讯口<n> 断开" when an open port
// goes away. A port opened by the user's choice is stored under
// VARID / CONTENT / Commport and opened again at the next start.
class PortChoice : public QObject {
    Q_OBJECT
public:
    static constexpr int kPortCount = 16;

    PortChoice(SerialLine &line, Form &form, SettingStore &store, QObject *parent = nullptr);

    // "Com1" ... "Com16": list position k selects port k + 1.
    static QStringList entries();
    int currentIndex() const { return current_; }

    // Fills the choice and opens the stored port (port 1 when none is stored).
    // Nothing is stored.
    void openAtStartup();
    // The selection of the list changed (by the user or by the system). While the
    // window is hidden or disabled only the selection changes.
    void select(int listPosition);

signals:
    void currentIndexChanged(int listPosition);

private:
    void setCurrent(int listPosition);
    void prepareAndOpen();
    void onConnectionLost();

    SerialLine &line_;
    Form &form_;
    SettingStore &store_;
    int current_ = -1;
    bool invalid_ = false; // the last opening found no such port
};

} // namespace aisset
