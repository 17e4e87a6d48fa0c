#pragma once

#include "ProfileStore.h"

#include <QString>
#include <QStringList>

namespace aisset {

// The list of saved ships as kept in section "content": the record names joined
// with "," and their count, a 16-bit signed number.
struct RecordList {
    QString names;    // empty when nothing is stored
    qint16 count = 0;

    // The first `count` names; fewer when the list holds fewer.
    QStringList listedNames() const;
};

// The layout of the records in the profile store: application "VARID", the
// bookkeeping section "content" and one section per ship, named by its MMSI.
class ProfileRecords {
public:
    explicit ProfileRecords(ProfileStore &store) : store_(store) {}

    RecordList readRecordList() const;
    void writeRecordList(const RecordList &list);
    // The ships to offer for loading, in the order they were first saved.
    QStringList recordNames() const { return readRecordList().listedNames(); }
    // Forgets the list of ships; their sections stay.
    void clearRecordList();

    // A ship's stored values, one per field slot in slot order; empty where absent.
    QStringList readRecord(const QString &recordName) const;
    // Writes values of one ship's section in one save.
    void writeRecord(const QString &recordName, const KeyValues &values);

    // The serial port last chosen, as stored ("0" when none is).
    QString commPort() const;
    void saveCommPort(int port);
    // The skin file last chosen ("no" for none; "0" when nothing is stored).
    QString skin() const;
    void saveSkin(const QString &path);

private:
    ProfileStore &store_;
};

} // namespace aisset
