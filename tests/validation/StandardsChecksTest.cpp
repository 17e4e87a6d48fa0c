#include "validation/StandardsChecks.h"
#include "model/FieldInput.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"

#include <gtest/gtest.h>

using namespace aisset;

namespace {

QString codeOf(const std::optional<StandardsWarning> &w) { return w ? w->code : QString(); }

TEST(StandardsChecks, MmsiFormAndMaritimeIdentificationDigits)
{
    const struct {
        QString mmsi;
        QString code; // "" for no warning
    } cases[] = {
        {u"412345678"_qs, {}}, // China
        {u"201000000"_qs, {}}, // the first MID
        {u"775999999"_qs, {}}, // the last MID
        {u"366123456"_qs, {}}, // United States
        {u"550123456"_qs, {}}, // Timor-Leste, a later allocation
        {u"200123456"_qs, u"mid-unknown"_qs},
        {u"217123456"_qs, u"mid-unknown"_qs}, // a gap between allocations
        {u"415123456"_qs, u"mid-unknown"_qs},
        {u"799123456"_qs, u"mid-unknown"_qs},
        {u"002123456"_qs, u"not-ship-station"_qs}, // coast station
        {u"041234567"_qs, u"not-ship-station"_qs}, // group of ships
        {u"111412345"_qs, u"not-ship-station"_qs}, // SAR aircraft
        {u"841234567"_qs, u"not-ship-station"_qs}, // handheld
        {u"970123456"_qs, u"not-ship-station"_qs}, // AIS-SART
        {u"972123456"_qs, u"not-ship-station"_qs}, // MOB
        {u"974123456"_qs, u"not-ship-station"_qs}, // EPIRB-AIS
        {u"984123456"_qs, u"not-ship-station"_qs}, // craft associated with a parent ship
        {u"994123456"_qs, u"not-ship-station"_qs}, // aid to navigation
        {u"1234"_qs, {}},                          // incomplete: the builder refuses it
        {u""_qs, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(codeOf(checkMmsi(c.mmsi)), c.code) << c.mmsi.toStdString();
    EXPECT_EQ(checkMmsi(u"970123456"_qs)->message,
              u"MMSI 970123456是AIS搜救应答器(AIS-SART)的号码,不是船舶电台(船舶电台的MMSI首位为2至7)"_qs);
    EXPECT_EQ(checkMmsi(u"200123456"_qs)->message, u"MMSI的前三位200不是国际电联分配的海上识别数字(MID)"_qs);
}

TEST(StandardsChecks, ImoCheckDigit)
{
    const struct {
        QString imo;
        QString code;
    } cases[] = {
        {u"9074729"_qs, {}},
        {u"009074729"_qs, {}},
        {u"9176187"_qs, {}},
        {u"8814275"_qs, {}},
        {u""_qs, {}},
        {u"0"_qs, {}}, // no IMO number: all zeros pass
        {u"9074728"_qs, u"imo-check-digit"_qs},
        {u"009123456"_qs, u"imo-check-digit"_qs},
        {u"9176178"_qs, u"imo-check-digit"_qs},   // two digits swapped
        {u"123456789"_qs, u"imo-check-digit"_qs}, // more than seven digits
    };
    for (const auto &c : cases)
        EXPECT_EQ(codeOf(checkImoNumber(c.imo)), c.code) << c.imo.toStdString();
    EXPECT_EQ(checkImoNumber(u"9123456"_qs)->message, u"IMO编号9123456的校验位不符(应为3)"_qs);
}

TEST(StandardsChecks, ShipSizeAndDraught)
{
    EXPECT_FALSE(checkShipLength(u"100"_qs, u"0"_qs));
    EXPECT_FALSE(checkShipLength(u""_qs, u"20"_qs));
    EXPECT_EQ(codeOf(checkShipLength(u"000"_qs, u""_qs)), u"no-ship-size"_qs);
    EXPECT_EQ(checkShipBeam(u"0"_qs, u"00"_qs)->field, u"antennaC"_qs);
    EXPECT_FALSE(checkShipBeam(u"0"_qs, u"1"_qs));
    EXPECT_EQ(codeOf(checkDraught(u"0.0"_qs)), u"draught-not-available"_qs);
    EXPECT_EQ(codeOf(checkDraught(u"00."_qs)), u"draught-not-available"_qs);
    EXPECT_FALSE(checkDraught(u"0.1"_qs));
    EXPECT_FALSE(checkDraught(u""_qs)); // untouched: the builder refuses it
}

// On a form, as the window's fields hold the values; a group narrows the checks
// to its fields.
TEST(StandardsChecks, WarningsOfAFormInFieldOrder)
{
    Form form;
    applyStartState(form);
    for (const auto &[slot, value] : {std::pair{slot::mmsi, u"200123456"_qs},
                                      {slot::imoNumber, u"9123456"_qs},
                                      {slot::antennaA, u"0"_qs},
                                      {slot::draught, u"0"_qs}})
        ASSERT_TRUE(enterValue(form, slot, value));
    QStringList codes;
    for (const StandardsWarning &w : standardsWarnings(form))
        codes << w.field + u':' + w.code;
    EXPECT_EQ(codes, (QStringList{u"mmsi:mid-unknown"_qs, u"imoNumber:imo-check-digit"_qs, u"antennaA:no-ship-size"_qs,
                                  u"antennaC:no-ship-size"_qs, u"draught:draught-not-available"_qs}));
    EXPECT_EQ(standardsWarnings(form, Group::OwnShip).size(), 5u);
    EXPECT_TRUE(standardsWarnings(form, Group::System).empty());
}

} // namespace
