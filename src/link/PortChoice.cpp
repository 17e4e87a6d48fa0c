#include "link/PortChoice.h"

#include "encoding/Primitives.h"
#include "link/SerialLine.h"
#include "link/SettingStore.h"
#include "model/Form.h"
#include "model/StoreNames.h"

#include <cmath>

namespace aisset {

namespace {
const QString kApp = storeName::application.toString();
const QString kLineSettings = QStringLiteral("38400,n,8,1");
constexpr int kHighestPort = 99;
} // namespace

PortChoice::PortChoice(SerialLine &line, Form &form, SettingStore &store, QObject *parent)
    : QObject(parent), line_(line), form_(form), store_(store)
{
    connect(&line_, &SerialLine::connectionLost, this, &PortChoice::onConnectionLost);
    lostPortLookup_.setInterval(kLookupPeriodMs);
    connect(&lostPortLookup_, &QTimer::timeout, this, &PortChoice::lookUpLostPort);
}

QStringList PortChoice::entries()
{
    QStringList list;
    for (int n = 1; n <= kPortCount; ++n)
        list.append(QStringLiteral("Com%1").arg(n));
    return list;
}

void PortChoice::setCurrent(int listPosition)
{
    if (listPosition < 0 || listPosition >= kPortCount || listPosition == current_)
        return;
    current_ = listPosition;
    emit currentIndexChanged(listPosition);
}

void PortChoice::prepareAndOpen()
{
    line_.setSettings(kLineSettings);
    line_.discardInput();
    line_.setXonXoff(true);
    line_.discardOutput();
    opened_ = line_.open();
}

ConnectionStatus::State PortChoice::outcome() const
{
    switch (opened_) {
    case SerialLine::OpenError::None: return ConnectionStatus::State::Connected;
    case SerialLine::OpenError::NoSuchPort: return ConnectionStatus::State::NoSuchPort;
    case SerialLine::OpenError::Other: break;
    }
    return ConnectionStatus::State::CannotOpen;
}

void PortChoice::openAtStartup()
{
    setCurrent(0); // does nothing more: the window is not shown yet
    const QString stored =
        store_.read(kApp, storeName::bookkeeping.toString(), storeName::commPort.toString(), QStringLiteral("0"));
    QString portText;
    if (stored.isEmpty() || stored == u"0") {
        portText = QStringLiteral("1");
        line_.setPortNumber(1);
        setCurrent(0);
    } else {
        // The leading decimal value, rounded as an integer property takes it; a
        // number no port has (outside 1..99, or beyond any integer) opens none,
        // and the port reads as invalid.
        const double value = std::nearbyint(NumVal(stored));
        const int number = value >= 1 && value <= kHighestPort ? int(value) : 0;
        portText = stored;
        line_.setPortNumber(number);
        setCurrent(number - 1); // a number outside the list leaves the selection
    }
    lostPortLookup_.stop();
    prepareAndOpen();
    form_.setConnectionStatus({outcome(), portText, true});
    lookUpWhileInvalid();
}

void PortChoice::select(int listPosition)
{
    setCurrent(listPosition);
    if (!form_.isVisible() || !form_.isEnabled())
        return;
    lostPortLookup_.stop();
    line_.close();
    line_.setPortNumber(listPosition + 1);
    prepareAndOpen();
    const QString port = QString::number(line_.portNumber());
    form_.setConnectionStatus({outcome(), port});
    // A port that exists is the user's choice even when it refused to open now.
    if (opened_ != SerialLine::OpenError::NoSuchPort)
        storePort(store_, port);
    lookUpWhileInvalid();
}

// A device plugged in after the port was found missing is opened as a lost one
// that comes back.
void PortChoice::lookUpWhileInvalid()
{
    if (opened_ == SerialLine::OpenError::NoSuchPort)
        lostPortLookup_.start();
}

void PortChoice::release()
{
    lostPortLookup_.stop();
    line_.close();
}

void PortChoice::storePort(SettingStore &store, const QString &port)
{
    // Saved under the section name in capitals, as the port choice has always
    // written it; a new store file then names the section so.
    store.save(kApp, storeName::bookkeeping.toString().toUpper(), storeName::commPort.toString(), port);
}

void PortChoice::onConnectionLost()
{
    form_.setConnectionStatus({ConnectionStatus::State::Lost, QString::number(line_.portNumber())});
    lostPortLookup_.start();
}

// The port number is looked up again on every opening, so a replugged adapter
// (or a new virtual unit under the same number) is found.
void PortChoice::lookUpLostPort()
{
    prepareAndOpen();
    if (!line_.isOpen())
        return;
    lostPortLookup_.stop();
    form_.setConnectionStatus({outcome(), QString::number(line_.portNumber())});
}

} // namespace aisset
