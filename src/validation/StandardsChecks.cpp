#include "validation/StandardsChecks.h"

#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "model/TextMark.h"
#include "ui/text/Language.h"
#include "validation/MidTable.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace aisset {

namespace {

bool allDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int wholeNumber(const QString &text) { return allDigits(text) ? text.toInt() : 0; }

// What an MMSI that is not a ship station's belongs to, by its leading digits
// (ITU-R M.585); empty for a form that names no kind of station.
QString stationKind(const QString &mmsi)
{
    const struct {
        const char16_t *prefix;
        const char16_t *kind;
    } kinds[] = {
        {u"00", AISSET_TEXT("Standards", "海岸电台")},
        {u"0", AISSET_TEXT("Standards", "船舶群组")},
        {u"111", AISSET_TEXT("Standards", "搜救飞机")},
        {u"8", AISSET_TEXT("Standards", "手持电台")},
        {u"970", AISSET_TEXT("Standards", "AIS搜救应答器(AIS-SART)")},
        {u"972", AISSET_TEXT("Standards", "人员落水示位设备(MOB)")},
        {u"974", AISSET_TEXT("Standards", "应急示位标(EPIRB-AIS)")},
        {u"98", AISSET_TEXT("Standards", "母船附属船艇")},
        {u"99", AISSET_TEXT("Standards", "助航设备(AtoN)")},
    };
    for (const auto &k : kinds)
        if (mmsi.startsWith(QString::fromUtf16(k.prefix)))
            return text::translate("Standards", k.kind);
    return {};
}

std::optional<StandardsWarning> checkDimension(const char16_t *field, const QString &first, const QString &second,
                                               const QString &message)
{
    if (wholeNumber(first) + wholeNumber(second) != 0)
        return std::nullopt;
    return StandardsWarning{QString::fromUtf16(field), u"no-ship-size"_s, message};
}

} // namespace

std::optional<StandardsWarning> checkMmsi(const QString &mmsi)
{
    if (mmsi.size() != 9 || !allDigits(mmsi))
        return std::nullopt; // the builder refuses it
    if (mmsi[0] < u'2' || mmsi[0] > u'7') {
        const QString kind = stationKind(mmsi);
        return StandardsWarning{u"mmsi"_s, u"not-ship-station"_s,
                                (kind.isEmpty()
                                     ? text::translate("Standards", "MMSI %1不是船舶电台的号码").arg(mmsi)
                                     : text::translate("Standards", "MMSI %1是%2的号码,不是船舶电台").arg(mmsi, kind)) +
                                    text::translate("Standards", "(船舶电台的MMSI首位为2至7)")};
    }
    if (!isAllocatedMid(mmsi.left(3).toInt()))
        return StandardsWarning{
            u"mmsi"_s, u"mid-unknown"_s,
            text::translate("Standards", "MMSI的前三位%1不是国际电联分配的海上识别数字(MID)").arg(mmsi.left(3))};
    return std::nullopt;
}

std::optional<StandardsWarning> checkImoNumber(const QString &imoNumber)
{
    if (!imoNumber.isEmpty() && !allDigits(imoNumber))
        return std::nullopt;
    const QString filled = imoNumber.rightJustified(9, u'0');
    if (filled.size() > 9)
        return std::nullopt;
    if (!filled.startsWith(u"00"))
        return StandardsWarning{u"imoNumber"_s, u"imo-check-digit"_s,
                                text::translate("Standards", "IMO编号%1超过七位数字").arg(imoNumber)};
    // The seventh digit is the last digit of the sum of the first six, weighted 7 down to 2.
    const QString digits = filled.mid(2);
    int sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += digits[i].digitValue() * (7 - i);
    const int expected = sum % 10;
    if (digits[6].digitValue() == expected)
        return std::nullopt;
    return StandardsWarning{u"imoNumber"_s, u"imo-check-digit"_s,
                            text::translate("Standards", "IMO编号%1的校验位不符(应为%2)").arg(digits).arg(expected)};
}

std::optional<StandardsWarning> checkShipLength(const QString &antennaA, const QString &antennaB)
{
    return checkDimension(u"antennaA", antennaA, antennaB,
                          text::translate("Standards", "天线A与天线B之和为0,船长不可用"));
}

std::optional<StandardsWarning> checkShipBeam(const QString &antennaC, const QString &antennaD)
{
    return checkDimension(u"antennaC", antennaC, antennaD,
                          text::translate("Standards", "天线C与天线D之和为0,船宽不可用"));
}

std::optional<StandardsWarning> checkDraught(const QString &draught)
{
    bool number = false;
    const double metres = draught.toDouble(&number);
    if (!number || metres != 0)
        return std::nullopt;
    return StandardsWarning{u"draught"_s, u"draught-not-available"_s,
                            text::translate("Standards", "吃水为0,表示吃水不可用")};
}

std::vector<StandardsWarning> standardsWarnings(const Form &form, std::optional<Group> group)
{
    const auto text = [&form](int slot) { return ccg(form.editText(slot)); };
    const std::optional<StandardsWarning> found[] = {
        checkMmsi(text(slot::mmsi)),
        checkImoNumber(text(slot::imoNumber)),
        checkShipLength(text(slot::antennaA), text(slot::antennaB)),
        checkShipBeam(text(slot::antennaC), text(slot::antennaD)),
        checkDraught(text(slot::draught)),
    };
    std::vector<StandardsWarning> out;
    for (const std::optional<StandardsWarning> &w : found)
        if (w && (!group || field(*slotByName(w->field)).group == *group))
            out.push_back(*w);
    return out;
}

} // namespace aisset
