#include "validation/CharacterChecks.h"

namespace aisset {

QString checkasc(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c.unicode() >= 32 && c.unicode() <= 95)
            out.append(c);
    return out;
}

QString getUCase(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const bool maskChar = c == u'_' || c == u'年' || c == u'月' || c == u'日' || c == u'米' || c == u'.';
        out.append(maskChar ? c : c.toUpper());
    }
    return out;
}

} // namespace aisset
