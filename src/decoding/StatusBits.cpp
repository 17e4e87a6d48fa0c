#include "StatusBits.h"

#include "Form.h"
#include "Primitives.h"

#include <QStringList>

namespace aisset {

namespace {

constexpr std::array<StatusRun, 15> kRuns{{
    {slot::customMessage, 1, 1},  {slot::autoVhfOff, 2, 1},      {slot::autoRange, 3, 1},
    {slot::aisTransmit, 4, 1},    {slot::arrivalRange, 5, 4},    {slot::dataOutput, 9, 2},
    {slot::alarm16, 11, 1},       {slot::approachDisplay, 12, 1}, {slot::lightPrompt, 13, 1},
    {slot::alarmVolume, 14, 3},   {slot::gpsOutput, 17, 1},      {slot::vhfTalk, 18, 1},
    {slot::keyBrightness, 19, 2}, {slot::lcdMode, 21, 1},        {slot::promptVolume, 22, 3},
}};

// The unit's armouring: codes from 88 on are shifted by 56, those below by 48.
// The limit is 88, so "X".."_" land on 32-39 as "P".."W" do.
constexpr int kArmourLimit = 88;

qint64 armouredValue(const QString &hexCode)
{
    const qint64 code = A16to10(hexCode);
    return code >= kArmourLimit ? code - 56 : code - 48;
}

} // namespace

const std::array<StatusRun, 15> &statusRuns() { return kRuns; }

QString armouredDigits(const QString &character) { return Allc(A10TO2(armouredValue(btoascT(character))), 6); }

QString A6T8(Form &form, const QString &fourChars)
{
    form.appendSentCommand(QStringLiteral("字符串: ") + fourChars);

    QStringList hex;
    for (int i = 0; i < 4; ++i)
        hex.append(btoascT(fourChars.mid(i, 1))); // a missing character gives ""
    form.appendSentCommand(QStringLiteral("16进制: ") + hex.join(u','));

    QStringList binary;
    for (const QString &h : hex)
        binary.append(A10TO2(armouredValue(h)));
    form.appendSentCommand(QStringLiteral("2进制: ") + binary.join(u','));

    QStringList padded;
    for (const QString &b : binary)
        padded.append(Allc(b, 6));
    form.appendSentCommand(QStringLiteral("2进制转6位: ") + padded.join(u','));

    const QString bits = padded.join(QString());
    form.appendSentCommand(QStringLiteral("24位: ") + bits);
    return bits;
}

StatusRunTexts cutStatusRuns(const QString &bits)
{
    StatusRunTexts runs;
    for (const StatusRun &r : kRuns)
        runs[std::size_t(r.slot)] = bits.mid(r.firstBit - 1, r.width);
    return runs;
}

} // namespace aisset
