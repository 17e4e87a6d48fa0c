#include "SystemSentence.h"

#include "BuildSupport.h"
#include "ChoiceList.h"
#include "Form.h"
#include "Host.h"
#include "Normalise.h"
#include "Primitives.h"
#include "RecordSink.h"
#include "SentenceLayout.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace aisset {

namespace {

const QString kOff = QStringLiteral("关闭");

// ---- Settings list -------------------------------------------------------
//
//  item  0-5  the texts of promptVolume, alarmVolume, keyBrightness, lcdMode,
//             vhfTalk, dataOutput
//        6    "00", not packed
//        7    arrivalRange: its list position, "00" for "关闭"
//        8-10 approachDisplay, alarm16, aisTransmit: list position 0 or 1
//        11   lightPrompt: "0" for off, "1" for on
//        12-15 autoRange, gpsOutput, customMessage, autoVhfOff: list position

// A switch travels as its list position. Only the two positions of a switch are
// written; any other writes no item at all, and getcode1 refuses an unselected
// switch before the list is built.
void appendSwitch(QStringList &items, const Form &form, int s)
{
    const int position = form.choice(s).position();
    if (position == 0 || position == 1)
        items.append(QString::number(position));
}

QString settingsList(const Form &form)
{
    QStringList items;
    for (int s = slot::promptVolume; s <= slot::dataOutput; ++s)
        items.append(form.choiceText(s));
    items.append(QStringLiteral("00"));
    items.append(form.choiceText(slot::arrivalRange) == kOff
                     ? QStringLiteral("00")
                     : QString::number(form.choice(slot::arrivalRange).position()));
    for (int s : {slot::approachDisplay, slot::alarm16, slot::aisTransmit})
        appendSwitch(items, form, s);
    const QString light = form.choiceText(slot::lightPrompt);
    items.append(light == kOff || light == u"关" ? QStringLiteral("0") : QStringLiteral("1"));
    for (int s : {slot::autoRange, slot::gpsOutput, slot::customMessage, slot::autoVhfOff})
        appendSwitch(items, form, s);
    return items.join(u',');
}

// ---- Packing -------------------------------------------------------------

// A volume, brightness or distance step: "关闭" is 0, anything else its number
// rounded half to even; a number too wide for the field keeps all its digits.
QString numberBits(const QString &item, int width)
{
    if (item == kOff)
        return QString(width, u'0');
    return Allc(A10TO2(static_cast<int64_t>(std::llrint(NumVal(item)))), width);
}

// An item with a fixed set of texts; a text outside the set packs to no bits.
QString caseBits(const QString &item,
                 std::initializer_list<std::pair<const char16_t *, const char16_t *>> cases)
{
    for (const auto &[text, bits] : cases)
        if (item == QStringView(text))
            return QString::fromUtf16(bits);
    return {};
}

QString itemBits(int index, const QString &item)
{
    switch (index) {
    case 0:
    case 1: return numberBits(item, 3);
    case 2: return numberBits(item, 2);
    case 3: return caseBits(item, {{u"正显", u"0"}, {u"负显", u"1"}});
    case 4: return caseBits(item, {{u"关", u"1"}, {u"开", u"0"}});
    case 5: return caseBits(item, {{u"关", u"00"}, {u"AIS", u"01"}, {u"GPS", u"10"}, {u"全部", u"11"}});
    case 7: return numberBits(item, 4);
    case 8:
    case 9:
    case 10:
    case 11:
    case 12: return caseBits(item, {{u"0", u"1"}, {u"1", u"0"}}); // 0 means on
    case 13:
    case 14:
    case 15: return caseBits(item, {{u"0", u"0"}, {u"1", u"1"}});
    default: return {};
    }
}

// The items in the order their bits stand in the packed field, most significant first:
//
//  bit  1       2       3     4     5-8     9-10  11    12    13    14-16 17  18  19-20 21  22-24
//       custom  vhfOff  auto  ais   arrival data  al16  appr  light alarm gps vhf key   lcd prompt
constexpr std::array<int, 15> kPackingOrder{14, 15, 12, 10, 7, 5, 9, 8, 11, 1, 13, 4, 2, 3, 0};

struct TracedItem {
    int index;
    const char16_t *label;
};

// The packed items in list order with the labels of the second trace line.
constexpr std::array<TracedItem, 15> kTraced{{
    {0, u"分割后: 提示音量"}, {1, u",报警音量"}, {2, u",按键亮度"}, {3, u",LCD显示"},
    {4, u",VHF通话 "}, {5, u",AIS数据输出 "}, {7, u",导航到达距离"}, {8, u",目标靠近显示"},
    {9, u",报警16频"}, {10, u",AIS发射"}, {11, u",灯光提示"}, {12, u",自动量程"},
    {13, u",GPS数据输出:"}, {14, u",自定义信息发送:"}, {15, u",自动关闭VHF:"},
}};

// ---- Sentence ------------------------------------------------------------

// A system choice field passes with an entry selected whose text is not empty.
bool hasEntry(const Form &form, int s)
{
    return form.choice(s).position() >= 0 && !form.choiceText(s).isEmpty();
}


} // namespace

QString A8TO6(Form &form, const QString &list)
{
    const QStringList items = list.split(u',');
    QStringList traceLine2;
    QStringList tracedItems;
    QStringList tracedBits;
    for (const TracedItem &t : kTraced) {
        const QString item = items.value(t.index);
        traceLine2.append(QString::fromUtf16(t.label) + item);
        tracedItems.append(item);
        tracedBits.append(itemBits(t.index, item));
    }

    QString field;
    for (int index : kPackingOrder)
        field += itemBits(index, items.value(index));
    field = Allc(field, 24);

    QStringList groups;
    QStringList codes;
    QStringList hexCodes;
    QStringList characters;
    for (int g = 0; g < 4; ++g) {
        groups.append(field.mid(g * 6, 6));
        codes.append(A8T6(groups.last()));
        hexCodes.append(A2TO16(codes.last()));
        characters.append(asctobT(hexCodes.last()));
    }

    const QString comma = QStringLiteral(",");
    form.appendSentCommand(QStringLiteral("字符串:") + list);
    form.appendSentCommand(traceLine2.join(QString()));
    form.appendSentCommand(tracedItems.join(comma));
    form.appendSentCommand(tracedBits.join(comma));
    form.appendSentCommand(QStringLiteral("24位:") + field);
    form.appendSentCommand(QStringLiteral("化成四个6进制数:") + groups.join(comma));
    form.appendSentCommand(QStringLiteral("化成四个8进制数:") + codes.join(comma));
    form.appendSentCommand(QStringLiteral("转16进制:") + hexCodes.join(comma));
    form.appendSentCommand(QStringLiteral("转字符:") + characters.join(comma));
    return characters.join(QString());
}

//  Body, 16 characters, no separators; the last four may be any six-bit
//  character, "," "*" "$" "!" and the double quote included:
//
//  channel1(4) channel2(4) soundPromptRange(2) alarmRange(2) packed(4)
BuildResult getcode1(Form &form, Host &host, RecordSink *records)
{
    form.clearSentCommands();
    for (int s = slot::channel1; s <= slot::dataOutput; ++s)
        trimSlot(form, s);
    fillMirrors(form, [](int) { return true; });

    FieldChecks checks;
    const auto check = [&](int s) {
        host.processEvents();
        if (!hasEntry(form, s))
            checks.fail(s);
    };
    for (int s = slot::channel1; s <= slot::dataOutput; ++s) {
        form.setMirror(s, ccg(form.mirror(s)));
        check(s);
    }
    for (int s = slot::alarmRange; s <= slot::alarm16; ++s) {
        refreshCopy(form, s);
        check(s);
    }
    // The switches after them travel by list position; one without an entry would
    // drop its item and move every later bit into a neighbour's place, so it is
    // refused like the fields above.
    for (int s = slot::aisTransmit; s <= slot::autoVhfOff; ++s)
        check(s);
    if (checks.anyFailed())
        return refuseBuild(form, host, checks.failedSlot(), FieldKind::Choice);

    // Events are handled once per channel field, as the body is built.
    host.processEvents();
    host.processEvents();
    const QString body = encodeFields(form, Group::System) + A8TO6(form, settingsList(form));

    BuildResult result = acceptBuild(form, frameCode(str(sentenceLayout(Group::System).address), body));
    if (records)
        result.saving = records->saveSystemRecord(form);
    return result;
}

} // namespace aisset
