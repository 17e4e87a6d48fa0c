#include "encoding/SettingsPacking.h"

#include "encoding/Primitives.h"
#include "model/ChoiceTables.h"
#include "model/PackedSettings.h"

#include <algorithm>
#include <cmath>

namespace aisset {

namespace {

// A volume, brightness or distance step: "关闭" is 0, anything else its number
// rounded half to even; a number too wide for the field keeps all its digits.
QString numberBits(const QString &item, int width)
{
    if (item == kOffEntry)
        return QString(width, u'0');
    return Allc(A10TO2(static_cast<int64_t>(std::llrint(NumVal(item)))), width);
}

// The list position an item names: the entry's place for an entry text, the
// number itself for a position written out; -1 when it names none.
int itemPosition(const PackedSetting &setting, const QString &item)
{
    const QStringList &entries = choiceEntries(setting.slot);
    if (setting.carries == PackedItem::EntryText)
        return int(entries.indexOf(item));
    for (int position = 0; position < entries.size(); ++position)
        if (item == QString::number(position))
            return position;
    return -1;
}

QString itemBits(const PackedSetting &setting, const QString &item)
{
    switch (setting.value) {
    case PackedValue::Steps:
    case PackedValue::Miles: return numberBits(item, setting.width);
    case PackedValue::Position: {
        const int position = itemPosition(setting, item);
        return position < 0 ? QString() : Allc(A10TO2(position), setting.width);
    }
    case PackedValue::OnIsZero:
    case PackedValue::LightOn:
        if (item == u"0")
            return QStringLiteral("1");
        if (item == u"1")
            return QStringLiteral("0");
        return {};
    }
    return {};
}

// The settings in the order their bits stand in the packed field.
std::array<PackedSetting, kPackedSettingCount> inBitOrder()
{
    std::array<PackedSetting, kPackedSettingCount> sorted = packedSettings();
    std::sort(sorted.begin(), sorted.end(),
              [](const PackedSetting &a, const PackedSetting &b) { return a.firstBit < b.firstBit; });
    return sorted;
}

} // namespace

PackedCharacters packSettings(const QString &settingsList)
{
    const QStringList items = settingsList.split(u',');
    QString labelled;
    QStringList tracedItems;
    QStringList tracedBits;
    for (std::size_t i = 0; i < packedSettings().size(); ++i) {
        const PackedSetting &setting = packedSettings()[i];
        const QString item = items.value(setting.item);
        labelled += traceWords(packedTraceLabels()[i].writeLabel);
        labelled += item;
        tracedItems.append(item);
        tracedBits.append(itemBits(setting, item));
    }

    static const std::array<PackedSetting, kPackedSettingCount> bitOrder = inBitOrder();
    QString field;
    for (const PackedSetting &setting : bitOrder)
        field += itemBits(setting, items.value(setting.item));
    field = Allc(field, kPackedBits);

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
    PackedCharacters out;
    out.characters = characters.join(QString());
    out.trace = QStringList{
        traceWords(traceHead::writeList) + settingsList,
        labelled,
        tracedItems.join(comma),
        tracedBits.join(comma),
        traceWords(traceHead::writeBits) + field,
        traceWords(traceHead::writeGroups) + groups.join(comma),
        traceWords(traceHead::writeCodes) + codes.join(comma),
        traceWords(traceHead::writeHex) + hexCodes.join(comma),
        traceWords(traceHead::writeCharacters) + characters.join(comma),
    };
    return out;
}

} // namespace aisset
