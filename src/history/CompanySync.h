#pragma once

#include "history/CompanyDatabase.h"

#include <QAtomicInt>
#include <QObject>
#include <QThread>

#include <memory>

namespace aisset {

// The window's link to the company's database, off the user's path: a thread
// of its own holds the connection (a server that does not answer costs that
// thread its connect timeout, never the window a frame) and a connection of
// its own to the local history. Pushes asked for while one is running or
// waiting make one more push, not one each.
class CompanySync : public QObject {
    Q_OBJECT
public:
    CompanySync(const QString &historyPath, const CompanyServer &server);
    ~CompanySync() override;

    // Sends whatever the local history holds that the server lacks.
    void pushSoon();
    // Reads one ship's entries from the server; companyEntries answers.
    void fetch(const QString &mmsi);

signals:
    void pushed(const aisset::PushOutcome &outcome);
    // ok false: the server could not be read (failure says why).
    void companyEntries(const QString &mmsi, const QList<aisset::HistoryEntry> &entries, bool ok,
                        aisset::CompanyFailure failure);

private:
    class Worker;
    QThread thread_;
    Worker *worker_; // lives in thread_, deleted when it ends
    QAtomicInt pushQueued_ = 0;
};

} // namespace aisset
