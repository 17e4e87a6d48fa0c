#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace aisset::sim {

// A pseudo-terminal whose slave side plays the unit's serial port: a program
// opens devicePath() as it would open a USB serial adapter, and whatever it
// writes arrives here. The slave side is set raw (no echo, no line editing) and
// kept open by this object too, so that the master does not report a hang-up
// while no program has the port open.
class PseudoTerminal : public QObject {
    Q_OBJECT
public:
    explicit PseudoTerminal(QObject *parent = nullptr);
    ~PseudoTerminal() override;

    // Opens a new pseudo-terminal; an error text on failure.
    QString open();
    QString devicePath() const { return path_; }

    // Queues bytes for the program on the slave side.
    void write(const QByteArray &bytes);
    // Closes both sides: the program on the slave side sees the device go away.
    void hangUp();

signals:
    void received(const QByteArray &bytes);

private:
    void readMaster();
    void flush();

    int master_ = -1;
    int slave_ = -1;
    QString path_;
    QByteArray outgoing_;
    std::unique_ptr<QSocketNotifier> readable_;
    std::unique_ptr<QSocketNotifier> writable_;
};

} // namespace aisset::sim
