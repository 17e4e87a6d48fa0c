#include "PortChoice.h"

#include "Form.h"
#include "Primitives.h"
#include "SerialLine.h"
#include "SettingStore.h"

#include <cmath>

namespace aisset {

namespace {
const QString kApp = QStringLiteral("VARID");
const QString kLineSettings = QStringLiteral("38400,n,8,1");
constexpr int kHighestPort = 99;

QString status(const QString &port, const QString &separator, const QString &outcome)
{
    return QStringLiteral("通讯口") + port + separator + outcome;
}
} // namespace

PortChoice::PortChoice(SerialLine &line, Form &form, SettingStore &store, QObject *parent)
    : QObject(parent), line_(line), form_(form), store_(store)
{
    connect(&line_, &SerialLine::connectionLost, this, &PortChoice::onConnectionLost);
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
    invalid_ = line_.open() == SerialLine::OpenError::NoSuchPort;
}

void PortChoice::openAtStartup()
{
    setCurrent(0); // does nothing more: the window is not shown yet
    const QString stored = store_.read(kApp, QStringLiteral("content"), QStringLiteral("commport"), QStringLiteral("0"));
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
    prepareAndOpen();
    form_.setConnectionStatus(status(portText, QStringLiteral("  "), invalid_ ? u"无效"_qs : u"连接"_qs));
}

void PortChoice::select(int listPosition)
{
    setCurrent(listPosition);
    if (!form_.isVisible() || !form_.isEnabled())
        return;
    line_.close();
    line_.setPortNumber(listPosition + 1);
    prepareAndOpen();
    const QString port = QString::number(line_.portNumber());
    if (invalid_) {
        form_.setConnectionStatus(status(port, QStringLiteral(" "), u"无效"_qs));
        return;
    }
    // Any other failure still counts as connected, and the choice is kept.
    form_.setConnectionStatus(status(port, QStringLiteral(" "), u"连接"_qs));
    store_.save(kApp, QStringLiteral("CONTENT"), QStringLiteral("Commport"), port);
}

void PortChoice::onConnectionLost()
{
    form_.setConnectionStatus(status(QString::number(line_.portNumber()), QStringLiteral(" "), u"断开"_qs));
}

} // namespace aisset
