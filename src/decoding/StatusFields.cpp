#include "StatusFields.h"

#include "DecodeContext.h"
#include "FieldTable.h"
#include "Form.h"
#include "Primitives.h"
#include "StatusBits.h"

namespace aisset {

namespace {

// The runs in the order of the "24格开[" line; gpsOutput is not in it.
constexpr int kSwitchLineOrder[] = {
    slot::customMessage, slot::autoRange,       slot::aisTransmit, slot::arrivalRange, slot::dataOutput,
    slot::approachDisplay, slot::alarm16,       slot::lightPrompt, slot::alarmVolume,  slot::vhfTalk,
    slot::keyBrightness, slot::lcdMode,         slot::promptVolume, slot::autoVhfOff,
};

// The labelled trace lines; GPS output and custom message appear only in the
// line of decimal values.
struct LabelledRun {
    const char16_t *label;
    int slot;
    bool decimalLineOnly;
};
constexpr LabelledRun kLabelledRuns[] = {
    {u"提示音量", slot::promptVolume, false},     {u"报警音量", slot::alarmVolume, false},
    {u"按键亮度", slot::keyBrightness, false},    {u"LCD显示方式", slot::lcdMode, false},
    {u"VHF通话", slot::vhfTalk, false},           {u"AIS数据输出", slot::dataOutput, false},
    {u"导航到达距离", slot::arrivalRange, false}, {u"目标靠近显示", slot::approachDisplay, false},
    {u"报警16频", slot::alarm16, false},          {u"AIS发射", slot::aisTransmit, false},
    {u"灯光提示", slot::lightPrompt, false},      {u"自动量程", slot::autoRange, false},
    {u"GPS数据输出", slot::gpsOutput, true},      {u"自定义信息发送", slot::customMessage, true},
    {u"自动关闭VHF", slot::autoVhfOff, false},
};

// How a setting's value n selects its entry.
enum class Pick {
    Position,    // the entry at position n
    NumberText,  // n = 0: "关闭" at position 0; otherwise the entry reading n
    MilesText,   // n = 0: "关闭" at position 0; otherwise the entry reading n海里
    OffIsOne,    // lists "关", "开": 1 selects "关", 0 selects "开"
};

struct StatusField {
    int slot;
    Pick pick;
    bool inCutList;
    bool valueComma;
};

// The checked settings in the order they are set.
constexpr StatusField kStatusFields[] = {
    {slot::promptVolume, Pick::NumberText, true, true},
    {slot::alarmVolume, Pick::NumberText, true, true},
    {slot::keyBrightness, Pick::NumberText, true, true},
    {slot::lcdMode, Pick::Position, true, true},
    {slot::vhfTalk, Pick::Position, true, true},
    {slot::dataOutput, Pick::Position, true, true},
    {slot::arrivalRange, Pick::MilesText, true, true},
    {slot::approachDisplay, Pick::OffIsOne, true, true},
    {slot::alarm16, Pick::OffIsOne, true, true},
    {slot::aisTransmit, Pick::OffIsOne, true, true},
    {slot::autoRange, Pick::OffIsOne, true, true},
    {slot::gpsOutput, Pick::Position, false, true},
    {slot::customMessage, Pick::Position, false, false},
    {slot::autoVhfOff, Pick::Position, false, false},
};

QString switchLine(const StatusRunTexts &runs)
{
    QStringList parts;
    for (int s : kSwitchLineOrder)
        parts.append(runs[std::size_t(s)]);
    return QStringLiteral("24格开[") + parts.join(u' ') + u']';
}

QString labelledLine(const QString &head, const StatusRunTexts &texts, bool decimalLine)
{
    QString line = head;
    line.reserve(160);
    for (const LabelledRun &r : kLabelledRuns) {
        if (!decimalLine && r.decimalLineOnly)
            continue;
        line += QStringView(r.label);
        line += u'(';
        line += texts[std::size_t(r.slot)];
        line += u')';
    }
    line += u']';
    return line;
}

void select(DecodeContext &context, const StatusField &f, qint64 n)
{
    switch (f.pick) {
    case Pick::Position:
        context.selectPosition(f.slot, n);
        break;
    case Pick::NumberText:
        if (n == 0)
            context.selectPosition(f.slot, 0);
        else
            context.selectText(f.slot, QString::number(n));
        break;
    case Pick::MilesText:
        if (n == 0)
            context.selectPosition(f.slot, 0);
        else
            context.selectText(f.slot, QString::number(n) + QStringLiteral("海里"));
        break;
    case Pick::OffIsOne:
        if (n == 1)
            context.selectPosition(f.slot, 0);
        else if (n == 0)
            context.selectPosition(f.slot, 1);
        break;
    }
}

} // namespace

bool decodeStatusCharacters(DecodeContext &context, const QString &fourChars)
{
    Form &form = context.form();
    const StatusRunTexts runs = cutStatusRuns(A6T8(form, fourChars));
    form.appendSentCommand(switchLine(runs));
    form.appendSentCommand(labelledLine(QStringLiteral("提取2进制[ "), runs, false));

    std::array<qint64, kSlotCount> values{};
    StatusRunTexts decimals;
    for (const StatusRun &r : statusRuns()) {
        values[std::size_t(r.slot)] = A2TO10(runs[std::size_t(r.slot)]);
        decimals[std::size_t(r.slot)] = QString::number(values[std::size_t(r.slot)]);
    }

    context.selectPosition(slot::lightPrompt, values[slot::lightPrompt]); // not checked
    form.appendSentCommand(labelledLine(QStringLiteral("转10进制 [ "), decimals, true));

    for (const StatusField &f : kStatusFields) {
        const QString &n = decimals[std::size_t(f.slot)];
        if (f.inCutList)
            context.addCut(n);
        context.addValue(n, f.valueComma);
        select(context, f, values[std::size_t(f.slot)]);
        if (!context.showsEntry(f.slot))
            return false;
    }
    return true;
}

} // namespace aisset
