#pragma once

#include "history/HistoryEntry.h"
#include "model/SaveResult.h"

#include <functional>

namespace aisset {

class HistoryDatabase;
class ProfileStore;
class SerialLine;

// The facts of this program's session: program, edition and version as given,
// the user's login and the machine's name.
SessionFacts localSessionFacts(const QString &program, const QString &edition, const QString &version);

// Where the history of a profile store lives: beside the store's files (in the
// per-user data folder where the store is the registry).
QString historyPathFor(const ProfileStore &store);

// Appends every finished transaction to the history, with the session's facts
// and the port the line is on at that moment. An append that failed is told to
// `appended` (the window says so in its status, the command line warns); the
// transaction itself is over by then and stays as it was.
class HistoryRecorder final : public TransactionObserver {
public:
    HistoryRecorder(HistoryDatabase &database, SessionFacts facts, const SerialLine *line = nullptr);

    void transactionFinished(const TransactionOutcome &outcome) override;
    // The line whose port number and device each entry names.
    void setLine(const SerialLine *line) { line_ = line; }
    void setAppended(std::function<void(SaveResult)> appended) { appended_ = std::move(appended); }
    // Whether an append has failed since the recorder was made.
    bool anyFailed() const { return anyFailed_; }

private:
    HistoryDatabase &database_;
    SessionFacts facts_;
    const SerialLine *line_;
    std::function<void(SaveResult)> appended_;
    bool anyFailed_ = false;
};

} // namespace aisset
