#include "report/ReportData.h"

#include "decoding/ReplyDecoding.h"
#include "decoding/WriteComparison.h"
#include "encoding/Builders.h"
#include "encoding/Primitives.h"
#include "history/HistoryDatabase.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "store/ProfileRecords.h"
#include "store/RecordsDialog.h"
#include "validation/CharacterChecks.h"

#include <QHash>

namespace aisset {

namespace {

// Builders and the decoding tell a person what is wrong; the report only looks.
class QuietHost final : public Host {
public:
    void showMessage(const QString &, const QString &) override {}
    bool askYesNo(const QString &, const QString &) override { return false; }
    void processEvents() override {}
    void moveFocus(FieldKind, int) override {}
    QString words(Message) const override { return {}; }
};

QString shown(const Form &form, int slot)
{
    return field(slot).kind == FieldKind::Choice ? form.choiceText(slot) : ccg(form.editText(slot)).trimmed();
}

// The newest read-back with a reply that checked a write of the group.
const HistoryEntry *lastReadBack(Group group, const QList<HistoryEntry> &entries)
{
    QHash<QUuid, TransactionKind> writes;
    for (const HistoryEntry &e : entries)
        writes.insert(e.transaction.id, e.transaction.kind);
    for (const HistoryEntry &e : entries) {
        const TransactionOutcome &t = e.transaction;
        const bool answered = t.result == TransactionResult::Agree || t.result == TransactionResult::Differ;
        if (t.kind == TransactionKind::Verify && answered && writes.value(t.checks) == writeKind(group))
            return &e;
    }
    return nullptr;
}

// The group's fields whose stored value the unit does not hold, compared in
// the unit's own form; by shown text when the stored form builds no sentence.
QList<int> differingSlots(Group group, Form &stored, const Form &unit, const QString &reply)
{
    QuietHost host;
    QList<int> found;
    const BuildResult built = buildSentence(group, stored, host, nullptr);
    if (built.ok()) {
        for (const FieldDifference &d : compareWrite(built.sentence, reply))
            found.append(d.slot);
        return found;
    }
    for (const FieldInfo &f : fieldTable())
        if (f.group == group && shown(stored, f.slot) != shown(unit, f.slot))
            found.append(f.slot);
    return found;
}

void addGroup(ReportData &report, Group group, Form &stored)
{
    const HistoryEntry *readBack = lastReadBack(group, report.transactions);
    Form unit;
    applyStartState(unit);
    QuietHost host;
    QList<int> differing;
    if (readBack) {
        (void)standardDecoder(unit, host)(readBack->transaction.reply);
        differing = differingSlots(group, stored, unit, readBack->transaction.reply);
    }
    for (const FieldInfo &f : fieldTable()) {
        if (f.group != group)
            continue;
        ReportValue v{f.slot, shown(stored, f.slot), {}, {}, ReportValue::Mark::NotVerified};
        if (readBack) {
            v.unit = shown(unit, f.slot);
            v.verifiedAt = readBack->transaction.startedUtc.toOffsetFromUtc(readBack->utcOffsetSeconds);
            v.mark = differing.contains(f.slot) ? ReportValue::Mark::DiffersFromStored : ReportValue::Mark::Confirmed;
        }
        report.values.append(v);
    }
}

} // namespace

std::optional<ReportData> gatherReport(ProfileRecords &records, HistoryDatabase &history, const QString &mmsi,
                                       const QString &installer)
{
    std::optional<QList<HistoryEntry>> entries = history.entries({mmsi, {}});
    if (!entries)
        return std::nullopt;
    ReportData report;
    report.mmsi = mmsi;
    report.installer = installer;
    report.made = QDateTime::currentDateTime();
    report.transactions = std::move(*entries);

    const QStringList values = records.readRecord(mmsi);
    const bool stored = std::any_of(values.begin(), values.end(), [](const QString &v) { return !v.isEmpty(); });
    report.known = stored || !report.transactions.isEmpty();
    Form form;
    applyStartState(form);
    loadRecordIntoForm(form, values);
    report.shipName = shown(form, slot::shipName);
    const int antennas[] = {slot::antennaA, slot::antennaB, slot::antennaC, slot::antennaD};
    for (int i = 0; i < 4; ++i)
        report.antenna[i] = NumVal(checkasc(form.editText(antennas[i])));
    for (const Group group : {Group::OwnShip, Group::System, Group::Factory})
        addGroup(report, group, form);
    return report;
}

} // namespace aisset
