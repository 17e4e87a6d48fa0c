#pragma once

#include "ScriptedHost.h"
#include "VirtualUnit.h"
#include "link/QtSerialLine.h"
#include "link/Waiting.h"
#include "model/FieldTable.h"
#include "store/ProfileStore.h"
#include "ui/core/MainCore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace aisset::test {

using namespace Qt::StringLiterals;

// The loaded core of a window whose every port number names the virtual unit.
struct Core {
    Core(const QStringList &faults, Edition edition) : unit(faults)
    {
        const QString device = unit.path();
        core = std::make_unique<MainCore>(
            host, MainCore::Services{
                      store, {std::make_unique<QtSerialLine>([device](int) { return device; }), {}}, {}, edition});
        core->formLoad();
    }

    // A ship typed into page 1 as the installer types it.
    void typeShip()
    {
        Form &form = core->form();
        const std::pair<int, const char16_t *> texts[] = {
            {slot::mmsi, u"412345678"}, {slot::callSign, u"BXYZ9__"}, {slot::draught, u"_8.5米"},
            {slot::crewCount, u"25__"}, {slot::antennaA, u"100米"},   {slot::antennaB, u"20_米"},
            {slot::antennaC, u"5_米"},  {slot::antennaD, u"7_米"},    {slot::shipName, u"HAI XING 7"},
        };
        for (const auto &[s, text] : texts)
            ASSERT_TRUE(form.setEditText(s, QString::fromUtf16(text))) << s;
        ASSERT_TRUE(form.selectChoiceText(slot::shipType, u"70(货船)"_s));
    }

    // Writes page 1 and lets the unit answer until the read-back has ended; in
    // the simplified edition, until a while after the acknowledgement.
    void writeOwnShip(Edition edition)
    {
        EventWait done;
        if (edition == Edition::Full)
            done.finishOn(&core->verifier(), &WriteVerifier::finished);
        else
            done.finishOn(&core->link().receivePath(), &ReceivePath::acknowledged);
        core->buttonClicked(Button::OwnShipWrite);
        done.run(5000);
        if (edition == Edition::Simplified)
            runEventLoopFor(300);
    }

    QTemporaryDir dir;
    ProfileStore store{dir.path()};
    ScriptedHost host;
    VirtualUnit unit;
    std::unique_ptr<MainCore> core;
};

} // namespace aisset::test
