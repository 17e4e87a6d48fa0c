#include "ProfileRecords.h"

#include "FieldTable.h"
#include "Normalise.h"

#include <QSet>

#include <algorithm>

namespace aisset {

using namespace Qt::StringLiterals;

namespace {

const QString kApplication = u"VARID"_s;
const QString kContent = u"content"_s;
const QString kNames = u"fname"_s;
const QString kCount = u"nn"_s;
const QString kCommPort = u"Commport"_s;
const QString kSkin = u"skin"_s;
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

} // namespace

QStringView RecordList::listedPart() const
{
    if (names.isEmpty() || count <= 0)
        return {};
    if (count == kTopCount)
        return names;
    qsizetype end = -1;
    for (int i = 0; i < count; ++i) {
        end = names.indexOf(u',', end + 1);
        if (end < 0)
            return names;
    }
    return QStringView(names).first(end);
}

QStringList RecordList::listedNames() const
{
    if (names.isEmpty() || count <= 0)
        return {};
    return listedPart().toString().split(u',');
}

bool RecordList::lists(QStringView name) const
{
    if (names.isEmpty() || count <= 0)
        return false;
    if (name.isEmpty())
        return listedNames().contains(QString());
    const QStringView part = listedPart();
    for (qsizetype at = part.indexOf(name); at >= 0; at = part.indexOf(name, at + 1)) {
        const qsizetype end = at + name.size();
        if ((at == 0 || part[at - 1] == u',') && (end == part.size() || part[end] == u','))
            return true;
    }
    return false;
}

RecordList ProfileRecords::readRecordList() const
{
    const QStringList values = store_.readMany(kApplication, kContent, {kNames, kCount}, kAbsent);
    // An absent list reads "0", which stands for the empty list.
    return {values[0] == kAbsent ? QString() : values[0], parseCount(values[1])};
}

SaveResult ProfileRecords::writeRecordList(const RecordList &list)
{
    return store_.saveMany(kApplication, kContent,
                           {{kNames, list.names}, {kCount, QString::number(list.count)}});
}

SaveResult ProfileRecords::registerRecordNames(const QStringList &names)
{
    return store_.locked([&] {
        RecordList list = readRecordList();
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
            // At its top the count stays, and lists every name from then on.
            if (list.count < RecordList::kTopCount)
                ++list.count;
        }
        if (added.isEmpty())
            return SaveResult::Saved;
        // The new names are appended to the stored text as they are, so that
        // the names before them stay byte for byte what they were.
        const QString tail = added.join(u',');
        const KeyChange grown = list.names.isEmpty() ? KeyChange{kNames, tail}
                                                     : KeyChange{kNames, u',' + tail, true};
        return store_.apply(kApplication, kContent, {grown, {kCount, QString::number(list.count)}});
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
    QStringList record;
    record.reserve(values.size());
    for (const std::optional<QString> &value : values)
        record.append(value.value_or(QString()));
    return record;
}

SaveResult ProfileRecords::writeRecord(const QString &recordName, const KeyValues &values)
{
    return store_.saveMany(kApplication, recordName, values);
}

SaveResult ProfileRecords::saveRecord(const QString &recordName, const KeyValues &values)
{
    return store_.locked([&] {
        const SaveResult registered = registerRecordNames({recordName});
        return worstOf(registered, writeRecord(recordName, values));
    });
}

QString ProfileRecords::commPort() const
{
    return store_.read(kApplication, kContent, kCommPort, kAbsent);
}

SaveResult ProfileRecords::saveCommPort(int port)
{
    return store_.save(kApplication, kContent, kCommPort, QString::number(port));
}

QString ProfileRecords::skin() const
{
    return store_.read(kApplication, kContent, kSkin, kAbsent);
}

SaveResult ProfileRecords::saveSkin(const QString &path)
{
    return store_.save(kApplication, kContent, kSkin, path);
}

} // namespace aisset
