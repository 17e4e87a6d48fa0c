// A profile store whose section file holds arbitrary bytes: the bookkeeping
// section or a ship's section is damaged, then the store is opened, its keys and
// records are read and one own-ship page is saved. No crash, no sanitizer
// report, and the save keeps what could be read: every ship listed before is
// listed after, in the same place, and the ship's keys of the other pages stay.
// The sections live in memory, made out by the section file parser: a disk and
// its flushes would take most of each run.
#include "FieldInput.h"
#include "FormFixture.h"
#include "ProfileRecords.h"
#include "ProfileStore.h"
#include "RecordSaver.h"
#include "SectionFile.h"
#include "StoreBackend.h"

#include <QHash>

#include <cstdlib>

using namespace aisset;

namespace {

const QString kShip = u"412345678"_qs;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QStringList otherPageKeys(const QStringList &record)
{
    QStringList kept;
    for (const FieldInfo &f : fieldTable())
        if (f.group != Group::OwnShip)
            kept << record.at(f.slot);
    return kept;
}

// The sections of a store in memory. Names compare without regard to case, as
// in the file backend; a write applies its changes to the section's values.
class MemoryBackend final : public StoreBackend {
public:
    void setContent(const QString &application, const QString &section, QByteArrayView content)
    {
        sections_.insert(address(application, section), parseSectionText(content));
    }

    QList<std::optional<QString>> read(const QString &application, const QString &section,
                                       const QStringList &keys) const override
    {
        const SectionValues stored = sections_.value(address(application, section));
        QList<std::optional<QString>> values(keys.size());
        for (qsizetype i = 0; i < keys.size(); ++i)
            if (const auto found = stored.constFind(keys[i].toCaseFolded()); found != stored.cend())
                values[i] = *found;
        return values;
    }

    void write(const QString &application, const QString &section, const QList<KeyChange> &changes) override
    {
        SectionValues &values = sections_[address(application, section)];
        for (const KeyChange &change : changes) {
            if (change.value)
                values.insert(change.key.toCaseFolded(), *change.value);
            else
                values.remove(change.key.toCaseFolded());
        }
    }

private:
    static QString address(const QString &application, const QString &section)
    {
        return application.toCaseFolded() + u'/' + section.toCaseFolded();
    }

    QHash<QString, SectionValues> sections_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks the damaged section; the rest is its file.
    const QString section = size > 0 && data[0] % 2 ? kShip : u"content"_qs;
    auto backend = std::make_unique<MemoryBackend>();
    if (size > 1)
        backend->setContent(u"VARID"_qs, section, QByteArrayView(data + 1, qsizetype(size - 1)));
    ProfileStore store(std::move(backend));
    ProfileRecords records(store);
    (void)records.commPort();
    (void)records.skin();
    const QStringList before = records.recordNames();
    for (const QString &name : before.mid(0, 4))
        (void)records.readRecord(name);
    const QStringList shipBefore = records.readRecord(kShip);

    test::StartForm f;
    check(enterValue(f.form, slot::mmsi, kShip));
    RecordSaver(store).saveOwnShipRecord(f.form);

    const QStringList after = records.recordNames();
    check(after.mid(0, before.size()) == before);
    const QStringList shipAfter = records.readRecord(kShip);
    check(otherPageKeys(shipAfter) == otherPageKeys(shipBefore));
    check(shipAfter.at(slot::mmsi) == kShip);
    return 0;
}
