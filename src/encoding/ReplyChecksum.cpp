#include "encoding/ReplyChecksum.h"

#include "encoding/Primitives.h"

namespace aisset {

namespace {

bool isHexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

// Where a whole parameter line has its "*": after "!CVSET," and the 107-character body.
constexpr qsizetype kLayoutStar = 114;

} // namespace

bool replyChecksumMatches(const QString &line)
{
    QStringView text(line);
    if (text.endsWith(u"\r\n"))
        text.chop(2);
    // At least the start character and one checked character before the "*".
    const auto fieldAt = [&text](qsizetype star) {
        return star >= 2 && star + 2 < text.size() && text[star] == u'*' && isHexDigit(text[star + 1]) &&
               isHexDigit(text[star + 2]);
    };
    const qsizetype star = fieldAt(kLayoutStar) ? kLayoutStar : text.size() - 3;
    if (!fieldAt(star))
        return false;
    return checksum(text.mid(1, star - 1).toString()) == text.mid(star + 1, 2).toString().toUpper();
}

} // namespace aisset
