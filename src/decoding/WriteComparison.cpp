#include "decoding/WriteComparison.h"

#include "decoding/ReplyLayout.h"
#include "decoding/StatusBits.h"
#include "decoding/TextCode.h"
#include "encoding/Primitives.h"
#include "encoding/SentenceLayout.h"
#include "model/FieldTable.h"
#include "model/PackedSettings.h"

namespace aisset {

namespace {

// A field as the unit keeps it: a text field read through the text code.
QString unitForm(int slot, const QString &cut) { return field(slot).wire == WireForm::BlankFilled ? B8TO6(cut) : cut; }

// The 24 bits of the packed characters as written: six-bit ASCII.
QString writtenStatusBits(const QString &packed)
{
    QString bits;
    for (QChar c : packed)
        bits += Allc(A10TO2(sixBitValue(c)), 6);
    return bits;
}

// The same bits as the unit sends them: armoured six-bit characters.
QString unitStatusBits(const QString &status)
{
    QString bits;
    for (int i = 0; i < kStatusLength; ++i)
        bits += armouredDigits(status.mid(i, 1));
    return bits;
}

void comparePacked(const QString &packed, const QString &line, QList<FieldDifference> &differences)
{
    const StatusRunTexts written = cutStatusRuns(writtenStatusBits(packed));
    const StatusRunTexts unit = cutStatusRuns(unitStatusBits(cutAt(line, kStatusPosition, kStatusLength)));
    for (const PackedSetting &setting : packedSettings()) {
        const auto s = std::size_t(setting.slot);
        const QString w = QString::number(A2TO10(written[s]));
        const QString u = QString::number(A2TO10(unit[s]));
        if (w != u)
            differences.append({setting.slot, w, u});
    }
}

} // namespace

QList<FieldDifference> compareWrite(const QString &sentence, const QString &parameterLine)
{
    QList<FieldDifference> differences;
    const SentenceLayout *layout = sentenceLayoutFor(sentenceAddress(sentence));
    if (!layout)
        return differences;
    const QString body = sentenceBody(sentence);
    qsizetype at = 0;
    for (int s : wireFields(layout->group)) {
        const int width = field(s).wireWidth;
        const QString written = body.mid(at, width);
        const QString unit = unitForm(s, cutField(parameterLine, s));
        if (written != unit)
            differences.append({s, written, unit});
        at += width;
    }
    if (layout->packedWidth > 0)
        comparePacked(body.mid(at, layout->packedWidth), parameterLine, differences);
    return differences;
}

} // namespace aisset
