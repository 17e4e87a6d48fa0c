#pragma once

#include "ScriptedHost.h"
#include "ui/text/Catalogue.h"
#include "link/QtSerialLine.h"
#include "link/Waiting.h"
#include "model/FieldInput.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"
#include "ui/core/MainCore.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace aisset::test {

using namespace Qt::StringLiterals;

// Runs the event loop until the condition holds; false when the time ran out.
inline bool waitUntil(const std::function<bool()> &condition, qint64 timeoutMs = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        runEventLoopFor(5);
    }
    return true;
}

// The tool as the window runs it: the main core on a profile store in a folder of
// the test's choosing, with every serial port mapped to the device the test names
// (so that choosing the port again reaches a new device). The host answers Yes
// unless scripted; the repeating write mode waits a tenth of a second, not one.
class Tool {
public:
    explicit Tool(const QString &storeRoot)
        : store(storeRoot),
          core(host, {store, {std::make_unique<QtSerialLine>([d = device_](int) { return *d; }), [](int) {
                                  runEventLoopFor(100);
                              }}})
    {}

    // The window's load sequence with the ports on the given device.
    void start(const QString &device)
    {
        *device_ = device;
        core.formLoad();
    }
    // The installer picks Com1 again, now on the given device.
    void choosePortAgain(const QString &device)
    {
        *device_ = device;
        core.portChosen(0);
    }

    Form &form() { return core.form(); }
    LinkSession &link() { return core.link(); }
    QStringList recordNames() { return ProfileRecords(store).recordNames(); }

    void fillOwnShip(const QString &mmsi)
    {
        const std::pair<int, QString> values[] = {{slot::crewCount, u"25"_s},
                                                  {slot::callSign, u"BXYZ9"_s},
                                                  {slot::shipType, u"70"_s},
                                                  {slot::draught, u"8.5"_s},
                                                  {slot::mmsi, mmsi},
                                                  {slot::imoNumber, u"009123456"_s},
                                                  {slot::shipName, u"HAI XING 7"_s},
                                                  {slot::antennaA, u"100"_s},
                                                  {slot::antennaB, u"20"_s},
                                                  {slot::antennaC, u"5"_s},
                                                  {slot::antennaD, u"7"_s},
                                                  {slot::epfdType, u"3"_s}};
        for (const auto &[s, v] : values) {
            const bool taken =
                field(s).kind == FieldKind::Choice ? selectChoiceValue(form(), s, v) : enterValue(form(), s, v);
            ASSERT_TRUE(taken) << s;
        }
    }

    // Clicks a write button; true when the acknowledgement was announced in time.
    bool write(Button button, qint64 timeoutMs = 3000)
    {
        EventWait acknowledged;
        acknowledged.finishOn(&link().receivePath(), &ReceivePath::acknowledged);
        core.buttonClicked(button);
        return acknowledged.run(timeoutMs);
    }
    // Starts the read; true when it ended (decoded, or its retries ran out) in time.
    bool read(qint64 timeoutMs = 3000)
    {
        EventWait ended;
        const QObject scope; // the connection ends with this call
        QObject::connect(&link().receivePath(), &ReceivePath::replyHandled, &scope, [&ended](DecodeResult, bool readEnded) {
            if (readEnded)
                ended.finish();
        });
        core.buttonClicked(Button::Read);
        return ended.run(timeoutMs);
    }

    // The tool still does its work: an own-ship page for the MMSI is written and
    // acknowledged in single-send mode, and a read brings it back into the form.
    void expectResponsive(const QString &mmsi)
    {
        link().transactions().setNoRepeat(true);
        fillOwnShip(mmsi);
        const qsizetype shown = host.messages.size();
        ASSERT_TRUE(write(Button::OwnShipWrite)) << "no acknowledgement";
        EXPECT_EQ(host.messages.mid(shown), QStringList{u"本船资料设置成功"_s});
        ASSERT_TRUE(read()) << "the read did not end";
        EXPECT_EQ(catalogue::text(form().transactionStatus()), u"读取成功"_s);
        EXPECT_EQ(form().editText(slot::mmsi), mmsi);
        EXPECT_TRUE(form().isEnabled());
    }

private:
    std::shared_ptr<QString> device_ = std::make_shared<QString>();

public:
    ScriptedHost host;
    ProfileStore store;
    MainCore core;
};

} // namespace aisset::test
