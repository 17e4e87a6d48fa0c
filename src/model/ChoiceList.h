#pragma once

#include <QString>
#include <QStringList>

namespace aisset {

// A drop-down choice list without free text: ordered entries and a selected
// position, -1 for none. Its text is the selected entry's text, or empty.
class ChoiceList {
public:
    const QStringList &entries() const { return entries_; }
    int count() const { return int(entries_.size()); }
    int position() const { return position_; }
    QString text() const { return position_ >= 0 ? entries_[position_] : QString(); }

    // Position -1 selects none; any other position outside the list is refused.
    bool select(int position);
    // Selects the first entry whose text equals the given text exactly; anything
    // else, the empty text included, is refused and the selection stays.
    bool selectText(const QString &text);
    // Removes every entry.
    void clear();
    void append(const QString &entry) { entries_.append(entry); }
    void setEntries(const QStringList &entries);

private:
    QStringList entries_;
    int position_ = -1;
};

// The part of a choice text before the first "(", or the whole text without one:
// "2087(161.9750)MHz" gives "2087", "6(导航系统" gives "6".
QString valueText(const QString &choiceText);

} // namespace aisset
