// aisset-cli records import FILE: merges a records file (as export writes it, or
// as written by hand) into the profile store. A new ship is saved as the window saves it: listed, its keys
// under the store's names. An existing ship gets the keys it lacks; its values
// that differ from the file's are kept unless --replace. The list is read once;
// the ships' sections are written in turns of the store's lock, so that another
// program's saving gets in between; the new names are registered last, in one
// change, so that an import cut short lists no ship without its values.
#include "Commands.h"

#include "Output.h"
#include "RecordFile.h"
#include "model/FieldInput.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"
#include "store/RecordSaver.h"
#include "validation/FieldLimits.h"

#include <QFile>
#include <QSet>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

constexpr qint64 kMaxFileSize = 64 << 20; // bytes; 10,000 ships take about 10 MB

// Puts the ship's texts into a form as the records dialog loads them. A text a
// field does not hold as it stands is entered as the JSON form of encode enters
// it (typed, or a choice by its code), so that a file written by hand is taken
// too. The ship's texts become what the window would save from that form. Gives
// the reason when a text cannot be held, or empty.
QString takeAsTheWindowSaves(ShipRecord &ship)
{
    const bool digits = std::all_of(ship.name.begin(), ship.name.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (ship.name.isEmpty() || ship.name.size() > 9 || !digits)
        return QStringLiteral("the record name must be an MMSI of up to nine digits");
    Form form;
    applyStartState(form);
    for (auto &[slot, value] : ship.values) {
        const FieldInfo &f = field(slot);
        if (const std::optional<char32_t> c = firstCharacterFieldCannotHold(slot, value))
            return QStringLiteral("field \"%1\" cannot hold the character %2").arg(str(f.name), describeCharacter(*c));
        const bool held =
            f.kind == FieldKind::Choice
                ? form.selectChoiceText(slot, value) || selectChoiceValue(form, slot, value)
                : (form.setEditText(slot, value) && form.editText(slot) == value) || enterValue(form, slot, value);
        if (!held)
            return QStringLiteral("field \"%1\" cannot hold \"%2\"").arg(str(f.name), shownValue(value));
        form.setMirror(slot::mmsi, ccg(form.editText(slot::mmsi)));
        value = storedValue(form, f);
        if (slot == slot::mmsi && value != ship.name)
            return QStringLiteral("its mmsi %1 is not its record name").arg(value);
    }
    return {};
}

// What the merge does with one ship.
struct ShipMerge {
    bool isNew = false;
    KeyValues writes;    // by the store's key names
    QStringList changed; // field names written over or added to an existing ship
    QStringList kept;    // field names whose stored value differs and stays
};

ShipMerge plan(const ShipRecord &ship, const QStringList &stored, bool listed, bool replace)
{
    ShipMerge out;
    out.isNew = !listed && std::all_of(stored.begin(), stored.end(), [](const QString &v) { return v.isEmpty(); });
    for (const auto &[slot, value] : ship.values) {
        const QString have = stored.value(slot);
        if (have == value)
            continue;
        const QString name = str(field(slot).name);
        if (!have.isEmpty() && !replace) {
            out.kept << name;
            continue;
        }
        out.writes.append({str(field(slot).profileKey), value});
        if (!out.isNew)
            out.changed << name;
    }
    return out;
}

} // namespace

int runRecordsImport(const CliArgs &args, CliContext &context)
{
    if (args.words.size() != 2)
        return usageError(args, QStringLiteral("import takes one file"));
    QFile file(args.words[1]);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
        return UsageError;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        printError(QStringLiteral("%1 is larger than %2 bytes").arg(file.fileName()).arg(kMaxFileSize));
        return UsageError;
    }
    QList<ReadRecord> records;
    if (const std::optional<QString> error = readRecordFile(bytes, records)) {
        printError(QStringLiteral("%1: %2").arg(file.fileName(), *error));
        return UsageError;
    }

    int refused = 0;
    QList<ShipRecord> ships;
    QSet<QString> names;
    for (ReadRecord &r : records) {
        if (r.refusal.isEmpty())
            r.refusal = names.contains(r.ship.name) ? QStringLiteral("the file has it more than once")
                                                    : takeAsTheWindowSaves(r.ship);
        names.insert(r.ship.name);
        if (r.refusal.isEmpty()) {
            ships << r.ship;
        } else {
            printError(QStringLiteral("refused %1: %2").arg(shownValue(r.ship.name), r.refusal));
            ++refused;
        }
    }

    ProfileRecords &profile = context.profile();
    const QStringList listedNames = profile.recordNames();
    const QSet<QString> listed(listedNames.cbegin(), listedNames.cend());
    QString report;
    int added = 0, changed = 0, kept = 0;
    QStringList newNames;
    qsizetype done = 0;
    SaveResult saved = context.store().lockedInTurns(
        ships.size(),
        [&](qsizetype i) {
            const ShipRecord &ship = ships[i];
            const bool isListed = listed.contains(ship.name);
            // A listed ship may be stored under its older, incomplete name;
            // a new one has its own section or none.
            const QStringList stored = isListed ? profile.readRecord(ship.name) : profile.readSection(ship.name);
            const ShipMerge m = plan(ship, stored, isListed, args.isSet(u"replace"_s));
            const SaveResult written =
                m.writes.isEmpty() ? SaveResult::Saved : profile.writeRecord(ship.name, m.writes);
            if (written == SaveResult::Failed) {
                printError(QStringLiteral("not saved %1").arg(ship.name));
                return written;
            }
            if (m.isNew) {
                report += QStringLiteral("added %1\n").arg(ship.name);
                ++added;
            }
            if (!m.changed.isEmpty()) {
                report += QStringLiteral("changed %1: %2\n").arg(ship.name, m.changed.join(u", "_s));
                ++changed;
            }
            if (!m.kept.isEmpty()) {
                report += QStringLiteral("kept %1: %2\n").arg(ship.name, m.kept.join(u", "_s));
                ++kept;
            }
            if (!isListed)
                newNames << ship.name;
            return written;
        },
        done);
    if (!ships.isEmpty() && done == 0) {
        printError(
            QStringLiteral("nothing imported: the profile store %1 is locked by another program or cannot be locked")
                .arg(context.store().location()) +
            context.whySavingFailed());
        return StoreError;
    }
    saved = worstOf(saved, profile.registerRecordNames(newNames));
    writeStdout(
        (report +
         QStringLiteral("added %1, changed %2, kept %3, refused %4\n").arg(added).arg(changed).arg(kept).arg(refused))
            .toUtf8());
    if (refused > 0)
        return Refused;
    if (saved == SaveResult::Failed) {
        printError(QStringLiteral("the records were not all saved in the profile store") + context.whySavingFailed());
        return StoreError;
    }
    return Success;
}

} // namespace aisset::cli
