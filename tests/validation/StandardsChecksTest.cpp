#include "validation/StandardsChecks.h"
#include "model/FieldInput.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

QString codeOf(const std::optional<StandardsWarning> &w) { return w ? w->code : QString(); }

TEST(StandardsChecks, MmsiFormAndMaritimeIdentificationDigits)
{
    const struct {
        QString mmsi;
        QString code; // "" for no warning
    } cases[] = {
        {u"412345678"_s, {}}, // China
        {u"201000000"_s, {}}, // the first MID
        {u"775999999"_s, {}}, // the last MID
        {u"366123456"_s, {}}, // United States
        {u"550123456"_s, {}}, // Timor-Leste, a later allocation
        {u"200123456"_s, u"mid-unknown"_s},
        {u"217123456"_s, u"mid-unknown"_s}, // a gap between allocations
        {u"415123456"_s, u"mid-unknown"_s},
        {u"799123456"_s, u"mid-unknown"_s},
        {u"002123456"_s, u"not-ship-station"_s}, // coast station
        {u"041234567"_s, u"not-ship-station"_s}, // group of ships
        {u"111412345"_s, u"not-ship-station"_s}, // SAR aircraft
        {u"841234567"_s, u"not-ship-station"_s}, // handheld
        {u"970123456"_s, u"not-ship-station"_s}, // AIS-SART
        {u"972123456"_s, u"not-ship-station"_s}, // MOB
        {u"974123456"_s, u"not-ship-station"_s}, // EPIRB-AIS
        {u"984123456"_s, u"not-ship-station"_s}, // craft associated with a parent ship
        {u"994123456"_s, u"not-ship-station"_s}, // aid to navigation
        {u"1234"_s, {}},                          // incomplete: the builder refuses it
        {u""_s, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(codeOf(checkMmsi(c.mmsi)), c.code) << c.mmsi.toStdString();
    EXPECT_EQ(checkMmsi(u"970123456"_s)->message,
              u"MMSI 970123456是AIS搜救应答器(AIS-SART)的号码,不是船舶电台(船舶电台的MMSI首位为2至7)"_s);
    EXPECT_EQ(checkMmsi(u"200123456"_s)->message, u"MMSI的前三位200不是国际电联分配的海上识别数字(MID)"_s);
}

TEST(StandardsChecks, ImoCheckDigit)
{
    const struct {
        QString imo;
        QString code;
    } cases[] = {
        {u"9074729"_s, {}},
        {u"009074729"_s, {}},
        {u"9176187"_s, {}},
        {u"8814275"_s, {}},
        {u""_s, {}},
        {u"0"_s, {}}, // no IMO number: all zeros pass
        {u"9074728"_s, u"imo-check-digit"_s},
        {u"009123456"_s, u"imo-check-digit"_s},
        {u"9176178"_s, u"imo-check-digit"_s},   // two digits swapped
        {u"123456789"_s, u"imo-check-digit"_s}, // more than seven digits
    };
    for (const auto &c : cases)
        EXPECT_EQ(codeOf(checkImoNumber(c.imo)), c.code) << c.imo.toStdString();
    EXPECT_EQ(checkImoNumber(u"9123456"_s)->message, u"IMO编号9123456的校验位不符(应为3)"_s);
}

TEST(StandardsChecks, ShipSizeAndDraught)
{
    EXPECT_FALSE(checkShipLength(u"100"_s, u"0"_s));
    EXPECT_FALSE(checkShipLength(u""_s, u"20"_s));
    EXPECT_EQ(codeOf(checkShipLength(u"000"_s, u""_s)), u"no-ship-size"_s);
    EXPECT_EQ(checkShipBeam(u"0"_s, u"00"_s)->field, u"antennaC"_s);
    EXPECT_FALSE(checkShipBeam(u"0"_s, u"1"_s));
    EXPECT_EQ(codeOf(checkDraught(u"0.0"_s)), u"draught-not-available"_s);
    EXPECT_EQ(codeOf(checkDraught(u"00."_s)), u"draught-not-available"_s);
    EXPECT_FALSE(checkDraught(u"0.1"_s));
    EXPECT_FALSE(checkDraught(u""_s)); // untouched: the builder refuses it
}

// On a form, as the window's fields hold the values; a group narrows the checks
// to its fields.
TEST(StandardsChecks, WarningsOfAFormInFieldOrder)
{
    Form form;
    applyStartState(form);
    for (const auto &[slot, value] : {std::pair{slot::mmsi, u"200123456"_s},
                                      {slot::imoNumber, u"9123456"_s},
                                      {slot::antennaA, u"0"_s},
                                      {slot::draught, u"0"_s}})
        ASSERT_TRUE(enterValue(form, slot, value));
    QStringList codes;
    for (const StandardsWarning &w : standardsWarnings(form))
        codes << w.field + u':' + w.code;
    EXPECT_EQ(codes, (QStringList{u"mmsi:mid-unknown"_s, u"imoNumber:imo-check-digit"_s, u"antennaA:no-ship-size"_s,
                                  u"antennaC:no-ship-size"_s, u"draught:draught-not-available"_s}));
    EXPECT_EQ(standardsWarnings(form, Group::OwnShip).size(), 5u);
    EXPECT_TRUE(standardsWarnings(form, Group::System).empty());
}

} // namespace
