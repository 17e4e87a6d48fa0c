#include "encoding/ReplyChecksum.h"

#include "encoding/Primitives.h"

namespace aisset {

namespace {

bool isHexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

} // namespace

bool replyChecksumMatches(const QString &line)
{
    QStringView text(line);
    if (text.endsWith(u"\r\n"))
        text.chop(2);
    const qsizetype star = text.size() - 3;
    // At least the start character and one checked character before the "*".
    if (star < 2 || text[star] != u'*' || !isHexDigit(text[star + 1]) || !isHexDigit(text[star + 2]))
        return false;
    return checksum(text.mid(1, star - 1).toString()) == text.mid(star + 1).toString().toUpper();
}

} // namespace aisset
