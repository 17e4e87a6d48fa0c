#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

namespace aisset::sim {

// A unit that also reports its position: N position sentences a second, 70
// bytes each with CR LF, as a GPS receiver on the same port sends them. They
// are no answer, and the tool must find its answers between them.
class PositionStream : public QObject {
    Q_OBJECT
public:
    PositionStream(int linesPerSecond, QObject *parent = nullptr);
    void start();

    // The n-th sentence: its time field counts on in hundredths of a second.
    static QByteArray sentence(int n);

signals:
    void line(const QByteArray &sentence);

private:
    QTimer timer_;
    int sent_ = 0;
};

} // namespace aisset::sim
