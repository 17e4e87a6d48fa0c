#include "decoding/FieldDecoders.h"

#include "decoding/DecodeContext.h"
#include "decoding/TextCode.h"
#include "encoding/Primitives.h"

#include <cmath>

namespace aisset::decode {

void date(DecodeContext &context, int slot, const QString &cut)
{
    const QString yy = cut.mid(0, 2);
    const QString mm = cut.mid(2, 2);
    const QString dd = cut.mid(4, 2);
    context.addCut(cut);
    context.addValue(yy);
    context.addValue(mm);
    context.addValue(dd);
    context.putEdit(slot, yy + u'年' + mm + u'月' + dd + u'日');
}

void digits(DecodeContext &context, int slot, const QString &cut)
{
    context.addCut(cut);
    context.addValue(cut);
    context.putEdit(slot, cut);
}

void digitsNoComma(DecodeContext &context, int slot, const QString &cut)
{
    context.addCut(cut, false);
    context.addValue(cut, false);
    context.putEdit(slot, cut);
}

void text(DecodeContext &context, int slot, const QString &cut)
{
    const QString decoded = B8TO6(cut);
    context.addCut(decoded);
    context.addValue(decoded);
    context.putEdit(slot, decoded);
}

void draught(DecodeContext &context, int slot, const QString &cut)
{
    const double tenths = NumVal(cut);
    const QString metresText = tenths == 0 ? QStringLiteral("00.0") : Allc(QString::number(tenths / 10, 'f', 1), 4);
    context.addCut(cut);
    context.addValue(metresText);
    context.putEdit(slot, metresText + u'米');
}

void metres(DecodeContext &context, int slot, const QString &cut)
{
    context.addCut(cut);
    context.addValue(cut);
    context.putEdit(slot, cut + u'米');
}

void shipType(DecodeContext &context, int slot, const QString &cut)
{
    QString code = cut;
    if (code.size() <= 1 && NumVal(code) < 10)
        code.prepend(u'0');
    context.addCut(cut);
    context.addValue(code);
    context.selectByLeading(slot, 2, code, true);
}

void epfdType(DecodeContext &context, int slot, const QString &cut)
{
    context.addCut(cut);
    context.addValue(cut);
    context.selectByLeading(slot, 1, cut, true);
}

void channel(DecodeContext &context, int slot, const QString &cut)
{
    QString number = cut;
    if (number.size() <= 3 && NumVal(number) < 10)
        number = Allc(number, 4);
    context.addCut(cut);
    context.addValue(cut);
    context.selectByLeading(slot, 4, number, false);
}

void distance(DecodeContext &context, int slot, const QString &cut)
{
    // The number made whole by rounding (half to even); anything that is no
    // list position at all is passed on as -1, which selects nothing.
    const double position = std::nearbyint(NumVal(cut));
    context.addCut(cut);
    context.addValue(cut);
    context.selectPosition(slot, position >= 0 && position < 1e6 ? static_cast<qint64>(position) : -1);
}

} // namespace aisset::decode
