#include "Commands.h"

#include "Output.h"
#include "ProgramOptions.h"
#include "CompanyText.h"
#include "history/CompanyDatabase.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryRecorder.h"
#include "link/LinkSession.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"
#include "store/RecordSaver.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace aisset::cli {

CliContext::CliContext(QString storeDir, QString historyDb)
    : storeDir_(std::move(storeDir)), historyDb_(std::move(historyDb))
{}
CliContext::~CliContext() = default;

ProfileStore &CliContext::store()
{
    if (!store_)
        store_ = storeDir_.isEmpty() ? std::make_unique<ProfileStore>() : std::make_unique<ProfileStore>(storeDir_);
    return *store_;
}

RecordSink *CliContext::records()
{
    if (!records_)
        records_ = std::make_unique<RecordSaver>(store());
    return records_.get();
}

ProfileRecords &CliContext::profile()
{
    if (!profile_)
        profile_ = std::make_unique<ProfileRecords>(store());
    return *profile_;
}

bool CliContext::storeToReadExists()
{
    const QFileInfo folder(storeDir_);
    if (storeDir_.isEmpty() || folder.isDir())
        return true;
    printError(folder.exists() ? QStringLiteral("the profile store %1 is not a folder").arg(storeDir_)
                               : QStringLiteral("the profile store %1 does not exist").arg(storeDir_));
    return false;
}

QString CliContext::whySavingFailed()
{
    const StoreFailure &failure = store().lastFailure();
    const QString system = failure.detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(failure.detail);
    switch (failure.reason) {
    case StoreFailureReason::ReadOnly:
        return QStringLiteral(": it is read-only") + system;
    case StoreFailureReason::NoSpace:
        return QStringLiteral(": no space left on the disk") + system;
    case StoreFailureReason::LockHeld:
        return failure.lockHolder > 0 ? QStringLiteral(": its lock is held by process %1").arg(failure.lockHolder)
                                      : QStringLiteral(": its lock is held by another program");
    case StoreFailureReason::NotAFolder:
        return QStringLiteral(": %1 is not a folder").arg(failure.detail);
    case StoreFailureReason::Unknown:
        return failure.detail.isEmpty() ? QString() : u": "_s + failure.detail;
    }
    return {};
}

int CliContext::afterSaving(const BuildResult &built, int exitCode)
{
    if (built.savingFailed()) {
        printError(QStringLiteral("warning: the values were not saved in the profile store %1").arg(store().location()) +
                   whySavingFailed());
        exitCode = exitCode == Success ? StoreError : exitCode;
    }
    return afterHistory(exitCode);
}

HistoryDatabase &CliContext::history()
{
    if (!history_)
        history_ = std::make_unique<HistoryDatabase>(historyPathFor(store()));
    return *history_;
}

void CliContext::recordHistory(LinkSession &session)
{
    if (!recorder_)
        recorder_ = std::make_unique<HistoryRecorder>(history(),
                                                      localSessionFacts(u"aisset-cli"_s, {}, projectVersion()));
    recorder_->setLine(&session.line());
    session.setObserver(recorder_.get());
    session_ = &session;
}

int CliContext::afterHistory(int exitCode)
{
    if (session_)
        session_->endTransactions(); // the command is over: nothing more comes
    pushToCompany();
    if (!recorder_ || !recorder_->anyFailed())
        return exitCode;
    printError(QStringLiteral("warning: the transaction was not written to the history %1: %2")
                   .arg(history().path(), history().errorText()));
    return exitCode == Success ? StoreError : exitCode;
}

bool CliContext::companyConfigured() const { return !companyServerUrl(historyDb_).isEmpty(); }

CompanyDatabase *CliContext::company()
{
    if (companyChecked_)
        return company_.get();
    companyChecked_ = true;
    const QString url = companyServerUrl(historyDb_);
    if (url.isEmpty())
        return nullptr;
    const CompanyServerParse parsed = parseCompanyServer(url);
    if (!parsed.server) {
        printError(companyUrlProblemText(url, parsed.problem));
        return nullptr;
    }
    company_ = std::make_unique<CompanyDatabase>(*parsed.server);
    return company_.get();
}

// After the command's outcome is printed and its entries are in the local
// history: the entries the company's database lacks go there. A server that
// cannot be reached or refuses is said; the exit code stays the command's.
void CliContext::pushToCompany()
{
    if (!recorder_ || !company())
        return;
    const PushOutcome pushed = pushPending(history(), *company_);
    if (const QString problem = pushProblemText(pushed, *company_, history()); !problem.isEmpty())
        printError(QStringLiteral("warning: ") + problem);
}

} // namespace aisset::cli
