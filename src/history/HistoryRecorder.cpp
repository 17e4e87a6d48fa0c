#include "history/HistoryRecorder.h"

#include "history/HistoryDatabase.h"
#include "link/QtSerialLine.h"
#include "store/ProfileStore.h"

#include <QSysInfo>

namespace aisset {

SessionFacts localSessionFacts(const QString &program, const QString &edition, const QString &version)
{
    SessionFacts facts{program, edition, version, qEnvironmentVariable("USER"), QSysInfo::machineHostName(), 0, {}};
    for (const char *name : {"LOGNAME", "USERNAME"}) // USERNAME: Windows
        if (facts.user.isEmpty())
            facts.user = qEnvironmentVariable(name);
    return facts;
}

QString historyPathFor(const ProfileStore &store)
{
    return store.folder() + u'/' + HistoryDatabase::kFileName.toString();
}

HistoryRecorder::HistoryRecorder(HistoryDatabase &database, SessionFacts facts, const SerialLine *line)
    : database_(database), facts_(std::move(facts)), line_(line)
{}

void HistoryRecorder::transactionFinished(const TransactionOutcome &outcome)
{
    HistoryEntry entry{outcome, outcome.startedUtc.toLocalTime().offsetFromUtc(), facts_};
    if (line_) {
        entry.session.port = line_->portNumber();
        if (const auto *qtLine = dynamic_cast<const QtSerialLine *>(line_))
            entry.session.device = qtLine->deviceName();
    }
    const SaveResult saved = database_.append(entry);
    anyFailed_ = anyFailed_ || saved == SaveResult::Failed;
    if (appended_)
        appended_(saved);
}

} // namespace aisset
