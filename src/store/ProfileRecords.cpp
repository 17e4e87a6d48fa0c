#include "store/ProfileRecords.h"

#include "model/FieldTable.h"
#include "model/Normalise.h"
#include "model/StoreNames.h"

#include <QSet>

#include <algorithm>
#include <optional>

namespace aisset {

using namespace Qt::StringLiterals;

namespace {

const QString kApplication = storeName::application.toString();
const QString kContent = storeName::bookkeeping.toString();
const QString kNames = storeName::recordNames.toString();
const QString kCount = storeName::recordCount.toString();
const QString kCommPort = storeName::commPort.toString();
const QString kSkin = storeName::skin.toString();
const QString kAbsent = u"0"_s; // default of every bookkeeping key

// The count as the 16-bit number it is handled as; text that is no such number
// leaves it at 0.
qint16 parseCount(const QString &text)
{
    bool ok = false;
    const short count = text.trimmed().toShort(&ok);
    return ok ? count : 0;
}

QStringList recordKeys()
{
    QStringList keys;
    for (const FieldInfo &f : fieldTable())
        keys.append(str(f.profileKey));
    return keys;
}

// The separator of the names, in the list's text and in its bytes.
template <typename View>
constexpr char kComma = ',';
template <>
constexpr char16_t kComma<QStringView> = u',';

// How many names a non-empty list's text holds.
template <typename View>
qsizetype nameCountOf(View names)
{
    return names.isEmpty() ? 0 : names.count(kComma<View>) + 1;
}

// The count "nn" to store for a list of that many names: 16-bit, so it stops at
// its top.
qint16 countFor(qsizetype names) { return qint16(std::min<qsizetype>(names, RecordList::kTopCount)); }

// Whether a non-empty name stands between commas in the listed part.
template <typename View>
bool holdsName(View part, View name)
{
    for (qsizetype at = part.indexOf(name); at >= 0; at = part.indexOf(name, at + 1)) {
        const qsizetype end = at + name.size();
        if ((at == 0 || part[at - 1] == kComma<View>)&&(end == part.size() || part[end] == kComma<View>))
            return true;
    }
    return false;
}

QStringList presentOrEmpty(const QList<std::optional<QString>> &values)
{
    QStringList record;
    record.reserve(values.size());
    for (const std::optional<QString> &value : values)
        record.append(value.value_or(QString()));
    return record;
}

} // namespace

// Every name is listed: a count out of step with the names (hand-edited, cut
// short, another tool's) stands for the names' count, so that no saved ship is
// hidden by it.
QStringView RecordList::listedPart() const { return names; }

QStringList RecordList::listedNames() const { return RecordNames(*this).toStringList(); }

RecordNames::RecordNames(const RecordList &list) : text_(list.names)
{
    if (list.names.isEmpty())
        return;
    const QStringView part = list.listedPart();
    text_.truncate(part.size());
    for (qsizetype start = 0;;) {
        starts_.append(start);
        const qsizetype comma = text_.indexOf(u',', start);
        if (comma < 0)
            break;
        start = comma + 1;
    }
}

QString RecordNames::at(qsizetype index) const
{
    const qsizetype start = starts_.at(index);
    const qsizetype end = index + 1 < starts_.size() ? starts_[index + 1] - 1 : text_.size();
    return text_.sliced(start, end - start);
}

QStringList RecordNames::toStringList() const
{
    QStringList names;
    names.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        names.append(at(i));
    return names;
}

bool RecordList::lists(QStringView name) const
{
    if (names.isEmpty())
        return false;
    if (name.isEmpty())
        return listedNames().contains(QString());
    return holdsName(listedPart(), name);
}

namespace {
// An absent list reads "0", which stands for the empty list.
RecordList recordList(const QString &names, const QString &count)
{
    return {names == kAbsent ? QString() : names, parseCount(count)};
}
} // namespace

RecordList ProfileRecords::readRecordList() const
{
    const QStringList values = store_.readMany(kApplication, kContent, {kNames, kCount}, kAbsent);
    return recordList(values[0], values[1]);
}

ProfileRecords::Listing ProfileRecords::readListing() const
{
    const QStringList values = store_.readMany(kApplication, kContent, {kNames, kCount, kSkin}, kAbsent);
    return {RecordNames(recordList(values[0], values[1])), values[2]};
}

SaveResult ProfileRecords::writeRecordList(const RecordList &list)
{
    return store_.saveMany(kApplication, kContent, {{kNames, list.names}, {kCount, QString::number(list.count)}});
}

std::optional<ProfileRecords::ListFacts> ProfileRecords::peekList(const QString &name) const
{
    std::optional<ListFacts> facts;
    const QByteArray wanted = name.toUtf8();
    (void)store_.peek(kApplication, kContent, {kNames, kCount}, [&](const QList<std::optional<QByteArrayView>> &v) {
        // An absent list reads "0", which stands for the empty list.
        const QByteArrayView names = v[0] && *v[0] != "0" ? *v[0] : QByteArrayView();
        facts = ListFacts{holdsName(names, QByteArrayView(wanted)), nameCountOf(names)};
    });
    return facts;
}

SaveResult ProfileRecords::appendNames(const QStringList &added, qsizetype namesBefore)
{
    if (added.isEmpty())
        return SaveResult::Saved;
    const bool listEmpty = namesBefore == 0;
    const qint16 count = countFor(namesBefore + added.size());
    // The new names are appended to the stored text as they are, so that the
    // names before them stay byte for byte what they were.
    const QString tail = added.join(u',');
    const KeyChange grown = listEmpty ? KeyChange{kNames, tail} : KeyChange{kNames, u',' + tail, true};
    return store_.apply(kApplication, kContent, {grown, {kCount, QString::number(count)}});
}

SaveResult ProfileRecords::registerRecordNames(const QStringList &names)
{
    return store_.locked([&] {
        // One ship's saving looks its name up in the stored bytes: at 100,000 ships
        // the list is a megabyte, and decoding it would cost more than the saving.
        if (names.size() == 1 && !names[0].isEmpty()) {
            if (const std::optional<ListFacts> facts = peekList(names[0]))
                return facts->listed ? SaveResult::Saved : appendNames(names, facts->names);
        }
        const RecordList list = readRecordList();
        // One name is looked for in the list as it is; many are looked up in a set.
        QSet<QStringView> listed;
        if (names.size() > 1)
            for (const QStringView name : list.listedPart().split(u','))
                listed.insert(name);
        QStringList added;
        QSet<QString> seen;
        for (const QString &name : names) {
            if (name.isEmpty() || seen.contains(name))
                continue;
            if (names.size() > 1 ? listed.contains(name) : list.lists(name))
                continue;
            seen.insert(name);
            added.append(name);
        }
        return appendNames(added, nameCountOf(QStringView(list.names)));
    });
}

SaveResult ProfileRecords::clearRecordList()
{
    return store_.apply(kApplication, kContent, {{kNames, std::nullopt}, {kCount, std::nullopt}});
}

QStringList ProfileRecords::readRecord(const QString &recordName) const
{
    const QStringList keys = recordKeys();
    QList<std::optional<QString>> values = store_.readPresent(kApplication, recordName, keys);
    const auto none = [](const QList<std::optional<QString>> &v) {
        return std::none_of(v.cbegin(), v.cend(), [](const auto &value) { return value.has_value(); });
    };
    // Looking through every section is slow in a large store, but only a ship
    // saved under its incomplete MMSI comes here.
    if (none(values) && !recordName.isEmpty()) {
        for (const QString &section : store_.sections(kApplication)) {
            if (section.compare(recordName, Qt::CaseInsensitive) == 0 || ccg(section) != recordName)
                continue;
            values = store_.readPresent(kApplication, section, keys);
            if (!none(values))
                break;
        }
    }
    return presentOrEmpty(values);
}

QStringList ProfileRecords::readSection(const QString &sectionName) const
{
    return presentOrEmpty(store_.readPresent(kApplication, sectionName, recordKeys()));
}

bool ProfileRecords::recordReadable(const QString &recordName) const
{
    return store_.readable(kApplication, recordName);
}

SaveResult ProfileRecords::writeRecord(const QString &recordName, const KeyValues &values)
{
    return store_.saveMany(kApplication, recordName, values);
}

SaveResult ProfileRecords::saveRecord(const QString &recordName, const KeyValues &values)
{
    // The values first: a saving cut short between the two steps leaves a ship
    // unlisted, never a listed ship without values. A ship whose values could not
    // be written is not listed either.
    return store_.locked([&] {
        const SaveResult written = writeRecord(recordName, values);
        return written == SaveResult::Saved ? registerRecordNames({recordName}) : written;
    });
}

QString ProfileRecords::commPort() const { return store_.read(kApplication, kContent, kCommPort, kAbsent); }

SaveResult ProfileRecords::saveCommPort(int port)
{
    return store_.save(kApplication, kContent, kCommPort, QString::number(port));
}

QString ProfileRecords::skin() const { return store_.read(kApplication, kContent, kSkin, kAbsent); }

SaveResult ProfileRecords::saveSkin(const QString &path) { return store_.save(kApplication, kContent, kSkin, path); }

} // namespace aisset
