#pragma once

#include "link/TransactionOutcome.h"

#include <QString>

#include <optional>

namespace aisset {

// The stable names the history stores a transaction's kind and result under,
// and that the command line's JSON carries ("ownship", "acknowledged", ...).
// They never change once written: a copy elsewhere reads them back.
QString kindKey(TransactionKind kind);
QString resultKey(TransactionResult result);
std::optional<TransactionKind> kindFromKey(const QString &key);
std::optional<TransactionResult> resultFromKey(const QString &key);

} // namespace aisset
