#include "link/Transmitter.h"

#include "encoding/Gbk.h"
#include "link/SerialLine.h"

#include <QEventLoop>
#include <QTimer>

namespace aisset {

namespace {
// 38400 baud with 8N1 framing moves 3840 bytes a second; the wait gives the
// sentence its wire time and one second more (a line held back by XOFF must not
// hold the program forever).
qint64 drainLimitMs(qint64 bytes) { return bytes * 1000 / 3840 + 1000; }
} // namespace

void Transmitter::sendData(const QString &sentence)
{
    if (!line_.isOpen())
        return;
    line_.discardInput();
    const QByteArray bytes = toGbk(sentence);
    line_.write(bytes);
    waitUntilSent(bytes.size());
    line_.discardOutput();
}

bool Transmitter::canSend() const { return line_.isOpen(); }

void Transmitter::waitUntilSent(qint64 bytes)
{
    if (line_.pendingOutput() <= 0)
        return;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&line_, &SerialLine::outputWritten, &loop, [&] {
        if (line_.pendingOutput() <= 0)
            loop.quit();
    });
    QObject::connect(&line_, &SerialLine::connectionLost, &loop, &QEventLoop::quit);
    limit.start(int(drainLimitMs(bytes)));
    loop.exec();
}

} // namespace aisset
