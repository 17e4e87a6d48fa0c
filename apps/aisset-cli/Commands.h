#pragma once

#include "CliArgs.h"
#include "FieldTable.h"

#include <QString>

#include <memory>
#include <optional>

namespace aisset {
class RecordSink;
}

namespace aisset::cli {

// What the commands share: the profile store the tool saves into.
class CliContext {
public:
    explicit CliContext(QString storeDir);
    ~CliContext();
    // The record savings of successful builds; the same store the window uses
    // unless --store names another folder.
    RecordSink *records();
    const QString &storeDir() const { return storeDir_; }

private:
    QString storeDir_;
    std::unique_ptr<RecordSink> records_;
};

std::optional<Group> groupByName(const QString &name);

int runEncode(const CliArgs &args, CliContext &context);
int runDecode(const CliArgs &args, CliContext &context);
int runWrite(const CliArgs &args, CliContext &context);
int runRead(const CliArgs &args, CliContext &context);

} // namespace aisset::cli
