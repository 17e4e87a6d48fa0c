#pragma once

#include "link/SerialLine.h"

#include <QSerialPort>

#include <functional>

namespace aisset {

// The serial line on a QSerialPort. Port numbers become device names through
// the given mapping (portDevice by default); a port number without a device, or
// a device that does not exist, opens with OpenError::NoSuchPort.
// When the device goes away QSerialPort reports read or resource errors over and
// over; the line closes on the first one and reports connectionLost once.
class QtSerialLine : public SerialLine {
    Q_OBJECT
public:
    using DeviceForPort = std::function<QString(int number)>;

    explicit QtSerialLine(DeviceForPort deviceForPort = {}, QObject *parent = nullptr);

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    void setSettings(const QString &settings) override;
    void setXonXoff(bool on) override;

    OpenError open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }

    void discardInput() override;
    void discardOutput() override;
    // Drops everything not yet sent, the system's queue included, then closes: a
    // port that the other side stopped with XOFF would otherwise keep the close
    // waiting until its output had drained. For ports that are only tried.
    void abandon();
    qint64 pendingOutput() const override { return port_.isOpen() ? port_.bytesToWrite() : 0; }
    void write(const QByteArray &bytes) override;
    QByteArray readAll() override;

    // The device the line was last opened on, and why the last operation failed.
    QString deviceName() const { return device_; }
    QString errorText() const { return port_.errorString(); }

private:
    void onError(QSerialPort::SerialPortError error);

    DeviceForPort deviceForPort_;
    QSerialPort port_;
    QString device_;
    int number_ = 1;
    bool losing_ = false;
};

} // namespace aisset
