#pragma once

#include "link/SerialLine.h"
#include "model/Status.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace aisset {

class Form;
class SettingStore;

// The port choice ("Com1" ... "Com16") and the opening of the port with the
// fixed line settings 38400,n,8,1 and XON/XOFF. The outcome is the connection
// status: connected, no such port, cannot open (it exists but refused: no
// permission, busy), marked as the start-up's when opened at start; and lost when
// an open port goes away. A lost port, and a port found invalid, is looked up again once a second
// and opens as soon as its device is there. A port opened by the user's choice is
// stored under VARID / CONTENT / Commport and opened again at the next start.
class PortChoice : public QObject {
    Q_OBJECT
public:
    static constexpr int kPortCount = 16;
    static constexpr int kLookupPeriodMs = 1000; // while the port is lost or invalid

    PortChoice(SerialLine &line, Form &form, SettingStore &store, QObject *parent = nullptr);

    // "Com1" ... "Com16": list position k selects port k + 1.
    static QStringList entries();
    int currentIndex() const { return current_; }

    // Keeps a port number as the one to open at the next start.
    static void storePort(SettingStore &store, const QString &port);

    // Fills the choice and opens the stored port (port 1 when none is stored).
    // Nothing is stored.
    void openAtStartup();
    // An entry of the list was chosen (by the user or by the system), the current
    // one included. While the window is hidden or disabled only the selection
    // changes.
    void select(int listPosition);
    // Closes the port and stops looking up a lost one, until the next select()
    // (the search for the unit tries the ports itself). The status stays.
    void release();

signals:
    void currentIndexChanged(int listPosition);

private:
    void setCurrent(int listPosition);
    void prepareAndOpen();
    ConnectionStatus::State outcome() const;
    void onConnectionLost();
    void lookUpLostPort();
    void lookUpWhileInvalid();

    SerialLine &line_;
    Form &form_;
    SettingStore &store_;
    int current_ = -1;
    SerialLine::OpenError opened_ = SerialLine::OpenError::None; // the last opening
    QTimer lostPortLookup_;
};

} // namespace aisset
