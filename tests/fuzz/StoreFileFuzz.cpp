// A profile store whose section file holds arbitrary bytes: the bookkeeping
// section or a ship's section is damaged, then the store is opened, its keys and
// records are read and one own-ship page is saved. No crash, no sanitizer
// report, and the save keeps what could be read: every ship listed before is
// listed after, in the same place, and the ship's keys of the other pages stay.
// Parsed from bytes alone, any file is written back byte for byte.
// The sections live in memory as the bytes of their files: a disk and its
// flushes would take most of each run.
#include "FuzzInput.h"
#include "FormFixture.h"
#include "model/FieldInput.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"
#include "store/RecordSaver.h"
#include "store/SectionFile.h"
#include "store/StoreBackend.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>

#include <cstdlib>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

const QString kShip = u"412345678"_s;

QStringList otherPageKeys(const QStringList &record)
{
    QStringList kept;
    for (const FieldInfo &f : fieldTable())
        if (f.group != Group::OwnShip)
            kept << record.at(f.slot);
    return kept;
}

// The store's sections as their files would hold them, in memory. A section is
// made out from its bytes once and again after every write, as a write and the
// next read of its file would; names compare without regard to case.
class MemoryBackend final : public StoreBackend {
public:
    explicit MemoryBackend(QString lockPath) : lockPath_(std::move(lockPath)) {}

    void setBytes(const QString &application, const QString &section, QByteArrayView bytes)
    {
        files_[application.toCaseFolded()].insert(section.toCaseFolded(), SectionFile::fromBytes(bytes));
    }

    QList<std::optional<QString>> read(const QString &application, const QString &section,
                                       const QStringList &keys) const override
    {
        const SectionFile file = stored(application, section);
        QList<std::optional<QString>> values(keys.size());
        for (qsizetype i = 0; i < keys.size(); ++i)
            values[i] = file.value(keys[i]);
        return values;
    }

    bool write(const QString &application, const QString &section, const QList<KeyChange> &changes) override
    {
        SectionFile file = stored(application, section);
        for (const KeyChange &change : changes) {
            if (!change.value)
                file.remove(change.key);
            else if (change.append)
                file.appendToValue(change.key, *change.value);
            else
                file.setValue(change.key, *change.value);
        }
        setBytes(application, section, file.toBytes());
        return true;
    }

    QStringList sections(const QString &application) const override
    {
        return files_.value(application.toCaseFolded()).keys();
    }

    QString lockPath() const override { return lockPath_; }
    QString location() const override { return u"memory"_s; }

private:
    // A section never written is an empty file.
    SectionFile stored(const QString &application, const QString &section) const
    {
        return files_.value(application.toCaseFolded()).value(section.toCaseFolded(), SectionFile::fromBytes({}));
    }

    QString lockPath_;
    QHash<QString, QHash<QString, SectionFile>> files_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The store's lock file is flushed to disk on every save: on a memory file
    // system, where there is one, that costs nothing.
    static QTemporaryDir lockDir(QDir(u"/dev/shm"_s).exists() ? u"/dev/shm/aisset-fuzz-XXXXXX"_s
                                                               : QDir::tempPath() + u"/aisset-fuzz-XXXXXX"_s);

    // Whatever the bytes, a file read and written again is the same file.
    const QByteArrayView bytes(data, size);
    check(SectionFile::fromBytes(bytes).toBytes() == bytes);

    // The first byte picks the damaged section; the rest is its file.
    const QString section = size > 0 && data[0] % 2 ? kShip : u"content"_s;
    auto backend = std::make_unique<MemoryBackend>(lockDir.filePath(u"store.lock"_s));
    if (size > 1)
        backend->setBytes(u"VARID"_s, section, bytes.sliced(1));
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
    check(RecordSaver(store).saveOwnShipRecord(f.form) == SaveResult::Saved);

    const QStringList after = records.recordNames();
    check(after.mid(0, before.size()) == before);
    const QStringList shipAfter = records.readRecord(kShip);
    check(otherPageKeys(shipAfter) == otherPageKeys(shipBefore));
    check(shipAfter.at(slot::mmsi) == kShip);
    return 0;
}
