#pragma once

#include "link/SerialLine.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace aisset::test {

// A serial line in memory. It records every operation, opens the ports it is
// told exist, keeps written bytes, and delivers received bytes when the test
// says so. Output drains at once unless drainMs is set.
class FakeSerialLine : public SerialLine {
public:
    QStringList calls;                 // every operation, in order
    QSet<int> existing{1, 2, 3, 4, 5}; // ports that open
    QSet<int> busy;                    // ports that exist but fail to open
    QList<QByteArray> written;
    QByteArray input;                                // received, not read yet
    int drainMs = -1;                                // >= 0: output leaves the queue after this long
    std::function<void(const QByteArray &)> onWrite; // the unit's side

    void setPortNumber(int number) override
    {
        calls << QStringLiteral("port %1").arg(number);
        number_ = number;
    }
    int portNumber() const override { return number_; }
    void setSettings(const QString &settings) override { calls << QStringLiteral("settings ") + settings; }
    void setXonXoff(bool on) override
    {
        calls << (on ? QStringLiteral("xon/xoff") : QStringLiteral("no flow control"));
    }

    OpenError open() override
    {
        calls << QStringLiteral("open");
        if (open_)
            return OpenError::Other;
        if (!existing.contains(number_))
            return OpenError::NoSuchPort;
        if (busy.contains(number_))
            return OpenError::Other;
        open_ = true;
        return OpenError::None;
    }
    void close() override
    {
        calls << QStringLiteral("close");
        open_ = false;
    }
    bool isOpen() const override { return open_; }

    void discardInput() override
    {
        calls << QStringLiteral("discard input");
        if (open_)
            input.clear();
    }
    void discardOutput() override { calls << QStringLiteral("discard output"); }
    qint64 pendingOutput() const override { return pending_; }

    void write(const QByteArray &bytes) override
    {
        if (!open_)
            return;
        written.append(bytes);
        if (drainMs >= 0) {
            pending_ += bytes.size();
            QTimer::singleShot(drainMs, this, [this] {
                pending_ = 0;
                emit outputWritten();
            });
        }
        if (onWrite)
            onWrite(bytes);
    }
    QByteArray readAll() override
    {
        QByteArray out;
        out.swap(input);
        return out;
    }

    // The unit sends bytes: they are buffered and the receive event is raised.
    void receive(const QByteArray &bytes)
    {
        input += bytes;
        emit dataReceived();
    }
    void loseConnection()
    {
        open_ = false;
        emit connectionLost();
    }

private:
    int number_ = 1;
    bool open_ = false;
    qint64 pending_ = 0;
};

} // namespace aisset::test
