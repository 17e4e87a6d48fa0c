#include "decoding/ReplyLayout.h"

#include "model/FieldTable.h"

namespace aisset {

QString cutAt(const QString &line, int position, int length)
{
    // mid() clips at the end of the line, so a short line yields a short or empty cut.
    return line.mid(position - 1, length);
}

QString cutField(const QString &line, int slot)
{
    const FieldInfo &f = field(slot);
    return cutAt(line, f.replyPos, f.replyLength);
}

} // namespace aisset
