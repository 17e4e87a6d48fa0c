#pragma once

#include "store/ProfileStore.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace aisset {

// The list of saved ships as kept in section "content": the record names joined
// with "," and their count, a 16-bit signed number that stops at 32,767. Every
// name is listed, whatever the count says: a count out of step with the names
// stands for the names' count, so that no saved ship is hidden by it.
struct RecordList {
    static constexpr qint16 kTopCount = 32767;

    QString names; // empty when nothing is stored
    qint16 count = 0;

    // The listed names.
    QStringList listedNames() const;
    // The part of `names` that is listed.
    QStringView listedPart() const;
    // Whether a name is among the listed ones, found without splitting the list.
    bool lists(QStringView name) const;
};

// The listed names of a record list without a string of their own each: the
// list's text and where each name starts, so that listing 100,000 ships costs
// one pass over the text. A name becomes a string when it is asked for.
class RecordNames {
public:
    RecordNames() = default;
    explicit RecordNames(const RecordList &list);

    qsizetype size() const { return starts_.size(); }
    bool isEmpty() const { return starts_.isEmpty(); }
    QString at(qsizetype index) const;
    QStringList toStringList() const;

private:
    QString text_;
    QList<qsizetype> starts_;
};

// The layout of the records in the profile store: application "VARID", the
// bookkeeping section "content" and one section per ship, named by its MMSI.
class ProfileRecords {
public:
    explicit ProfileRecords(ProfileStore &store) : store_(store) {}

    RecordList readRecordList() const;
    SaveResult writeRecordList(const RecordList &list);
    // The ships to offer for loading, in the order they were first saved.
    QStringList recordNames() const { return readRecordList().listedNames(); }
    // The ships to offer and the skin choice, read in one pass over the
    // bookkeeping section, as the records dialog needs them when it loads.
    struct Listing {
        RecordNames names;
        QString skin;
    };
    Listing readListing() const;
    // Adds the names that are not listed yet to the list, in order, in one locked
    // read-modify-write: the list is read once and, when a name is new, written
    // once. Empty names are left out.
    SaveResult registerRecordNames(const QStringList &names);
    // Forgets the list of ships; their sections stay.
    SaveResult clearRecordList();

    // A ship's stored values, one per field slot in slot order; empty where absent.
    // A listed name without a section of its own reads the section whose name
    // normalises to it (a ship saved with an incomplete MMSI by an older version).
    QStringList readRecord(const QString &recordName) const;
    // The values of the section of exactly that name, one per field slot; empty
    // where absent. No other section is looked for: a new ship's is not there.
    QStringList readSection(const QString &sectionName) const;
    // Whether a ship's section can be read: readRecord gives an unreadable section
    // as empty, as if nothing were stored.
    bool recordReadable(const QString &recordName) const;
    // Writes values of one ship's section in one save.
    SaveResult writeRecord(const QString &recordName, const KeyValues &values);
    // A saving of one page: the page's values written under the ship's name and
    // then the name registered, as one locked change of the store; a ship whose
    // values could not be written is not listed.
    SaveResult saveRecord(const QString &recordName, const KeyValues &values);

    // The serial port last chosen, as stored ("0" when none is).
    QString commPort() const;
    SaveResult saveCommPort(int port);
    // The skin file last chosen ("no" for none; "0" when nothing is stored).
    QString skin() const;
    SaveResult saveSkin(const QString &path);

private:
    // What registering one name needs to know of the stored list.
    struct ListFacts {
        bool listed;
        qsizetype names; // how many names the list holds
    };
    std::optional<ListFacts> peekList(const QString &name) const;
    SaveResult appendNames(const QStringList &added, qsizetype namesBefore);

    ProfileStore &store_;
};

} // namespace aisset
