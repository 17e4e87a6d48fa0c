#include "decoding/StatusBits.h"

#include "encoding/Primitives.h"
#include "model/Form.h"
#include "model/PackedSettings.h"

#include <QStringList>

namespace aisset {

namespace {

// The unit's armouring: codes from 88 on are shifted by 56, those below by 48.
// The limit is 88, so "X".."_" land on 32-39 as "P".."W" do.
constexpr int kArmourLimit = 88;

qint64 armouredValue(const QString &hexCode)
{
    const qint64 code = A16to10(hexCode);
    return code >= kArmourLimit ? code - 56 : code - 48;
}

} // namespace

QString armouredDigits(const QString &character) { return Allc(A10TO2(armouredValue(btoascT(character))), 6); }

UnpackedStatus unpackStatus(const QString &fourChars)
{
    UnpackedStatus out;
    out.trace.append(traceWords(traceHead::readCharacters) + fourChars);

    QStringList hex;
    for (int i = 0; i < 4; ++i)
        hex.append(btoascT(fourChars.mid(i, 1))); // a missing character gives ""
    out.trace.append(traceWords(traceHead::readHex) + hex.join(u','));

    QStringList binary;
    for (const QString &h : hex)
        binary.append(A10TO2(armouredValue(h)));
    out.trace.append(traceWords(traceHead::readBinary) + binary.join(u','));

    QStringList padded;
    for (const QString &b : binary)
        padded.append(Allc(b, 6));
    out.trace.append(traceWords(traceHead::readPadded) + padded.join(u','));

    out.bits = padded.join(QString());
    out.trace.append(traceWords(traceHead::readBits) + out.bits);
    return out;
}

QString A6T8(Form &form, const QString &fourChars)
{
    UnpackedStatus unpacked = unpackStatus(fourChars);
    for (const QString &line : unpacked.trace)
        form.appendSentCommand(line);
    return unpacked.bits;
}

StatusRunTexts cutStatusRuns(const QString &bits)
{
    StatusRunTexts runs;
    for (const PackedSetting &setting : packedSettings())
        runs[std::size_t(setting.slot)] = bits.mid(setting.firstBit - 1, setting.width);
    return runs;
}

} // namespace aisset
