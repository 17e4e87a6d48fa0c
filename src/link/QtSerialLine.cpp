#include "link/QtSerialLine.h"

#include "link/PortNames.h"
#include "trace/Trace.h"

#include <QStringList>
#include <QTimer>

namespace aisset {

namespace {

QSerialPort::Parity parityFromLetter(const QString &letter)
{
    const QString l = letter.trimmed().toLower();
    if (l == u"e")
        return QSerialPort::EvenParity;
    if (l == u"o")
        return QSerialPort::OddParity;
    if (l == u"m")
        return QSerialPort::MarkParity;
    if (l == u"s")
        return QSerialPort::SpaceParity;
    return QSerialPort::NoParity;
}

QSerialPort::StopBits stopBitsFromText(const QString &text)
{
    const QString t = text.trimmed();
    if (t == u"2")
        return QSerialPort::TwoStop;
    if (t == u"1.5")
        return QSerialPort::OneAndHalfStop;
    return QSerialPort::OneStop;
}

} // namespace

QtSerialLine::QtSerialLine(DeviceForPort deviceForPort, QObject *parent)
    : SerialLine(parent), deviceForPort_(deviceForPort ? std::move(deviceForPort) : DeviceForPort(portDevice))
{
    connect(&port_, &QSerialPort::readyRead, this, &SerialLine::dataReceived);
    connect(&port_, &QSerialPort::bytesWritten, this, &SerialLine::outputWritten);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLine::onError);
}

void QtSerialLine::setSettings(const QString &settings)
{
    const QStringList parts = settings.split(u',');
    if (parts.size() != 4)
        return;
    port_.setBaudRate(parts[0].trimmed().toInt());
    port_.setParity(parityFromLetter(parts[1]));
    port_.setDataBits(QSerialPort::DataBits(parts[2].trimmed().toInt()));
    port_.setStopBits(stopBitsFromText(parts[3]));
}

void QtSerialLine::setXonXoff(bool on)
{
    port_.setFlowControl(on ? QSerialPort::SoftwareControl : QSerialPort::NoFlowControl);
}

SerialLine::OpenError QtSerialLine::open()
{
    if (port_.isOpen())
        return OpenError::Other; // the port is not closed first; opening it again fails
    device_ = deviceForPort_(number_);
    if (device_.isEmpty())
        return OpenError::NoSuchPort;
    port_.setPortName(device_);
    losing_ = false;
    if (port_.open(QIODevice::ReadWrite)) {
        qCInfo(lcLink).noquote() << device_ << "opened";
        return OpenError::None;
    }
    qCInfo(lcLink).noquote() << device_ << "did not open:" << port_.errorString();
    return port_.error() == QSerialPort::DeviceNotFoundError ? OpenError::NoSuchPort : OpenError::Other;
}

void QtSerialLine::close()
{
    if (!port_.isOpen())
        return;
    port_.close();
    qCInfo(lcLink).noquote() << device_ << "closed";
}

void QtSerialLine::discardInput()
{
    if (port_.isOpen())
        port_.clear(QSerialPort::Input);
}

void QtSerialLine::discardOutput()
{
    // Only what still waits in the port's own queue, the queue pendingOutput()
    // counts. Bytes the system has taken are on their way: flushing the system's
    // queue as well would cut off a sentence on the wire (on a pseudo-terminal,
    // one the other side has not read yet).
    if (pendingOutput() > 0)
        port_.clear(QSerialPort::Output);
}

void QtSerialLine::abandon()
{
    if (!port_.isOpen())
        return;
    port_.clear(QSerialPort::AllDirections);
    close();
}

void QtSerialLine::write(const QByteArray &bytes)
{
    if (!port_.isOpen())
        return;
    qCDebug(lcLink).noquote() << device_ << "sent:" << escapedBytes(bytes);
    port_.write(bytes);
}

QByteArray QtSerialLine::readAll()
{
    if (!port_.isOpen())
        return {};
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty())
        qCDebug(lcLink).noquote() << device_ << "received:" << escapedBytes(bytes);
    return bytes;
}

void QtSerialLine::onError(QSerialPort::SerialPortError error)
{
    const bool deviceGone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!deviceGone || !port_.isOpen() || losing_)
        return;
    // The error arrives from inside the port's own notifier; close once that has
    // returned.
    losing_ = true;
    qCInfo(lcLink).noquote() << device_ << "lost:" << port_.errorString();
    QTimer::singleShot(0, this, [this] {
        close();
        emit connectionLost();
    });
}

} // namespace aisset
