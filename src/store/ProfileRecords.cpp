#include "ProfileRecords.h"

#include "FieldTable.h"

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

} // namespace

QStringList RecordList::listedNames() const
{
    if (names.isEmpty() || count <= 0)
        return {};
    QStringList listed = names.split(u',');
    if (listed.size() > count)
        listed.resize(count);
    return listed;
}

RecordList ProfileRecords::readRecordList() const
{
    const QStringList values = store_.readMany(kApplication, kContent, {kNames, kCount}, kAbsent);
    // An absent list reads "0", which stands for the empty list.
    return {values[0] == kAbsent ? QString() : values[0], parseCount(values[1])};
}

void ProfileRecords::writeRecordList(const RecordList &list)
{
    store_.saveMany(kApplication, kContent,
                    {{kNames, list.names}, {kCount, QString::number(list.count)}});
}

void ProfileRecords::clearRecordList()
{
    store_.remove(kApplication, kContent, kNames);
    store_.remove(kApplication, kContent, kCount);
}

QStringList ProfileRecords::readRecord(const QString &recordName) const
{
    QStringList keys;
    for (const FieldInfo &f : fieldTable())
        keys.append(str(f.profileKey));
    return store_.readMany(kApplication, recordName, keys, QString());
}

void ProfileRecords::writeRecord(const QString &recordName, const KeyValues &values)
{
    store_.saveMany(kApplication, recordName, values);
}

QString ProfileRecords::commPort() const
{
    return store_.read(kApplication, kContent, kCommPort, kAbsent);
}

void ProfileRecords::saveCommPort(int port)
{
    store_.save(kApplication, kContent, kCommPort, QString::number(port));
}

QString ProfileRecords::skin() const
{
    return store_.read(kApplication, kContent, kSkin, kAbsent);
}

void ProfileRecords::saveSkin(const QString &path)
{
    store_.save(kApplication, kContent, kSkin, path);
}

} // namespace aisset
