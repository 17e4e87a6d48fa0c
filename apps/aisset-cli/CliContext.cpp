#include "Commands.h"

#include "Output.h"
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
        return failure.detail.isEmpty() ? QString() : u": "_qs + failure.detail;
    }
    return {};
}

int CliContext::afterSaving(const BuildResult &built, int exitCode)
{
    if (!built.savingFailed())
        return exitCode;
    printError(QStringLiteral("warning: the values were not saved in the profile store %1").arg(store().location()) +
               whySavingFailed());
    return exitCode == Success ? StoreError : exitCode;
}

} // namespace aisset::cli
