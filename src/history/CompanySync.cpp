#include "history/CompanySync.h"

namespace aisset {

class CompanySync::Worker : public QObject {
public:
    Worker(QString historyPath, CompanyServer server) : historyPath_(std::move(historyPath)), server_(std::move(server))
    {}

    // Both connections are made here, in the worker's thread, on first use.
    PushOutcome push()
    {
        ensureOpen();
        return pushPending(*local_, *company_);
    }
    std::optional<QList<HistoryEntry>> fetch(const QString &mmsi)
    {
        ensureOpen();
        return company_->entries({mmsi, {}});
    }
    CompanyFailure failure() const { return company_->failure(); }

private:
    void ensureOpen()
    {
        if (!local_)
            local_ = std::make_unique<HistoryDatabase>(historyPath_);
        if (!company_)
            company_ = std::make_unique<CompanyDatabase>(server_);
    }

    QString historyPath_;
    CompanyServer server_;
    std::unique_ptr<HistoryDatabase> local_;
    std::unique_ptr<CompanyDatabase> company_;
};

CompanySync::CompanySync(const QString &historyPath, const CompanyServer &server)
    : worker_(new Worker(historyPath, server))
{
    qRegisterMetaType<PushOutcome>();
    qRegisterMetaType<QList<HistoryEntry>>();
    qRegisterMetaType<CompanyFailure>();
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("company-sync"));
    thread_.start(QThread::LowPriority);
}

CompanySync::~CompanySync()
{
    thread_.quit();
    thread_.wait();
}

void CompanySync::pushSoon()
{
    if (!pushQueued_.testAndSetOrdered(0, 1))
        return; // the push waiting to run takes this entry too
    QMetaObject::invokeMethod(worker_, [this] {
        pushQueued_.storeRelease(0);
        const PushOutcome outcome = worker_->push();
        emit pushed(outcome);
    });
}

void CompanySync::fetch(const QString &mmsi)
{
    QMetaObject::invokeMethod(worker_, [this, mmsi] {
        const std::optional<QList<HistoryEntry>> entries = worker_->fetch(mmsi);
        emit companyEntries(mmsi, entries.value_or(QList<HistoryEntry>{}), entries.has_value(), worker_->failure());
    });
}

} // namespace aisset
