#pragma once

#include "CliArgs.h"
#include "encoding/BuildResult.h"
#include "model/FieldTable.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

namespace aisset {
class Form;
class CompanyDatabase;
class HistoryDatabase;
class HistoryRecorder;
class LinkSession;
class ProfileStore;
class ProfileRecords;
class RecordSink;
} // namespace aisset

namespace aisset::cli {

// What the commands share: the profile store the tool saves into, opened on
// first use. It is the store the window uses unless --store names another folder.
class CliContext {
public:
    // historyDb: --history-db as given (empty: the environment's or the setting's).
    CliContext(QString storeDir, QString historyDb);
    ~CliContext();
    // The record savings of successful builds.
    RecordSink *records();
    // The saved ships.
    ProfileRecords &profile();
    // The exit code of a command whose build succeeded: a saving that failed turns
    // success into StoreError, with a warning naming the store on standard error.
    // A history that could not be written is said and counted the same way.
    int afterSaving(const BuildResult &built, int exitCode);
    // For a command that only reads the store: false, with the reason on standard
    // error, when --store names a folder that does not exist or a file. Only
    // commands that save create the store's folder.
    bool storeToReadExists();
    int afterHistory(int exitCode);
    // The history of transactions beside the profile store.
    HistoryDatabase &history();
    // Appends every transaction of the session to the history; the context
    // outlives the session.
    void recordHistory(LinkSession &session);
    // The company's shared history; null when none is configured. A URL that
    // cannot be used is told on standard error (once) and counts as none.
    CompanyDatabase *company();
    // Whether a company database is configured at all.
    bool companyConfigured() const;
    // The store itself, for changes made under its lock.
    ProfileStore &store();
    // Why the store's last saving failed, in words: ": the folder is read-only
    // (...)", or empty when the store gave no reason.
    QString whySavingFailed();

private:
    void pushToCompany();

    QString storeDir_;
    QString historyDb_;
    std::unique_ptr<CompanyDatabase> company_;
    bool companyChecked_ = false;
    std::unique_ptr<ProfileStore> store_;
    std::unique_ptr<RecordSink> records_;
    std::unique_ptr<ProfileRecords> profile_;
    std::unique_ptr<HistoryDatabase> history_;
    std::unique_ptr<HistoryRecorder> recorder_;
    QPointer<LinkSession> session_;
};

std::optional<Group> groupByName(const QString &name);

// The group named by the command's one word and the form from standard input,
// as encode and write take them; prints the usage or the input error and
// returns nothing when either is wrong.
std::optional<Group> groupAndForm(const CliArgs &args, Form &form);

int runEncode(const CliArgs &args, CliContext &context);
int runDecode(const CliArgs &args, CliContext &context);
int runWrite(const CliArgs &args, CliContext &context);
int runRead(const CliArgs &args, CliContext &context);
int runRecords(const CliArgs &args, CliContext &context);
int runRecordsExport(const CliArgs &args, CliContext &context);
int runRecordsImport(const CliArgs &args, CliContext &context);
int runCheck(const CliArgs &args, CliContext &context);
int runPorts(const CliArgs &args, CliContext &context);
// ports --pin N DEVICE and --unpin N.
int runPortPin(const CliArgs &args);
int runHistory(const CliArgs &args, CliContext &context);
int runReport(const CliArgs &args, CliContext &context);

} // namespace aisset::cli
