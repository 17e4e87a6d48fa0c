#include "decoding/TextCode.h"

#include "encoding/Gbk.h"
#include "encoding/Primitives.h"

namespace aisset {

QString B8TO6(const QString &text)
{
    constexpr int kLimit = 95; // "_" (95) already moves; "^" (94) stays
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        // charCode gives the same number as reading back the character's hex form.
        const int code = charCode(c);
        if (code < kLimit) {
            out.append(c);
            continue;
        }
        const int shifted = code - 64;
        if (shifted < 0x80) // a single ASCII byte: no code-page decoding needed
            out.append(QChar(shifted));
        else
            out.append(asctobT(A10to16(shifted)));
    }
    return out;
}

} // namespace aisset
