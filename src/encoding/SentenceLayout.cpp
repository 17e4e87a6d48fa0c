#include "SentenceLayout.h"

#include <array>

namespace aisset {

namespace {

constexpr int kOwnShip[] = {slot::crewCount, slot::callSign, slot::shipType, slot::draught,
                            slot::mmsi,      slot::imoNumber, slot::shipName, slot::antennaA,
                            slot::antennaB,  slot::antennaC, slot::antennaD, slot::epfdType};
constexpr int kSystem[] = {slot::channel1, slot::channel2, slot::soundPromptRange, slot::alarmRange};
constexpr int kFactory[] = {slot::factoryDate, slot::machineNumber, slot::powerOnTime, slot::vendorNumber};

constexpr std::array<SentenceLayout, 3> kLayouts{{
    {Group::OwnShip, u"CVUIS", kOwnShip, 0},
    {Group::System, u"CVSYS", kSystem, kPackedWidth},
    {Group::Factory, u"CVEFS", kFactory, 0},
}};

// "$", five characters of address, ","; "*", two checksum digits, CR LF.
constexpr qsizetype kHeadLength = 7;
constexpr qsizetype kTailLength = 5;

} // namespace

const SentenceLayout &sentenceLayout(Group group)
{
    for (const SentenceLayout &layout : kLayouts)
        if (layout.group == group)
            return layout;
    return kLayouts[0];
}

const SentenceLayout *sentenceLayoutFor(const QString &address)
{
    for (const SentenceLayout &layout : kLayouts)
        if (address == QStringView(layout.address))
            return &layout;
    return nullptr;
}

QString sentenceAddress(const QString &sentence) { return sentence.mid(1, 5); }

QString sentenceBody(const QString &sentence)
{
    return sentence.mid(kHeadLength, sentence.size() - kHeadLength - kTailLength);
}

} // namespace aisset
