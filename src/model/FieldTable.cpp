#include "model/FieldTable.h"

#include "model/TextMark.h"

namespace aisset {

namespace {
using enum FieldKind;
using enum Group;
using enum WireForm;
using enum CopyCheck;

// slot, name, kind, group, caption, mask, max length, profile key, wire form, width,
// place in the sentence body, copy check, value limit, reply position, reply length
constexpr std::array<FieldInfo, kSlotCount> kFields{{
    {0, u"crewCount", Edit, OwnShip, AISSET_TEXT("Field", "船员人数:"), u"####", 4, u"船员人数", ZeroFilled, 4, 1,
     Number, 9999, 34, 4},
    {1, u"vendorNumber", Edit, Factory, AISSET_TEXT("Field", "厂商编号:"), u"", 0, u"编号", BlankFilled, 7, 4, Text,
     kNoLimit, 27, 7},
    {2, u"callSign", Edit, OwnShip, AISSET_TEXT("Field", "呼号:"), u"CCCCCCC", 7, u"呼号", BlankFilled, 7, 2, Text,
     kNoLimit, 38, 7},
    {3, u"shipType", Choice, OwnShip, AISSET_TEXT("Field", "船型:"), u"", 0, u"船型", ValueText, 2, 3, ChoiceCode, 99,
     45, 2},
    {4, u"draught", Edit, OwnShip, AISSET_TEXT("Field", "吃水深度:"), u"##.#米", 4, u"吃水", Tenths, 3, 4, Number, 25.5,
     47, 3},
    {5, u"mmsi", Edit, OwnShip, AISSET_TEXT("Field", "MMSI:"), u"#########", 9, u"MMSI", ZeroFilled, 9, 5, AllDigits,
     kNoLimit, 50, 9},
    {6, u"imoNumber", Edit, OwnShip, AISSET_TEXT("Field", "IMO:"), u"#########", 9, u"IMO", ZeroFilled, 9, 6, AllDigits,
     kNoLimit, 59, 9},
    {7, u"shipName", Edit, OwnShip, AISSET_TEXT("Field", "船名:"), u"CCCCCCCCCCCCCCCCCCCC", 20, u"船名", BlankFilled,
     20, 7, Text, kNoLimit, 68, 20},
    {8, u"antennaA", Edit, OwnShip, AISSET_TEXT("Field", "天线方位A:"), u"###米", 3, u"天线A", ZeroFilled, 3, 8, Number,
     511, 88, 3},
    {9, u"antennaB", Edit, OwnShip, AISSET_TEXT("Field", "天线方位B:"), u"###米", 3, u"天线B", ZeroFilled, 3, 9, Number,
     511, 91, 3},
    {10, u"antennaC", Edit, OwnShip, AISSET_TEXT("Field", "天线方位C:"), u"##米", 2, u"天线C", ZeroFilled, 2, 10,
     Number, 63, 94, 2},
    {11, u"antennaD", Edit, OwnShip, AISSET_TEXT("Field", "天线方位D:"), u"##米", 2, u"天线D", ZeroFilled, 2, 11,
     Number, 63, 96, 2},
    {12, u"epfdType", Choice, OwnShip, AISSET_TEXT("Field", "定位装置:"), u"", 0, u"定位装置", ValueText, 1, 12,
     ChoiceCode, 7, 98, 1},
    {13, u"channel1", Choice, System, AISSET_TEXT("Field", "AIS频道1:"), u"", 0, u"AIS频道1", ValueText, 4, 1, None,
     kNoLimit, 99, 4},
    {14, u"channel2", Choice, System, AISSET_TEXT("Field", "AIS频道2:"), u"", 0, u"AIS频道2", ValueText, 4, 2, None,
     kNoLimit, 103, 4},
    {15, u"soundPromptRange", Choice, System, AISSET_TEXT("Field", "靠近声音提示"), u"", 0, u"声音提示距离",
     ListPosition, 2, 3, None, kNoLimit, 109, 2},
    {16, u"lightPrompt", Choice, System, AISSET_TEXT("Field", "靠近灯光提示:"), u"", 0, u"闪光提示距离", Packed, 0, 0,
     None, kNoLimit, 0, 0},
    {17, u"promptVolume", Choice, System, AISSET_TEXT("Field", "提示音量:"), u"", 0, u"提示声音量", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {18, u"alarmVolume", Choice, System, AISSET_TEXT("Field", "报警音量:"), u"", 0, u"报警声音量", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {19, u"keyBrightness", Choice, System, AISSET_TEXT("Field", "按键亮度:"), u"", 0, u"按键亮度", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {20, u"lcdMode", Choice, System, AISSET_TEXT("Field", "LCD显示方式:"), u"", 0, u"LCD显示方式", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {21, u"vhfTalk", Choice, System, AISSET_TEXT("Field", "VHF通话:"), u"", 0, u"数据接口1", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {22, u"dataOutput", Choice, System, AISSET_TEXT("Field", "数口输出:"), u"", 0, u"数据接口2", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {23, u"factoryDate", Edit, Factory, AISSET_TEXT("Field", "出厂日期:"), u"", 0, u"出厂日期", ZeroFilled, 6, 1, Date,
     kNoLimit, 8, 6},
    {24, u"machineNumber", Edit, Factory, AISSET_TEXT("Field", "机器编号:"), u"", 0, u"机器编号", ZeroFilled, 9, 2,
     Required, kNoLimit, 14, 9},
    {25, u"powerOnTime", Edit, Factory, AISSET_TEXT("Field", "开机时间:"), u"", 0, u"开机时间", ZeroFilled, 4, 3,
     Number, kNoLimit, 23, 4},
    {26, u"alarmRange", Choice, System, AISSET_TEXT("Field", "靠近报警距离:"), u"", 0, u"报警距离", ListPosition, 2, 4,
     None, kNoLimit, 107, 2},
    {27, u"arrivalRange", Choice, System, AISSET_TEXT("Field", "导航到达距离:"), u"", 0, u"目的地距离", Packed, 0, 0,
     None, kNoLimit, 0, 0},
    {28, u"approachDisplay", Choice, System, AISSET_TEXT("Field", "目标靠近显示:"), u"", 0, u"靠近数据显示", Packed, 0,
     0, None, kNoLimit, 0, 0},
    {29, u"alarm16", Choice, System, AISSET_TEXT("Field", "报警16频:"), u"", 0, u"靠近VHF16频", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {30, u"aisTransmit", Choice, System, AISSET_TEXT("Field", "AIS发射:"), u"", 0, u"AIS发送", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {31, u"autoRange", Choice, System, AISSET_TEXT("Field", "自动量程:"), u"", 0, u"自动量程", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {32, u"gpsOutput", Choice, System, AISSET_TEXT("Field", "GPS数据输出"), u"", 0, u"GPS数据输出", Packed, 0, 0, None,
     kNoLimit, 0, 0},
    {33, u"customMessage", Choice, System, AISSET_TEXT("Field", "自定义信息发送"), u"", 0, u"信息发送", Packed, 0, 0,
     None, kNoLimit, 0, 0},
    {34, u"autoVhfOff", Choice, System, AISSET_TEXT("Field", "自动关闭VHF:"), u"", 0, u"自动关闭VHF", Packed, 0, 0,
     None, kNoLimit, 0, 0},
}};
} // namespace

const std::array<FieldInfo, kSlotCount> &fieldTable() { return kFields; }

const FieldInfo &field(int slotNumber) { return kFields.at(std::size_t(slotNumber)); }

namespace {

// The slots of each group's sentence body in wire order, gathered from the table once.
struct WireOrders {
    std::array<std::array<int, kSlotCount>, 3> order{};
    std::array<std::size_t, 3> counts{};

    constexpr WireOrders()
    {
        for (std::size_t g = 0; g < 3; ++g)
            for (int place = 1; place <= kSlotCount; ++place)
                for (const FieldInfo &f : kFields)
                    if (std::size_t(f.group) == g && f.wireOrder == place)
                        order[g][counts[g]++] = f.slot;
    }
};

constexpr WireOrders kWireOrders;

} // namespace

std::span<const int> wireFields(Group group)
{
    const auto g = std::size_t(group);
    return {kWireOrders.order[g].data(), kWireOrders.counts[g]};
}

std::optional<int> slotByName(const QString &name)
{
    for (const FieldInfo &f : kFields)
        if (name == str(f.name))
            return f.slot;
    return std::nullopt;
}

} // namespace aisset
