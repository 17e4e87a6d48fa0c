#pragma once

#include "PseudoTerminal.h"
#include "SimulatedUnit.h"

#include <QByteArray>

#include <functional>
#include <memory>

namespace aisset::test {

// The virtual unit in the test's own process, on a pseudo-terminal of its own,
// so that a test can put any bytes on the line, switch the unit off and on, or
// pull the plug at an exact moment. Everything runs on the test's event loop.
class UnitOnPty {
public:
    explicit UnitOnPty(sim::Faults faults = {}) : unit_(faults)
    {
        error_ = pty_.open();
        QObject::connect(&pty_, &sim::PseudoTerminal::received, &unit_, [this](const QByteArray &bytes) {
            received += bytes;
            if (onReceived && onReceived(bytes))
                return;
            if (poweredOn)
                unit_.receive(bytes);
        });
        QObject::connect(&unit_, &sim::SimulatedUnit::output, &pty_, &sim::PseudoTerminal::write);
        QObject::connect(&unit_, &sim::SimulatedUnit::hangUp, &pty_, &sim::PseudoTerminal::hangUp);
    }

    bool started() const { return error_.isEmpty(); }
    QString device() const { return pty_.devicePath(); }
    // Puts bytes on the line as the unit would send them.
    void send(const QByteArray &bytes) { pty_.write(bytes); }
    // The device goes away: the tool's side sees the port fail.
    void hangUp() { pty_.hangUp(); }
    const sim::UnitParameters &parameters() const { return unit_.parameters(); }

    // Everything the tool sent.
    QByteArray received;
    // A switched-off unit takes in nothing and answers nothing.
    bool poweredOn = true;
    // Sees every chunk first; true when it has dealt with the chunk itself.
    std::function<bool(const QByteArray &)> onReceived;

private:
    sim::PseudoTerminal pty_;
    sim::SimulatedUnit unit_;
    QString error_;
};

} // namespace aisset::test
