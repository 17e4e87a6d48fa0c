#include "model/PackedSettings.h"

#include "ui/text/Language.h"

namespace aisset {

namespace {
using enum PackedItem;
using enum PackedValue;

// slot, settings-list item, item carries, first bit, width, value
constexpr std::array<PackedSetting, kPackedSettingCount> kSettings{{
    {slot::promptVolume, 0, EntryText, 22, 3, Steps},
    {slot::alarmVolume, 1, EntryText, 14, 3, Steps},
    {slot::keyBrightness, 2, EntryText, 19, 2, Steps},
    {slot::lcdMode, 3, EntryText, 21, 1, Position},
    {slot::vhfTalk, 4, EntryText, 18, 1, Position},
    {slot::dataOutput, 5, EntryText, 9, 2, Position},
    {slot::arrivalRange, 7, Number, 5, 4, Miles},
    {slot::approachDisplay, 8, Number, 12, 1, OnIsZero},
    {slot::alarm16, 9, Number, 11, 1, OnIsZero},
    {slot::aisTransmit, 10, Number, 4, 1, OnIsZero},
    {slot::lightPrompt, 11, Number, 13, 1, LightOn},
    {slot::autoRange, 12, Number, 3, 1, OnIsZero},
    {slot::gpsOutput, 13, Number, 17, 1, Position},
    {slot::customMessage, 14, Number, 1, 1, Position},
    {slot::autoVhfOff, 15, Number, 2, 1, Position},
}};

// slot, write label, read label, binary line, cut list, value comma
constexpr std::array<PackedTraceLabel, kPackedSettingCount> kLabels{{
    {slot::promptVolume, AISSET_TEXT("Trace", "分割后: 提示音量"), AISSET_TEXT("Trace", "提示音量"), true, true, true},
    {slot::alarmVolume, AISSET_TEXT("Trace", ",报警音量"), AISSET_TEXT("Trace", "报警音量"), true, true, true},
    {slot::keyBrightness, AISSET_TEXT("Trace", ",按键亮度"), AISSET_TEXT("Trace", "按键亮度"), true, true, true},
    {slot::lcdMode, AISSET_TEXT("Trace", ",LCD显示"), AISSET_TEXT("Trace", "LCD显示方式"), true, true, true},
    {slot::vhfTalk, AISSET_TEXT("Trace", ",VHF通话 "), AISSET_TEXT("Trace", "VHF通话"), true, true, true},
    {slot::dataOutput, AISSET_TEXT("Trace", ",AIS数据输出 "), AISSET_TEXT("Trace", "AIS数据输出"), true, true, true},
    {slot::arrivalRange, AISSET_TEXT("Trace", ",导航到达距离"), AISSET_TEXT("Trace", "导航到达距离"), true, true, true},
    {slot::approachDisplay, AISSET_TEXT("Trace", ",目标靠近显示"), AISSET_TEXT("Trace", "目标靠近显示"), true, true, true},
    {slot::alarm16, AISSET_TEXT("Trace", ",报警16频"), AISSET_TEXT("Trace", "报警16频"), true, true, true},
    {slot::aisTransmit, AISSET_TEXT("Trace", ",AIS发射"), AISSET_TEXT("Trace", "AIS发射"), true, true, true},
    {slot::lightPrompt, AISSET_TEXT("Trace", ",灯光提示"), AISSET_TEXT("Trace", "灯光提示"), true, false, false},
    {slot::autoRange, AISSET_TEXT("Trace", ",自动量程"), AISSET_TEXT("Trace", "自动量程"), true, true, true},
    {slot::gpsOutput, AISSET_TEXT("Trace", ",GPS数据输出:"), AISSET_TEXT("Trace", "GPS数据输出"), false, false, true},
    {slot::customMessage, AISSET_TEXT("Trace", ",自定义信息发送:"), AISSET_TEXT("Trace", "自定义信息发送"), false, false, false},
    {slot::autoVhfOff, AISSET_TEXT("Trace", ",自动关闭VHF:"), AISSET_TEXT("Trace", "自动关闭VHF"), true, false, false},
}};

constexpr std::array<int, kPackedSettingCount - 1> kSwitchLineOrder{
    slot::customMessage,   slot::autoRange, slot::aisTransmit,  slot::arrivalRange, slot::dataOutput,
    slot::approachDisplay, slot::alarm16,   slot::lightPrompt,  slot::alarmVolume,  slot::vhfTalk,
    slot::keyBrightness,   slot::lcdMode,   slot::promptVolume, slot::autoVhfOff,
};

} // namespace

const std::array<PackedSetting, kPackedSettingCount> &packedSettings() { return kSettings; }

const std::array<PackedTraceLabel, kPackedSettingCount> &packedTraceLabels() { return kLabels; }

QString traceWords(const char16_t *words) { return text::translate("Trace", QStringView(words)); }

const std::array<int, kPackedSettingCount - 1> &switchLineOrder() { return kSwitchLineOrder; }

} // namespace aisset
