#include "PositionStream.h"

#include "encoding/Primitives.h"

namespace aisset::sim {

PositionStream::PositionStream(int linesPerSecond, QObject *parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(linesPerSecond > 0 ? 1000 / linesPerSecond : 0);
    connect(&timer_, &QTimer::timeout, this, [this] { emit line(sentence(sent_++)); });
}

void PositionStream::start() { timer_.start(); }

QByteArray PositionStream::sentence(int n)
{
    const int hundredths = n % 8640000;
    const QString time = QStringLiteral("%1%2%3.%4")
                             .arg(hundredths / 360000, 2, 10, QLatin1Char('0'))
                             .arg(hundredths / 6000 % 60, 2, 10, QLatin1Char('0'))
                             .arg(hundredths / 100 % 60, 2, 10, QLatin1Char('0'))
                             .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    const QString body =
        QStringLiteral("GPRMC,") + time + QStringLiteral(",A,3113.0521,N,12129.3047,E,0.05,211.3,101226,,,A");
    return (u'$' + body + u'*' + checksum(body) + QStringLiteral("\r\n")).toLatin1();
}

} // namespace aisset::sim
