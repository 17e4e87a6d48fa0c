#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace aisset {

// The serial port the unit is reached through. The operations mirror what the
// link needs from a port component: choose a port number, set the line, open and
// close it, discard buffered input and output, watch the transmit queue, queue
// bytes and take what has arrived. Every operation on a closed line does nothing
// (reads give nothing), so callers need no error handling of their own.
// A received-data notification is raised for every chunk that arrives, however
// small: there is no receive threshold to set.
class SerialLine : public QObject {
    Q_OBJECT
public:
    enum class OpenError { None, NoSuchPort, Other };

    using QObject::QObject;

    // Selects the port (1-16 in the port choice) used by the next open().
    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    // Line settings in the form "38400,n,8,1"; applied when the line opens.
    virtual void setSettings(const QString &settings) = 0;
    // XON/XOFF software flow control.
    virtual void setXonXoff(bool on) = 0;

    virtual OpenError open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void discardInput() = 0;
    virtual void discardOutput() = 0;
    // Bytes queued for transmission that have not been handed to the system yet.
    virtual qint64 pendingOutput() const = 0;
    // Queues bytes for transmission, unchanged.
    virtual void write(const QByteArray &bytes) = 0;
    // Every received byte not taken yet; empty when there is none.
    virtual QByteArray readAll() = 0;

signals:
    void dataReceived();
    // Part of the queued output has been handed to the system.
    void outputWritten();
    // The device went away (unplugged adapter, closed pseudo-terminal); the line
    // has closed itself.
    void connectionLost();
};

} // namespace aisset
