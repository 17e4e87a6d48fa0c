#include "Commands.h"

#include "Output.h"
#include "ProgramOptions.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryRecorder.h"
#include "link/LinkSession.h"
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"
#include "store/RecordSaver.h"

#include <QFileInfo>

namespace aisset::cli {

CliContext::CliContext(QString storeDir) : storeDir_(std::move(storeDir)) {}
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

int CliContext::afterSaving(const BuildResult &built, int exitCode)
{
    if (built.savingFailed()) {
        printError(
            QStringLiteral("warning: the values were not saved in the profile store %1").arg(store().location()));
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
                                                      localSessionFacts(u"aisset-cli"_qs, {}, projectVersion()));
    recorder_->setLine(&session.line());
    session.setObserver(recorder_.get());
    session_ = &session;
}

int CliContext::afterHistory(int exitCode)
{
    if (session_)
        session_->endTransactions(); // the command is over: nothing more comes
    if (!recorder_ || !recorder_->anyFailed())
        return exitCode;
    printError(QStringLiteral("warning: the transaction was not written to the history %1: %2")
                   .arg(history().path(), history().errorText()));
    return exitCode == Success ? StoreError : exitCode;
}

} // namespace aisset::cli
