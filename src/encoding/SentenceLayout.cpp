#include "encoding/SentenceLayout.h"

#include <array>

namespace aisset {

namespace {

constexpr std::array<SentenceLayout, 3> kLayouts{{
    {Group::OwnShip, u"CVUIS", 0},
    {Group::System, u"CVSYS", kPackedWidth},
    {Group::Factory, u"CVEFS", 0},
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
