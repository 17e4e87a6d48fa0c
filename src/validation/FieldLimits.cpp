#include "validation/FieldLimits.h"

#include "encoding/BuildSupport.h"
#include "model/FieldTable.h"
#include "validation/CharacterChecks.h"

#include <QChar>
#include <QList>

using namespace Qt::StringLiterals;

namespace aisset {

namespace {

QString fromCodePoint(char32_t character) { return QString::fromUcs4(&character, 1); }

} // namespace

bool fitsSixBitAfterUpperCase(char32_t character)
{
    const QString text = fromCodePoint(character);
    const QString upper = getUCase(text);
    return !upper.isEmpty() && checkasc(upper) == upper;
}

bool isSixBitField(int slot) { return slot == slot::callSign || slot == slot::shipName || slot == slot::vendorNumber; }

std::optional<char32_t> firstCharacterFieldCannotHold(int slot, const QString &value)
{
    if (const std::optional<char32_t> c = firstNonDigit(slot, value))
        return c;
    const bool sixBit = isSixBitField(slot);
    for (const uint c : value.toUcs4())
        if (isControlCharacter(c) || (sixBit && !fitsSixBitAfterUpperCase(c)))
            return c;
    return std::nullopt;
}

QString describeCharacter(char32_t character)
{
    const QString code = u"U+"_s + QString::number(uint(character), 16).toUpper().rightJustified(4, u'0');
    if (isControlCharacter(character) || QChar::category(character) == QChar::Other_NotAssigned ||
        QChar::isSurrogate(character))
        return code;
    return QStringLiteral("\"%1\" (%2)").arg(fromCodePoint(character), code);
}

} // namespace aisset
