// A profile store whose section file holds arbitrary bytes: the bookkeeping
// section or a ship's section is damaged, then the store is opened, its keys and
// records are read and one own-ship page is saved. No crash, no sanitizer
// report, and the save keeps what could be read: every ship listed before is
// listed after, in the same place, and the ship's keys of the other pages stay.
// Parsed from bytes alone, any file is written back byte for byte.
#include "FieldInput.h"
#include "FileBackend.h"
#include "FormFixture.h"
#include "ProfileRecords.h"
#include "ProfileStore.h"
#include "RecordSaver.h"
#include "SectionFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString root = dir.path() + u"/store"_qs;
    QDir(root).removeRecursively();

    // Whatever the bytes, a file read and written again is the same file.
    const QByteArrayView bytes(data, size);
    check(SectionFile::fromBytes(bytes).toBytes() == bytes);

    // The first byte picks the damaged section; the rest is its file.
    const QString section = size > 0 && data[0] % 2 ? kShip : u"content"_qs;
    const QString path = sectionFilePath(root, u"VARID"_qs, section);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    if (size > 1)
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    file.close();

    ProfileStore store(root);
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
