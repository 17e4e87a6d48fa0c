#include "decoding/DecodeContext.h"

#include "model/Form.h"
#include "model/Host.h"

#include <QStringView>

namespace aisset {

void DecodeContext::addCut(const QString &text, bool comma)
{
    cutList_ += text;
    if (comma)
        cutList_ += u',';
}

void DecodeContext::addValue(const QString &text, bool comma)
{
    valueList_ += text;
    if (comma)
        valueList_ += u',';
}

void DecodeContext::putEdit(int slot, const QString &value)
{
    // The model would place a shorter text as if typed; a cut value either fills
    // the mask or is not shown at all.
    const QString &mask = form_.edit(slot).mask();
    if (!mask.isEmpty() && value.size() != mask.size())
        return;
    (void)form_.setEditText(slot, value);
}

void DecodeContext::selectByLeading(int slot, int width, const QString &leading, bool yieldEachStep)
{
    // A copy: the events run while scanning may touch the form.
    const QStringList entries = form_.choice(slot).entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (yieldEachStep)
            host_.processEvents();
        if (QStringView(entries[i]).left(width) == leading) {
            (void)form_.selectChoice(slot, int(i));
            return;
        }
    }
}

void DecodeContext::selectPosition(int slot, qint64 position)
{
    // Only real positions: -1 would clear a selection rather than leave it.
    if (position >= 0 && position < form_.choice(slot).count())
        (void)form_.selectChoice(slot, int(position));
}

void DecodeContext::selectText(int slot, const QString &text) { (void)form_.selectChoiceText(slot, text); }

bool DecodeContext::showsEntry(int slot) const { return form_.choice(slot).position() >= 0; }

} // namespace aisset
