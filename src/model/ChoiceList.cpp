#include "model/ChoiceList.h"

namespace aisset {

bool ChoiceList::select(int position)
{
    if (position < -1 || position >= count())
        return false;
    position_ = position;
    return true;
}

bool ChoiceList::selectText(const QString &text)
{
    const int at = int(entries_.indexOf(text));
    if (text.isEmpty() || at < 0)
        return false;
    position_ = at;
    return true;
}

void ChoiceList::clear()
{
    entries_.clear();
    position_ = -1;
}

void ChoiceList::setEntries(const QStringList &entries)
{
    entries_ = entries;
    position_ = -1;
}

QString valueText(const QString &choiceText)
{
    const qsizetype bracket = choiceText.indexOf(u'(');
    return bracket < 0 ? choiceText : choiceText.left(bracket);
}

} // namespace aisset
